#include "app/CenterWindow.h"
#include "app/MainLayout.h"

#include <gtest/gtest.h>

namespace {

void ExpectRect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom)
{
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

}  // namespace

TEST(MainLayout, DefaultClientArea)
{
    const MainLayout layout = ComputeMainLayout(1000, 700);
    ExpectRect(layout.header, 0, 0, 730, 60);
    ExpectRect(layout.modeButton, 730, 18, 980, 41);
    ExpectRect(layout.views, 0, 62, 1000, 638);
    ExpectRect(layout.status, 0, 640, 1000, 700);
}

TEST(MainLayout, FollowsTheRightAndBottomEdges)
{
    const MainLayout layout = ComputeMainLayout(1920, 1017);
    ExpectRect(layout.header, 0, 0, 1650, 60);
    ExpectRect(layout.modeButton, 1650, 18, 1900, 41);
    ExpectRect(layout.views, 0, 62, 1920, 955);
    ExpectRect(layout.status, 0, 957, 1920, 1017);
}

TEST(CenteredOrigin, CountsTheAreaOrigin)
{
    // A task bar of 100 pixels on the left, one of 40 on top.
    const POINT p = CenteredOrigin(RECT{100, 40, 1280, 800}, 1000, 700);
    EXPECT_EQ(p.x, 100 + 90);
    EXPECT_EQ(p.y, 40 + 30);

    const POINT q = CenteredOrigin(RECT{0, 0, 1001, 701}, 1000, 700);
    EXPECT_EQ(q.x, 0);
    EXPECT_EQ(q.y, 0);
}

TEST(CenteredOrigin, LargerThanTheAreaHangsOverBothEdges)
{
    // -3 / 2 truncates toward zero.
    const POINT p = CenteredOrigin(RECT{0, 0, 997, 600}, 1000, 700);
    EXPECT_EQ(p.x, -1);
    EXPECT_EQ(p.y, -50);
}
