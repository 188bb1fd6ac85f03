#include "images/ImageDrawing.h"
#include "tests/support/Canvas.h"
#include "TestPng.h"

#include <gtest/gtest.h>

namespace {

using testpng::GradientColour;

class Drawing : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::vector<uint8_t> png = testpng::Make(64, 22, testpng::Gradient);
        ASSERT_TRUE(picture_.LoadFromMemory(png.data(), UINT(png.size()), true));
    }

    KyJigsawImage picture_;
};

}  // namespace

TEST_F(Drawing, EmptyPicturesDrawNothing)
{
    Canvas canvas(40, 40);
    KyJigsawImage empty;
    EXPECT_FALSE(HasPicture(empty));
    EXPECT_FALSE(DrawImage(canvas.Dc(), empty, 0, 0, 40, 40, 0, 10, 10));
    EXPECT_FALSE(DrawJigsaw(canvas.Dc(), empty, RECT{0, 0, 40, 40}));
    EXPECT_FALSE(DrawJigsawSized(canvas.Dc(), empty, 40, 40));
    EXPECT_TRUE(canvas.Untouched());
    EXPECT_TRUE(HasPicture(picture_));
}

TEST_F(Drawing, CopiesLandPixelForPixel)
{
    constexpr COLORREF kWhite = RGB(255, 255, 255);
    const struct {
        const char* name;
        int x, y, w, h, sx, sw, sh;
        struct { int x, y; COLORREF colour; } probes[5];
    } cases[] = {
        {"unscaled", 5, 7, 64, 22, 0, 64, 22,
         {{5, 7, GradientColour(0, 0)}, {68, 28, GradientColour(63, 21)}, {4, 7, kWhite},
          {69, 7, kWhite}, {5, 29, kWhite}}},
        // As the skinned buttons pick one face of four from their strip.
        {"a column of the strip", 0, 0, 16, 22, 48, 16, 22,
         {{0, 0, GradientColour(48, 0)}, {15, 21, GradientColour(63, 21)}, {16, 0, kWhite}}},
        {"a source past the bitmap is cut to it", 0, 0, 32, 22, 48, 32, 22,
         {{0, 5, GradientColour(48, 5)}, {15, 5, GradientColour(63, 5)}, {16, 5, kWhite},
          {31, 5, kWhite}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Canvas canvas(80, 40);
        ASSERT_TRUE(DrawImage(canvas.Dc(), picture_, c.x, c.y, c.w, c.h, c.sx, c.sw, c.sh));
        for (const auto& p : c.probes) {
            if (p.colour != 0) {
                EXPECT_EQ(canvas.Pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
            }
        }
    }
}

TEST_F(Drawing, ScalingFillsTheDestinationRectangle)
{
    Canvas canvas(140, 60);
    ASSERT_TRUE(DrawImage(canvas.Dc(), picture_, 2, 3, 128, 44, 0, 64, 22));
    // Geometry only: inside is picture, outside untouched; filters differ.
    EXPECT_TRUE(NearColour(canvas.Pixel(2 + 64, 3 + 22), GradientColour(32, 11), 12));
    EXPECT_NE(canvas.Pixel(129, 46), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(130, 46), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(129, 47), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(1, 3), RGB(255, 255, 255));
}

TEST_F(Drawing, AlphaIsBlendedOverWhatIsThere)
{
    const std::vector<uint8_t> png = testpng::Make(8, 8, [](int x, int) {
        return x < 4 ? testpng::Rgba{0, 0, 255, 128} : testpng::Rgba{0, 255, 0, 0};
    });
    KyImage glass;
    ASSERT_TRUE(glass.LoadFromMemory(png.data(), UINT(png.size()), false));
    Canvas canvas(8, 8, RGB(255, 0, 0));
    ASSERT_TRUE(DrawImage(canvas.Dc(), glass, 0, 0, 8, 8, 0, 8, 8));
    EXPECT_TRUE(NearColour(canvas.Pixel(1, 1), RGB(127, 0, 128), 3)) << std::hex << canvas.Pixel(1, 1);
    EXPECT_EQ(canvas.Pixel(6, 6), RGB(255, 0, 0));  // fully transparent
}

TEST_F(Drawing, PieceSizesOfZeroFailAndNegativeOnesDrawNothing)
{
    Canvas canvas(40, 40);
    DrawingSurface surface(canvas.Dc());
    EXPECT_FALSE(DrawPiece(picture_, surface, 0, 0, 0, 10, 0, 0, 10, 10));
    EXPECT_FALSE(DrawPiece(picture_, surface, 0, 0, 10, 10, 0, 0, 10, 0));
    EXPECT_TRUE(DrawPiece(picture_, surface, 20, 20, -10, 10, 0, 0, 10, 10));
    EXPECT_TRUE(DrawPiece(picture_, surface, 20, 20, 10, -10, 0, 0, 10, 10));
    EXPECT_TRUE(canvas.Untouched());
}

TEST_F(Drawing, JigsawWithoutMarginsTilesUnscaled)
{
    Canvas canvas(160, 40);
    ASSERT_TRUE(DrawJigsawSized(canvas.Dc(), picture_, 150, 30));
    EXPECT_EQ(canvas.Pixel(0, 0), GradientColour(0, 0));
    EXPECT_EQ(canvas.Pixel(63, 21), GradientColour(63, 21));
    EXPECT_EQ(canvas.Pixel(64, 0), GradientColour(0, 0));
    EXPECT_EQ(canvas.Pixel(128, 22), GradientColour(0, 0));
    EXPECT_EQ(canvas.Pixel(149, 29), GradientColour(21, 7));
    EXPECT_EQ(canvas.Pixel(150, 29), RGB(255, 255, 255));
    EXPECT_EQ(canvas.Pixel(149, 30), RGB(255, 255, 255));
}

TEST_F(Drawing, JigsawAtTheSourceSizeReproducesThePicture)
{
    ASSERT_TRUE(picture_.SetMargins(RECT{4, 4, 4, 4}));
    Canvas canvas(80, 40);
    ASSERT_TRUE(DrawJigsaw(canvas.Dc(), picture_, RECT{3, 5, 67, 27}));
    for (int y : {0, 3, 4, 11, 17, 18, 21}) {
        for (int x : {0, 3, 4, 30, 59, 60, 63})
            EXPECT_EQ(canvas.Pixel(3 + x, 5 + y), GradientColour(x, y)) << x << "," << y;
    }
}

TEST_F(Drawing, EveryLoadClearsTheMargins)
{
    ASSERT_TRUE(picture_.SetMargins(RECT{1, 2, 3, 4}));
    EXPECT_FALSE(picture_.SetMargins(RECT{-1, 0, 0, 0}));
    EXPECT_EQ(picture_.Margins().bottom, 4);
    KyJigsawImage other;
    ASSERT_TRUE(other.LoadFromImage(picture_, true));
    ASSERT_TRUE(picture_.LoadFromImage(other, true));
    EXPECT_EQ(picture_.Margins().left | picture_.Margins().top | picture_.Margins().right
                  | picture_.Margins().bottom,
              0);
}
