// Text clipped by DrawTextW keeps all its ink inside the rectangle, also
// when a character no font has (drawn as a box) comes before the glyphs
// that straddle the rectangle's edge.
#include "tests/support/Canvas.h"
#include "tests/support/RectMatchers.h"

#include <gtest/gtest.h>

TEST(TextClip, InkStaysInsideTheRectangleWhateverStraddlesItsEdge)
{
    Canvas canvas(120, 60);
    ASSERT_TRUE(canvas.Valid());
    SetBkMode(canvas.Dc(), TRANSPARENT);
    for (const wchar_t* text : {L"\uFFFF\uFF0C\u4DFF", L"\u0378\uFF1A", L"\u900F\uFF0C"}) {
        // Bottom-aligned in rectangles lower than the line: the glyphs
        // cross the top edge by every amount from none to all but a pixel.
        for (int height = 1; height <= 16; ++height) {
            RECT box{30, 20, 90, 20 + height};
            canvas.Clear(Canvas::kWhite);
            DrawTextW(canvas.Dc(), text, -1, &box, DT_SINGLELINE | DT_BOTTOM | DT_NOPREFIX);
            const RECT ink = canvas.Ink();
            if (ink.right == 0) continue;
            EXPECT_TRUE(Inside(ink, box)) << "height " << height;
        }
    }
}
