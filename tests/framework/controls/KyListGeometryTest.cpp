// The list's arithmetic without a window, at the edges the window tests do
// not reach: tiny and frameless windows, offsets pulled back, rows taller
// than the area, and keys and wheels that run into either end.
#include "framework/controls/KyListGeometry.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBar = 17;

}  // namespace

TEST(ListLayout, EdgesOfTheItemArea)
{
    // {width, frame, content, offset} -> {x, width, height, offset, bar}; 60 high.
    const struct { int width; bool frame; int content, offset, x, itemWidth, height, vOffset; bool bar; } cases[] = {
        {300, true, 60, 0, 1, 298 - kBar, 58, 0, true},     // one pixel too many
        {300, true, 80, 50, 1, 298 - kBar, 58, 22, true},   // pulled back
        {300, true, 80, 10, 1, 298 - kBar, 58, 10, true},   // fits: stays
        {300, true, 40, 10, 1, 298, 58, 0, false},          // fits again: top
        {3, true, 100, 5, 1, 0, 0, 0, false},               // too small: nothing
        {12, true, 100, 0, 1, 10, 58, 0, false},            // narrower than a bar
        {300, false, 40, 0, 0, 300, 60, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " frame " << c.frame << " content " << c.content);
        const KyListLayout layout = LayoutList(c.width, 60, c.frame, c.content, c.offset, kBar, kBar);
        EXPECT_TRUE(c.itemWidth == 0 || layout.x == c.x);  // no rows: no corner to speak of
        EXPECT_EQ(layout.width, c.itemWidth);
        EXPECT_EQ(layout.height, c.height);
        EXPECT_EQ(layout.vOffset, c.vOffset);
        EXPECT_EQ(layout.needsVerticalBar, c.bar);
    }
}

TEST(ListLayout, ScrollingARowIntoView)
{
    EXPECT_EQ(OffsetShowingRow(22, 30, 20, 58, 80), 22);   // visible: stays
    EXPECT_EQ(OffsetShowingRow(22, 0, 20, 58, 80), 0);     // above: to its top
    EXPECT_EQ(OffsetShowingRow(0, 100, 70, 58, 300), 100);  // taller: its top
}

TEST(ListScrolling, KeysStepAndClampAtBothEnds)
{
    // 200 the largest position, a 60-pixel window: a page is 48, an arrow 20.
    const struct { UINT key; uint32_t from, to; } keys[] = {
        {VK_NEXT, 100, 148}, {VK_NEXT, 180, 200}, {VK_PRIOR, 30, 0},  {VK_DOWN, 100, 120},
        {VK_DOWN, 190, 200}, {VK_UP, 100, 80},    {VK_UP, 10, 0},     {VK_LEFT, 30, 30}};
    for (const auto& k : keys)
        EXPECT_EQ(PositionAfterKey(k.key, k.from, 200, 60), k.to) << k.key << " " << k.from;
    EXPECT_EQ(PositionAfterWheel(240, 0, 7, 100), 0u);
    EXPECT_EQ(PositionAfterWheel(-120, 30, 90, 100), 100u);
}
