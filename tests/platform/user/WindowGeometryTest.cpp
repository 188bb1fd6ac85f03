// Showing, moving and sizing, coordinates, text and long values.
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

using testwin::CountOf;

namespace {

class WindowGeometry : public ::testing::Test {
protected:
    void TearDown() override { testwin::Reset(); }
};

TEST_F(WindowGeometry, ChildShowWindowNotifiesOnlyOnChange)
{
    HWND top = testwin::CreateTopLevel();
    HWND child = testwin::CreateChild(top, 10, 10, 20, 20, 0, WS_CHILD);
    testwin::ClearLog();
    EXPECT_FALSE(ShowWindow(child, SW_SHOWNORMAL));
    EXPECT_TRUE(ShowWindow(child, SW_SHOWNORMAL));
    EXPECT_EQ(CountOf(WM_SHOWWINDOW, child), 1);
    EXPECT_TRUE(IsWindowVisible(child));
    EXPECT_TRUE(ShowWindow(child, SW_HIDE));
    EXPECT_FALSE(ShowWindow(child, SW_HIDE));
    auto shows = testwin::EntriesOf(WM_SHOWWINDOW, child);
    ASSERT_EQ(shows.size(), 2u);
    EXPECT_EQ(shows[0].wParam, static_cast<WPARAM>(TRUE));
    EXPECT_EQ(shows[1].wParam, static_cast<WPARAM>(FALSE));
    EXPECT_FALSE(IsWindowVisible(child));
}

TEST_F(WindowGeometry, MoveWindowSizesHiddenWindowsOnlyWhenTheSizeChanges)
{
    HWND top = testwin::CreateTopLevel();
    HWND child = testwin::CreateChild(top, 0, 0, 0, 0, 0, WS_CHILD);
    testwin::ClearLog();
    EXPECT_TRUE(MoveWindow(child, 5, 6, 70, 40, TRUE));
    auto sizes = testwin::EntriesOf(WM_SIZE, child);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(LOWORD(sizes[0].lParam), 70);
    EXPECT_EQ(HIWORD(sizes[0].lParam), 40);
    auto moves = testwin::EntriesOf(WM_MOVE, child);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(moves[0].lParam, MAKELPARAM(5, 6));

    testwin::ClearLog();
    EXPECT_TRUE(MoveWindow(child, 15, 16, 70, 40, TRUE));
    EXPECT_EQ(CountOf(WM_SIZE, child), 0);
    EXPECT_EQ(CountOf(WM_MOVE, child), 1);
    testwin::ClearLog();
    EXPECT_TRUE(MoveWindow(child, 15, 16, 70, 40, TRUE));
    EXPECT_EQ(CountOf(WM_SIZE, child), 0);
    EXPECT_EQ(CountOf(WM_MOVE, child), 0);
}

TEST_F(WindowGeometry, ChildCoordinatesFollowTheParent)
{
    HWND top = testwin::CreateTopLevel(100, 100, 200, 150);
    HWND child = testwin::CreateChild(top, 30, 40, 50, 60);
    RECT client, window;
    ASSERT_TRUE(GetClientRect(child, &client));
    EXPECT_EQ(client.left, 0);
    EXPECT_EQ(client.right, 50);
    EXPECT_EQ(client.bottom, 60);
    POINT topOrigin{0, 0};
    ClientToScreen(top, &topOrigin);
    ASSERT_TRUE(GetWindowRect(child, &window));
    EXPECT_EQ(window.left, topOrigin.x + 30);
    EXPECT_EQ(window.top, topOrigin.y + 40);
    EXPECT_EQ(window.right - window.left, 50);

    POINT p{-7, 3};
    ClientToScreen(child, &p);
    EXPECT_EQ(p.x, topOrigin.x + 23);
    ScreenToClient(top, &p);
    EXPECT_EQ(p.x, 23);
    EXPECT_EQ(p.y, 43);
}

TEST_F(WindowGeometry, TextGoesThroughMessagesAndTruncates)
{
    HWND hwnd = testwin::CreateTopLevel();
    testwin::ClearLog();
    EXPECT_TRUE(SetWindowTextW(hwnd, L"透镜成像"));
    EXPECT_EQ(CountOf(WM_SETTEXT, hwnd), 1);
    EXPECT_EQ(GetWindowTextLengthW(hwnd), 4);
    wchar_t buffer[3] = {L'x', L'x', L'x'};
    EXPECT_EQ(GetWindowTextW(hwnd, buffer, 3), 2);
    EXPECT_STREQ(buffer, L"透镜");
    wchar_t full[16];
    EXPECT_EQ(SendMessageW(hwnd, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(full)), 4);
    EXPECT_STREQ(full, L"透镜成像");
    EXPECT_TRUE(SetWindowTextW(hwnd, nullptr));
    EXPECT_EQ(GetWindowTextLengthW(hwnd), 0);
}

TEST_F(WindowGeometry, MaximiseFillsTheWorkAreaAndRestoreReturns)
{
    HWND top = testwin::CreateTopLevel(100, 100, 300, 200, 0, WS_OVERLAPPEDWINDOW);
    ShowWindow(top, SW_SHOWNORMAL);
    RECT before, work, maximised, after;
    GetWindowRect(top, &before);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    testwin::ClearLog();
    ShowWindow(top, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(IsZoomed(top));
    GetWindowRect(top, &maximised);
    EXPECT_GE(maximised.right - maximised.left, work.right - work.left);
    auto sizes = testwin::EntriesOf(WM_SIZE, top);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.back().wParam, static_cast<WPARAM>(SIZE_MAXIMIZED));
    ShowWindow(top, SW_RESTORE);
    EXPECT_FALSE(IsZoomed(top));
    GetWindowRect(top, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
}

TEST_F(WindowGeometry, FirstShowMaximisedSizesOnlyMaximised)
{
    HWND top = testwin::CreateTopLevel(100, 100, 300, 200, 0, WS_OVERLAPPEDWINDOW);
    testwin::ClearLog();
    ShowWindow(top, SW_SHOWMAXIMIZED);
    auto sizes = testwin::EntriesOf(WM_SIZE, top);
    // Wine repeats the same WM_SIZE; what matters is that no restored size comes first.
    ASSERT_FALSE(sizes.empty());
    for (auto& e : sizes) EXPECT_EQ(e.wParam, static_cast<WPARAM>(SIZE_MAXIMIZED));
    RECT client;
    GetClientRect(top, &client);
    EXPECT_EQ(sizes.back().lParam, MAKELPARAM(client.right, client.bottom));
}

}  // namespace
