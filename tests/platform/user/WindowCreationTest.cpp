// Creation and destruction sequences, and how stale handles fail.
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

using testwin::Messages;

namespace {

class WindowCreation : public ::testing::Test {
protected:
    void TearDown() override { testwin::Reset(); }
};

TEST_F(WindowCreation, ChildOfZeroSizeGetsCreationMessagesInOrder)
{
    HWND top = testwin::CreateTopLevel();
    ASSERT_NE(top, nullptr);
    testwin::ClearLog();
    HWND child = testwin::CreateChild(top, 0, 0, 0, 0, 0, WS_CHILD);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(Messages({WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}, child),
              (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));
    auto sizes = testwin::EntriesOf(WM_SIZE, child);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].lParam, 0);
    EXPECT_EQ(testwin::CountOf(WM_SHOWWINDOW, child), 0);
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_EQ(GetParent(child), top);
}

TEST_F(WindowCreation, TopLevelAsksMinMaxFirstAndIsSizedWhenShown)
{
    HWND top = testwin::CreateTopLevel(50, 60, 300, 200, 0, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(top, nullptr);
    auto created = Messages({WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE}, top);
    ASSERT_GE(created.size(), 4u);
    EXPECT_EQ(created[0], static_cast<UINT>(WM_GETMINMAXINFO));
    EXPECT_EQ(std::vector<UINT>(created.begin() + 1, created.begin() + 4),
              (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE}));
    EXPECT_EQ(testwin::CountOf(WM_SIZE, top), 0);
    EXPECT_EQ(GetParent(top), nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(top, GWL_STYLE) & WS_THICKFRAME);

    testwin::ClearLog();
    EXPECT_FALSE(ShowWindow(top, SW_SHOWNORMAL));
    EXPECT_TRUE(IsWindowVisible(top));
    EXPECT_EQ(testwin::CountOf(WM_SHOWWINDOW, top), 1);
    EXPECT_EQ(testwin::CountOf(WM_SIZE, top), 1);
    testwin::ClearLog();
    EXPECT_TRUE(ShowWindow(top, SW_SHOWNORMAL));
    EXPECT_EQ(testwin::CountOf(WM_SIZE, top), 0);
}

TEST_F(WindowCreation, CreationParameterReachesNcCreateAndCreate)
{
    int marker = 0;
    std::vector<LPVOID> seen;
    testwin::SetHook([&](HWND, UINT m, WPARAM, LPARAM l, LRESULT*) {
        if (m == WM_NCCREATE || m == WM_CREATE) seen.push_back(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        return false;
    });
    HWND hwnd = CreateWindowExW(0, testwin::ClassFor(0), L"title", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, &marker);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(seen, (std::vector<LPVOID>{&marker, &marker}));
    wchar_t text[16];
    EXPECT_EQ(GetWindowTextW(hwnd, text, 16), 5);
    EXPECT_STREQ(text, L"title");
    DestroyWindow(hwnd);
}

TEST_F(WindowCreation, RefusedCreationReturnsNullAndLeavesNoWindow)
{
    unsigned before = kytest::LiveWindowCount();
    testwin::SetHook([](HWND, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m != WM_NCCREATE) return false;
        *r = 0;
        return true;
    });
    EXPECT_EQ(testwin::CreateTopLevel(), nullptr);
    EXPECT_EQ(testwin::CountOf(WM_CREATE), 0);

    testwin::SetHook([](HWND, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m != WM_CREATE) return false;
        *r = -1;
        return true;
    });
    EXPECT_EQ(testwin::CreateTopLevel(), nullptr);
    HWND failed = testwin::Log().back().hwnd;
    EXPECT_FALSE(IsWindow(failed));
    EXPECT_EQ(kytest::LiveWindowCount(), before);
}

TEST_F(WindowCreation, UnknownClassOrChildWithoutParentFails)
{
    EXPECT_EQ(CreateWindowExW(0, L"NoSuchClassAnywhere", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(CreateWindowExW(0, testwin::ClassFor(0), L"", WS_CHILD, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
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
    EXPECT_EQ(testwin::CountOf(WM_NCDESTROY), 3);
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(IsWindow(grandchild));
    EXPECT_EQ(kytest::LiveWindowCount(), before - 3);
}

TEST_F(WindowCreation, StaleHandlesFailSafely)
{
    HWND hwnd = testwin::CreateTopLevel();
    ASSERT_TRUE(DestroyWindow(hwnd));
    RECT r{1, 2, 3, 4};
    POINT p{5, 6};
    EXPECT_FALSE(DestroyWindow(hwnd));
    EXPECT_FALSE(GetClientRect(hwnd, &r));
    EXPECT_FALSE(GetWindowRect(hwnd, &r));
    EXPECT_FALSE(ClientToScreen(hwnd, &p));
    EXPECT_EQ(p.x, 5);
    EXPECT_FALSE(ShowWindow(hwnd, SW_SHOWNORMAL));
    EXPECT_FALSE(MoveWindow(hwnd, 0, 0, 10, 10, TRUE));
    EXPECT_FALSE(PostMessageW(hwnd, WM_USER, 0, 0));
    EXPECT_EQ(SendMessageW(hwnd, WM_GETTEXTLENGTH, 0, 0), 0);
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_FALSE(SetWindowTextW(hwnd, L"x"));
    EXPECT_EQ(GetParent(hwnd), nullptr);
    EXPECT_EQ(SetTimer(hwnd, 5, 100, nullptr), 0u);
    EXPECT_FALSE(InvalidateRect(hwnd, nullptr, TRUE));
    EXPECT_EQ(SetFocus(hwnd), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWL_STYLE), 0);
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
    EXPECT_EQ(testwin::CountOf(WM_CLOSE, hwnd), 1);
    EXPECT_FALSE(IsWindow(hwnd));
}

}  // namespace
