// The list's arithmetic without a window: layout, scrolling into view, keys
// and wheel.
#include "framework/controls/KyListGeometry.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

namespace {

constexpr int kBar = 17;

}  // namespace

TEST(ListLayout, TheBarComesWhenContentPassesTheItemArea)
{
    // 60 high with a frame: 58 pixels inside.
    KyListLayout two = LayoutList(300, 60, true, 40, 0, kBar, kBar);
    EXPECT_FALSE(two.needsVerticalBar);
    EXPECT_EQ(two.x, 1);
    EXPECT_EQ(two.y, 1);
    EXPECT_EQ(two.width, 298);
    EXPECT_EQ(two.height, 58);

    KyListLayout three = LayoutList(300, 60, true, 60, 0, kBar, kBar);
    EXPECT_TRUE(three.needsVerticalBar);
    EXPECT_EQ(three.width, 298 - kBar);
    EXPECT_EQ(three.height, 58);

    // An offset beyond the new content is pulled back; one that fits stays.
    EXPECT_EQ(LayoutList(300, 60, true, 80, 50, kBar, kBar).vOffset, 22);
    EXPECT_EQ(LayoutList(300, 60, true, 80, 10, kBar, kBar).vOffset, 10);
    // Content that fits again scrolls back to the top.
    EXPECT_EQ(LayoutList(300, 60, true, 40, 10, kBar, kBar).vOffset, 0);
}

TEST(ListLayout, TooSmallWindowsShowNothing)
{
    KyListLayout tiny = LayoutList(3, 60, true, 100, 5, kBar, kBar);
    EXPECT_EQ(tiny.height, 0);
    EXPECT_EQ(tiny.width, 0);
    EXPECT_EQ(tiny.vOffset, 0);
    EXPECT_FALSE(tiny.needsVerticalBar);
    // Narrower than a bar: rows keep the width and no bar is shown.
    KyListLayout narrow = LayoutList(12, 60, true, 100, 0, kBar, kBar);
    EXPECT_FALSE(narrow.needsVerticalBar);
    EXPECT_EQ(narrow.width, 10);
    // Without a frame the rows start at the corner.
    KyListLayout plain = LayoutList(300, 60, false, 40, 0, kBar, kBar);
    EXPECT_EQ(plain.x, 0);
    EXPECT_EQ(plain.height, 60);
}

TEST(ListLayout, ScrollingARowIntoView)
{
    // Third and fourth rows of 20 in 58 pixels.
    EXPECT_EQ(OffsetShowingRow(0, 40, 20, 58, 60), 2);
    EXPECT_EQ(OffsetShowingRow(2, 60, 20, 58, 80), 22);
    // Already visible: no movement; above the view: up to its top.
    EXPECT_EQ(OffsetShowingRow(22, 30, 20, 58, 80), 22);
    EXPECT_EQ(OffsetShowingRow(22, 0, 20, 58, 80), 0);
    // A row taller than the area shows its top.
    EXPECT_EQ(OffsetShowingRow(0, 100, 70, 58, 300), 100);
}

TEST(ListScrolling, KeysStepAndClamp)
{
    // A 60-pixel window pages by 48.
    EXPECT_EQ(PositionAfterKey(VK_NEXT, 0, 200, 60), 48u);
    EXPECT_EQ(PositionAfterKey(VK_NEXT, 180, 200, 60), 200u);
    EXPECT_EQ(PositionAfterKey(VK_PRIOR, 30, 200, 60), 0u);
    EXPECT_EQ(PositionAfterKey(VK_END, 30, 200, 60), 200u);
    EXPECT_EQ(PositionAfterKey(VK_HOME, 30, 200, 60), 0u);
    EXPECT_EQ(PositionAfterKey(VK_DOWN, 30, 200, 60), 50u);
    EXPECT_EQ(PositionAfterKey(VK_DOWN, 190, 200, 60), 200u);
    EXPECT_EQ(PositionAfterKey(VK_UP, 10, 200, 60), 0u);
    EXPECT_EQ(PositionAfterKey(VK_LEFT, 30, 200, 60), 30u);
}

TEST(ListScrolling, WheelNotches)
{
    EXPECT_EQ(PositionAfterWheel(-120, 0, 0, 100), 5u);
    EXPECT_EQ(PositionAfterWheel(-360, 0, 0, 100), 15u);
    EXPECT_EQ(PositionAfterWheel(120, 0, 12, 100), 7u);
    EXPECT_EQ(PositionAfterWheel(240, 0, 7, 100), 0u);
    EXPECT_EQ(PositionAfterWheel(-120, 30, 90, 100), 100u);
    // Half a notch of a fine wheel is no notch at all.
    EXPECT_EQ(PositionAfterWheel(-60, 0, 50, 100), 50u);
    EXPECT_EQ(PositionAfterWheel(60, 0, 50, 100), 50u);
}
