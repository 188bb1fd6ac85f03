// Showing, moving and sizing, and coordinates.
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

using testwin::CountOf;

namespace {

class WindowGeometry : public ::testing::Test {
protected:
    void TearDown() override { testwin::Reset(); }
};

TEST_F(WindowGeometry, ShowAndMoveNotifyOnlyOnChange)
{
    HWND top = testwin::CreateTopLevel(100, 100, 200, 150);
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
        EXPECT_EQ(CountOf(WM_SIZE, child), m.sizes);
        EXPECT_EQ(CountOf(WM_MOVE, child), m.moves);
        for (auto& e : testwin::EntriesOf(WM_SIZE, child)) EXPECT_EQ(e.lParam, MAKELPARAM(m.width, m.height));
        for (auto& e : testwin::EntriesOf(WM_MOVE, child)) EXPECT_EQ(e.lParam, MAKELPARAM(m.x, m.y));
    }
    POINT origin{0, 0}, p{-7, 3};
    ClientToScreen(top, &origin);
    RECT window;
    ASSERT_TRUE(GetWindowRect(child, &window));
    EXPECT_EQ(std::vector<LONG>({window.left - origin.x, window.top - origin.y, window.right - window.left}),
              std::vector<LONG>({30, 40, 70}));
    ClientToScreen(child, &p);
    ScreenToClient(top, &p);
    EXPECT_EQ(std::vector<LONG>({p.x, p.y}), std::vector<LONG>({23, 43}));
}

TEST_F(WindowGeometry, MaximiseFillsTheWorkAreaAndRestoreReturns)
{
    for (bool shownFirst : {true, false}) {
        SCOPED_TRACE(shownFirst);
        HWND top = testwin::CreateTopLevel(100, 100, 300, 200, 0, WS_OVERLAPPEDWINDOW);
        if (shownFirst) ShowWindow(top, SW_SHOWNORMAL);
        RECT before, work, maximised, client;
        GetWindowRect(top, &before);
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
        testwin::ClearLog();
        ShowWindow(top, SW_SHOWMAXIMIZED);
        EXPECT_TRUE(IsZoomed(top));
        GetWindowRect(top, &maximised);
        EXPECT_GE(maximised.right - maximised.left, work.right - work.left);
        // Wine repeats the same WM_SIZE; what matters is that no restored size comes first.
        auto sizes = testwin::EntriesOf(WM_SIZE, top);
        ASSERT_FALSE(sizes.empty());
        for (auto& e : sizes) EXPECT_EQ(e.wParam, static_cast<WPARAM>(SIZE_MAXIMIZED));
        GetClientRect(top, &client);
        EXPECT_EQ(sizes.back().lParam, MAKELPARAM(client.right, client.bottom));
        ShowWindow(top, SW_RESTORE);
        EXPECT_FALSE(IsZoomed(top));
        RECT after;
        GetWindowRect(top, &after);
        EXPECT_EQ(std::vector<LONG>({after.left, after.right, after.bottom}),
                  std::vector<LONG>({before.left, before.right, before.bottom}));
    }
}

}  // namespace
