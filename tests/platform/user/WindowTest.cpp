// Windows: creation and destruction sequences, stale handles, showing,
// moving, maximising, tracking sizes and the keyboard focus.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

using testwin::CountOf;
using testwin::EntriesOf;
using testwin::Messages;

namespace {

class Window : public ::testing::Test {
protected:
    void TearDown() override { testwin::Reset(); }
    HWND top = testwin::CreateTopLevel();
};

TEST_F(Window, ChildGetsCreationMessagesInOrderAndStaysHidden)
{
    testwin::ClearLog();
    HWND child = testwin::CreateChild(top, 0, 0, 0, 0, 0, WS_CHILD);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(Messages({WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}, child),
              (std::vector<UINT>{WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE, WM_MOVE}));
    EXPECT_FALSE(IsWindowVisible(child));
}

// Shown, it is sized, activated and focused.
TEST_F(Window, TopLevelAsksMinMaxFirstAndIsSizedWhenShown)
{
    int marker = 0;
    std::vector<LPVOID> params;
    testwin::SetHook([&](HWND, UINT m, WPARAM, LPARAM l, LRESULT*) {
        if (m == WM_NCCREATE || m == WM_CREATE) params.push_back(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
        return false;
    });
    testwin::ClearLog();
    HWND hwnd = CreateWindowExW(0, testwin::ClassFor(0), L"", WS_OVERLAPPEDWINDOW, 50, 60, 300, 200, nullptr,
                                nullptr, nullptr, &marker);
    EXPECT_EQ(params, (std::vector<LPVOID>{&marker, &marker}));
    auto created = Messages({WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE}, hwnd);
    created.resize(4);  // Wine may ask again afterwards
    EXPECT_EQ(created, (std::vector<UINT>{WM_GETMINMAXINFO, WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE}));
    EXPECT_EQ(CountOf(WM_SIZE, hwnd), 0);
    for (BOOL wasVisible : {FALSE, TRUE}) {
        testwin::ClearLog();
        EXPECT_EQ(ShowWindow(hwnd, SW_SHOWNORMAL), wasVisible);
        EXPECT_EQ(CountOf(WM_SIZE, hwnd), wasVisible ? 0 : 1);
        kytest::PumpUntilIdle();
        EXPECT_TRUE(GetActiveWindow() == hwnd && GetFocus() == hwnd);
    }
    DestroyWindow(hwnd);
}

TEST_F(Window, RefusedCreationReturnsNullAndLeavesNoWindow)
{
    unsigned before = kytest::LiveWindowCount();
    for (auto [refused, answer] : {std::pair<UINT, LRESULT>{WM_NCCREATE, 0}, {WM_CREATE, -1}}) {
        testwin::SetHook([refused = refused, answer = answer](HWND, UINT m, WPARAM, LPARAM, LRESULT* r) {
            return m == refused && (*r = answer, true);
        });
        EXPECT_EQ(testwin::CreateTopLevel(), nullptr);
    }
    EXPECT_EQ(kytest::LiveWindowCount(), before);
    EXPECT_EQ(CreateWindowExW(0, L"NoSuchClass", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(Window, DestroySendsDestroyParentFirstAndStaleHandlesFailSafely)
{
    HWND child = testwin::CreateChild(top, 0, 0, 50, 50);
    HWND grandchild = testwin::CreateChild(child, 0, 0, 10, 10);
    unsigned before = kytest::LiveWindowCount();
    testwin::ClearLog();
    EXPECT_TRUE(DestroyWindow(top));
    std::vector<HWND> destroyed;
    for (auto& e : EntriesOf(WM_DESTROY)) destroyed.push_back(e.hwnd);
    EXPECT_EQ(destroyed, (std::vector<HWND>{top, child, grandchild}));
    EXPECT_EQ(kytest::LiveWindowCount(), before - 3);
    RECT r{};
    POINT p{5, 6};
    EXPECT_FALSE(DestroyWindow(child) || GetClientRect(child, &r) || ClientToScreen(child, &p) ||
                 ShowWindow(child, SW_SHOWNORMAL) || MoveWindow(child, 0, 0, 10, 10, TRUE) ||
                 PostMessageW(child, WM_USER, 0, 0) || SetWindowTextW(child, L"x") ||
                 InvalidateRect(child, nullptr, TRUE) || SetTimer(child, 5, 100, nullptr) ||
                 SendMessageW(child, WM_GETTEXTLENGTH, 0, 0) || SetFocus(child) || GetParent(child));
    EXPECT_EQ(p.x, 5);
}

TEST_F(Window, ShowAndMoveNotifyOnlyOnChange)
{
    HWND child = testwin::CreateChild(top, 0, 0, 0, 0, 0, WS_CHILD);
    testwin::ClearLog();
    const struct { int cmd; BOOL wasVisible; int shows; } shows[] = {
        {SW_SHOWNORMAL, FALSE, 1}, {SW_SHOWNORMAL, TRUE, 1}, {SW_HIDE, TRUE, 2}, {SW_HIDE, FALSE, 2}};
    for (const auto& s : shows) {
        EXPECT_EQ(ShowWindow(child, s.cmd), s.wasVisible);
        EXPECT_EQ(CountOf(WM_SHOWWINDOW, child), s.shows);
    }
    const struct { int x, y, width, height, sizes, moves; } moves[] = {
        {5, 6, 70, 40, 1, 1}, {30, 40, 70, 40, 0, 1}, {30, 40, 70, 40, 0, 0}};
    for (const auto& m : moves) {
        testwin::ClearLog();
        EXPECT_TRUE(MoveWindow(child, m.x, m.y, m.width, m.height, TRUE));
        EXPECT_EQ(std::make_pair(CountOf(WM_SIZE, child), CountOf(WM_MOVE, child)), std::make_pair(m.sizes, m.moves));
        for (auto& e : EntriesOf(WM_SIZE, child)) EXPECT_EQ(e.lParam, MAKELPARAM(m.width, m.height));
        for (auto& e : EntriesOf(WM_MOVE, child)) EXPECT_EQ(e.lParam, MAKELPARAM(m.x, m.y));
    }
    POINT p{-7, 3};
    ClientToScreen(child, &p);
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 23);
    EXPECT_EQ(p.y, 43);
}

// As the main window is shown: maximised before it was ever shown.
TEST_F(Window, MaximiseFillsTheWorkAreaAndRestoreReturns)
{
    HWND hwnd = testwin::CreateTopLevel(100, 100, 300, 200, 0, WS_OVERLAPPEDWINDOW);
    RECT before, work, maximised, client, after;
    GetWindowRect(hwnd, &before);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    testwin::ClearLog();
    ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    GetWindowRect(hwnd, &maximised);
    EXPECT_GE(maximised.right - maximised.left, work.right - work.left);
    // Wine repeats the same WM_SIZE; what matters is that no restored size comes first.
    auto sizes = EntriesOf(WM_SIZE, hwnd);
    ASSERT_FALSE(sizes.empty());
    for (auto& e : sizes) EXPECT_EQ(e.wParam, static_cast<WPARAM>(SIZE_MAXIMIZED));
    GetClientRect(hwnd, &client);
    EXPECT_EQ(sizes.back().lParam, MAKELPARAM(client.right, client.bottom));
    ShowWindow(hwnd, SW_RESTORE);
    GetWindowRect(hwnd, &after);
    EXPECT_EQ(std::make_tuple(after.left, after.right, after.bottom), std::make_tuple(before.left, before.right, before.bottom));
}

// A sizable or overlapped window is held within the tracking sizes its
// procedure answers, however it is sized; a plain pop-up is not.
TEST_F(Window, TrackSizeHoldsMoveWindowWithinTheLimits)
{
    const struct { DWORD style; SIZE requested, expected; } cases[] = {
        {WS_OVERLAPPEDWINDOW, {299, 199}, {300, 200}}, {WS_OVERLAPPEDWINDOW, {300, 200}, {300, 200}},
        {WS_OVERLAPPEDWINDOW, {301, 201}, {301, 201}}, {WS_OVERLAPPEDWINDOW, {800, 600}, {800, 600}},
        {WS_OVERLAPPEDWINDOW, {801, 601}, {800, 600}}, {WS_OVERLAPPEDWINDOW, {32767, 32767}, {800, 600}},
        {WS_POPUP | WS_THICKFRAME, {50, 650}, {300, 600}}, {WS_POPUP, {50, 650}, {50, 650}},
    };
    testwin::SetHook([](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
        if (message != WM_GETMINMAXINFO) return false;
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{300, 200};
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMaxTrackSize = POINT{800, 600};
        return *result = 0, true;
    });
    for (const auto& c : cases) {
        SCOPED_TRACE(c.requested.cx);
        HWND hwnd = testwin::CreateTopLevel(10, 20, 400, 300, 0, c.style | WS_VISIBLE);
        kytest::PumpUntilIdle();
        MoveWindow(hwnd, 10, 20, c.requested.cx, c.requested.cy, TRUE);
        kytest::PumpUntilIdle();
        RECT window{};
        GetWindowRect(hwnd, &window);
        EXPECT_EQ(std::make_pair(window.right - window.left, window.bottom - window.top),
                  std::make_pair(c.expected.cx, c.expected.cy));
        DestroyWindow(hwnd);
    }
}

// Disabled, hidden and destroyed windows refuse or lose the focus.
TEST_F(Window, SetFocusNotifiesTheOldThenTheNewWindow)
{
    HWND a = testwin::CreateChild(top, 0, 0, 50, 50);
    HWND b = testwin::CreateChild(top, 60, 0, 50, 50);
    SetFocus(a);
    kytest::PumpUntilIdle();
    testwin::ClearLog();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(GetFocus(), b);
    std::vector<std::tuple<HWND, UINT, WPARAM>> focus;
    for (auto& e : testwin::Log())
        if (e.message == WM_KILLFOCUS || e.message == WM_SETFOCUS) focus.emplace_back(e.hwnd, e.message, e.wParam);
    EXPECT_EQ(focus, (std::vector<std::tuple<HWND, UINT, WPARAM>>{{a, WM_KILLFOCUS, reinterpret_cast<WPARAM>(b)},
                                                                   {b, WM_SETFOCUS, reinterpret_cast<WPARAM>(a)}}));
    EnableWindow(a, FALSE);
    EXPECT_EQ(SetFocus(a), nullptr);
    EXPECT_EQ(GetFocus(), b);
    ShowWindow(b, SW_HIDE);
    EXPECT_EQ(GetFocus(), top) << "hiding hands the focus to the parent";
    EnableWindow(a, TRUE);
    SetFocus(a);
    DestroyWindow(a);
    EXPECT_NE(GetFocus(), a);
}

}  // namespace
