// CenterWindow against real windows: a child in its parent's client area, a
// top-level window in the work area the system reports.
#include "app/CenterWindow.h"

#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

#include <tuple>

class CenterWindowTest : public ::testing::Test {
protected:
    void TearDown() override { testwin::Reset(); }
};

TEST_F(CenterWindowTest, ChildIsCentredInItsParentsClientArea)
{
    HWND parent = testwin::CreateTopLevel(50, 60, 400, 300);
    HWND child = testwin::CreateChild(parent, 7, 9, 101, 50);
    ASSERT_TRUE(parent && child);
    CenterWindow(child);
    RECT r{};
    GetWindowRect(child, &r);
    POINT corner{r.left, r.top};
    ScreenToClient(parent, &corner);
    EXPECT_EQ(std::tuple(corner.x, corner.y, r.right - r.left, r.bottom - r.top),
              std::tuple((400 - 101) / 2, (300 - 50) / 2, 101, 50));
}

TEST_F(CenterWindowTest, TopLevelIsCentredInTheWorkArea)
{
    HWND window = testwin::CreateTopLevel(3, 4, 320, 200);
    ASSERT_NE(window, nullptr);
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0));
    CenterWindow(window);
    RECT r{};
    GetWindowRect(window, &r);
    const POINT expected = CenteredOrigin(work, 320, 200);
    EXPECT_EQ(std::tuple(r.left, r.top, r.right - r.left, r.bottom - r.top),
              std::tuple(expected.x, expected.y, 320, 200));
}
