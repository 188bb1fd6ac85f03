// CenterWindow against real windows: a child in its parent's client area, a
// top-level window in the work area the system reports.
#include "app/CenterWindow.h"

#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(corner.x, (400 - 101) / 2);
    EXPECT_EQ(corner.y, (300 - 50) / 2);
    EXPECT_EQ(r.right - r.left, 101);
    EXPECT_EQ(r.bottom - r.top, 50);
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
    EXPECT_EQ(r.left, expected.x);
    EXPECT_EQ(r.top, expected.y);
    EXPECT_EQ(r.right - r.left, 320);
    EXPECT_EQ(r.bottom - r.top, 200);
}
