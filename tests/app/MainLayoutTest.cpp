#include "app/CenterWindow.h"
#include "app/MainLayout.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<LONG> Edges(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

// The default client area and a large one: the parts follow the right and
// bottom edges, two pixels apart.
TEST(MainLayout, PartsFollowTheRightAndBottomEdges)
{
    const struct { int width, height; RECT header, modeButton, views, status; } cases[] = {
        {1000, 700, {0, 0, 730, 60}, {730, 18, 980, 41}, {0, 62, 1000, 638}, {0, 640, 1000, 700}},
        {1920, 1017, {0, 0, 1650, 60}, {1650, 18, 1900, 41}, {0, 62, 1920, 955}, {0, 957, 1920, 1017}}};
    for (const auto& c : cases) {
        const MainLayout l = ComputeMainLayout(c.width, c.height);
        EXPECT_EQ((std::vector{Edges(l.header), Edges(l.modeButton), Edges(l.views), Edges(l.status)}),
                  (std::vector{Edges(c.header), Edges(c.modeButton), Edges(c.views), Edges(c.status)})) << c.width;
    }
}

// The area's origin counts (task bars of 100 pixels on the left, 40 on top);
// a window larger than the area hangs over both edges, -3 / 2 truncating
// toward zero.
TEST(CenteredOrigin, CentresInTheArea)
{
    const struct { RECT area; int width, height; LONG x, y; } cases[] = {
        {{100, 40, 1280, 800}, 1000, 700, 190, 70}, {{0, 0, 1001, 701}, 1000, 700, 0, 0},
        {{0, 0, 997, 600}, 1000, 700, -1, -50}};
    for (const auto& c : cases) {
        const POINT p = CenteredOrigin(c.area, c.width, c.height);
        EXPECT_EQ(std::pair(p.x, p.y), std::pair(c.x, c.y)) << c.area.right;
    }
}
