// Drawing pictures and framed pictures, compared pixel by pixel with the
// program's button strip (256 x 22, four faces) drawn once at its own size.
#include "images/ImageDrawing.h"
#include "tests/support/Canvas.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

class Drawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(strip.LoadFromResource(GetModuleHandleW(nullptr), L"BIN", MAKEINTRESOURCEW(185), true));
        ASSERT_TRUE(DrawImage(reference.Dc(), strip, 0, 0, 256, 22, 0, 256, 22));
    }

    // Pixels of the w x h block of `canvas` at (x, y) that differ from the
    // reference's block at (sx, sy).
    int Mismatches(const Canvas& canvas, int x, int y, int w, int h, int sx = 0, int sy = 0)
    {
        int wrong = 0;
        for (int row = 0; row < h; ++row) {
            for (int column = 0; column < w; ++column)
                wrong += canvas.Pixel(x + column, y + row) != reference.Pixel(sx + column, sy + row);
        }
        return wrong;
    }

    KyJigsawImage strip;
    Canvas reference{256, 22};
};

}  // namespace

TEST_F(Drawing, EmptyPicturesAndPiecesDrawNothing)
{
    Canvas canvas(40, 40);
    KyJigsawImage empty;
    EXPECT_FALSE(HasPicture(empty));
    EXPECT_FALSE(DrawImage(canvas.Dc(), empty, 0, 0, 40, 40, 0, 10, 10));
    EXPECT_FALSE(DrawJigsaw(canvas.Dc(), empty, RECT{0, 0, 40, 40}));
    EXPECT_FALSE(DrawJigsawSized(canvas.Dc(), empty, 40, 40));
    EXPECT_TRUE(canvas.Untouched());
    EXPECT_TRUE(HasPicture(strip));
}

TEST_F(Drawing, CopiesLandPixelForPixel)
{
    // {x, y, width, source x, columns that have a source}: the faces are
    // picked from the strip as the skinned buttons pick them.
    const struct { const char* name; int x, y, w, sx, drawn; } cases[] = {
        {"the whole strip", 5, 7, 256, 0, 256},
        {"the last face", 3, 1, 64, 192, 64},
        {"a source past the bitmap is cut to it", 0, 0, 64, 224, 32},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(270, 40);
        ASSERT_TRUE(DrawImage(canvas.Dc(), strip, c.x, c.y, c.w, 22, c.sx, c.w, 22));
        EXPECT_EQ(Mismatches(canvas, c.x, c.y, c.drawn, 22, c.sx), 0);
        const RECT ink = canvas.Ink();
        EXPECT_GE(ink.left, c.x);
        EXPECT_EQ(ink.right, c.x + c.drawn);
        EXPECT_EQ(ink.bottom, c.y + 22);
    }
}

TEST_F(Drawing, ScalingFillsTheDestinationAndAlphaKeepsWhatIsThere)
{
    Canvas canvas(530, 60, RGB(255, 0, 0));
    ASSERT_TRUE(DrawImage(canvas.Dc(), strip, 2, 3, 512, 44, 0, 256, 22));
    // Geometry only: inside is picture, outside untouched; filters differ.
    EXPECT_TRUE(NearColour(canvas.Pixel(2 + 64, 3 + 22), reference.Pixel(32, 11), 12));
    const struct { int x, y; bool red; } probes[] = {
        {2, 3, true}, {513, 25, false}, {514, 25, true}, {66, 46, false}, {66, 47, true}, {1, 25, true}};
    for (const auto& p : probes)
        EXPECT_EQ(canvas.Pixel(p.x, p.y) == RGB(255, 0, 0), p.red) << p.x << "," << p.y;
}

TEST_F(Drawing, PieceSizesOfZeroFailAndNegativeOnesDrawNothing)
{
    Canvas canvas(40, 40);
    DrawingSurface surface(canvas.Dc());
    EXPECT_FALSE(DrawPiece(strip, surface, 0, 0, 0, 10, 0, 0, 10, 10));
    EXPECT_FALSE(DrawPiece(strip, surface, 0, 0, 10, 10, 0, 0, 10, 0));
    EXPECT_TRUE(DrawPiece(strip, surface, 20, 20, -10, 10, 0, 0, 10, 10));
    EXPECT_TRUE(DrawPiece(strip, surface, 20, 20, 10, -10, 0, 0, 10, 10));
    EXPECT_TRUE(canvas.Untouched());
}

// The program draws only empty framed pictures; this one shows that the nine
// pieces reach the surface where the layout puts them.
TEST_F(Drawing, AFramedPictureAtItsOwnSizeIsReproduced)
{
    ASSERT_TRUE(strip.SetMargins(RECT{4, 4, 4, 4}));
    Canvas framed(270, 40);
    ASSERT_TRUE(DrawJigsaw(framed.Dc(), strip, RECT{3, 5, 259, 27}));
    EXPECT_EQ(Mismatches(framed, 3, 5, 256, 22), 0);
}
