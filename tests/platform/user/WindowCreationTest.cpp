// Creation and destruction sequences, and how stale handles fail.
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

using testwin::CountOf;
using testwin::Messages;

namespace {

class WindowCreation : public ::testing::Test {
protected:
    void TearDown() override { testwin::Reset(); }
};

TEST_F(WindowCreation, ChildGetsCreationMessagesInOrderAndStaysHidden)
{
    HWND top = testwin::CreateTopLevel();
    testwin::ClearLog();
    HWND child = testwin::CreateChild(top, 0, 0, 0, 0, 0, WS_CHILD);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(Messages({WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}, child),
              (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));
    EXPECT_EQ(testwin::EntriesOf(WM_SIZE, child)[0].lParam, 0);
    EXPECT_FALSE(IsWindowVisible(child));
}

TEST_F(WindowCreation, TopLevelAsksMinMaxFirstAndIsSizedWhenShown)
{
    int marker = 0;
    std::vector<LPVOID> params;
    testwin::SetHook([&](HWND, UINT m, WPARAM, LPARAM l, LRESULT*) {
        if (m == WM_NCCREATE || m == WM_CREATE) params.push_back(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        return false;
    });
    HWND top = CreateWindowExW(0, testwin::ClassFor(0), L"title", WS_OVERLAPPEDWINDOW, 50, 60, 300, 200, nullptr,
                               nullptr, nullptr, &marker);
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(params, (std::vector<LPVOID>{&marker, &marker}));
    auto created = Messages({WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE}, top);
    ASSERT_GE(created.size(), 4u);
    EXPECT_EQ(std::vector<UINT>(created.begin(), created.begin() + 4),
              (std::vector<UINT>{WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE}));
    EXPECT_EQ(CountOf(WM_SIZE, top), 0);
    wchar_t text[16];
    EXPECT_EQ(GetWindowTextW(top, text, 16), 5);

    for (BOOL wasVisible : {FALSE, TRUE}) {
        testwin::ClearLog();
        EXPECT_EQ(ShowWindow(top, SW_SHOWNORMAL), wasVisible);
        EXPECT_EQ(CountOf(WM_SIZE, top), wasVisible ? 0 : 1);
    }
    DestroyWindow(top);
}

TEST_F(WindowCreation, RefusedCreationReturnsNullAndLeavesNoWindow)
{
    unsigned before = kytest::LiveWindowCount();
    for (auto [refused, answer] : {std::pair<UINT, LRESULT>{WM_NCCREATE, 0}, {WM_CREATE, -1}}) {
        testwin::SetHook([refused = refused, answer = answer](HWND, UINT m, WPARAM, LPARAM, LRESULT* r) {
            if (m != refused) return false;
            *r = answer;
            return true;
        });
        EXPECT_EQ(testwin::CreateTopLevel(), nullptr);
        EXPECT_FALSE(IsWindow(testwin::Log().back().hwnd));
    }
    EXPECT_EQ(kytest::LiveWindowCount(), before);
    EXPECT_EQ(CreateWindowExW(0, L"NoSuchClass", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(CreateWindowExW(0, testwin::ClassFor(0), L"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
              nullptr);
}

TEST_F(WindowCreation, DestroySendsDestroyParentFirstAndKillsTheTree)
{
    HWND top = testwin::CreateTopLevel();
    HWND child = testwin::CreateChild(top, 0, 0, 50, 50);
    HWND grandchild = testwin::CreateChild(child, 0, 0, 10, 10);
    unsigned before = kytest::LiveWindowCount();
    testwin::ClearLog();
    EXPECT_TRUE(DestroyWindow(top));
    std::vector<HWND> destroyed;
    for (auto& e : testwin::EntriesOf(WM_DESTROY)) destroyed.push_back(e.hwnd);
    EXPECT_EQ(destroyed, (std::vector<HWND>{top, child, grandchild}));
    EXPECT_EQ(CountOf(WM_NCDESTROY), 3);
    EXPECT_EQ(kytest::LiveWindowCount(), before - 3);

    // A stale handle fails safely everywhere.
    RECT r{};
    POINT p{5, 6};
    EXPECT_FALSE(DestroyWindow(child) || GetClientRect(child, &r) || ClientToScreen(child, &p) ||
                 ShowWindow(child, SW_SHOWNORMAL) || MoveWindow(child, 0, 0, 10, 10, TRUE) ||
                 PostMessageW(child, WM_USER, 0, 0) || SetWindowTextW(child, L"x") ||
                 InvalidateRect(child, nullptr, TRUE) || SetTimer(child, 5, 100, nullptr) ||
                 SendMessageW(child, WM_GETTEXTLENGTH, 0, 0) || SetFocus(child) || GetParent(child) ||
                 GetWindowLongPtrW(child, GWL_STYLE));
    EXPECT_EQ(p.x, 5);
}

TEST_F(WindowCreation, CloseDestroysByDefaultAndAltF4Closes)
{
    HWND hwnd = testwin::CreateTopLevel();
    SendMessageW(hwnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(hwnd));
    hwnd = testwin::CreateTopLevel();
    testwin::ClearLog();
    SendMessageW(hwnd, WM_SYSKEYDOWN, VK_F4, 0x20000001);
    kytest::PumpUntilIdle();
    EXPECT_EQ(CountOf(WM_CLOSE, hwnd), 1);
    EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
