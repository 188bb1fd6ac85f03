// Drawing with coordinates far beyond any surface, as the scene produces when
// the candle stands just off the focal point: lines keep their slope where
// they are visible, and nothing far away wraps round onto the canvas.
// Coordinates stay within the 2^27 that Windows' own GDI accepts.
#include "HugeDrawing.h"
#include "tests/platform/gdiplus/TestPictures.h"

namespace {

using namespace hugedrawing;

constexpr int kWindowsReach = (1 << 27) - 1;

const Case kCases[] = {
    {"WideLineWithAFarEndKeepsItsSlope", [](HDC dc) { Line(dc, 3, {0, 0}, {1 << 26, 1 << 25}); },
     {{20, 10}, {60, 30}, {90, 45}}, {{40, 40}, {20, 40}}},
    {"WideLineFarAwayStaysAway", [](HDC dc) { Line(dc, 3, {kBeyondCairo, 10}, {kBeyondCairo + 60, 70}); },
     {}, {{10, 10}, {30, 30}, {60, 60}}},
    {"ThinLineWithAFarEndIsExact", [](HDC dc) { Line(dc, 1, {0, 0}, {kWindowsReach - 1, kWindowsReach / 2}); },
     {{0, 0}, {20, 10}, {98, 49}}, {{20, 20}, {98, 98}}},
    {"HugeFillCoversTheCanvas", [](HDC dc) { Fill(dc, {-kWindowsReach, -kWindowsReach, kWindowsReach, kWindowsReach}); },
     {{0, 0}, {99, 99}}, {}},
    {"FillFarAwayStaysAway", [](HDC dc) { Fill(dc, {kBeyondCairo, 10, kBeyondCairo + 40, 50}); },
     {}, {{10, 10}, {30, 30}}},
    {"CopyFarAwayStaysAway", [](HDC dc) { Copy(dc, kBeyondCairo, 10, 20); }, {}, {{10, 10}, {15, 15}, {29, 29}}},
    {"HugeCopyTakesOnlyTheSource", [](HDC dc) { Copy(dc, 10, 10, kWindowsReach); },
     {{10, 10}, {29, 29}}, {{30, 30}, {9, 9}}},
};

class HugeCoordinates : public ::testing::TestWithParam<Case> {};

TEST_P(HugeCoordinates, DrawOnlyWhereTheGeometrySays) { Check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Drawing, HugeCoordinates, ::testing::ValuesIn(kCases), NameOf);

TEST(HugePictureDestination, FarAwayStaysAway)
{
    using namespace Gdiplus;
    ULONG_PTR token = 0;
    GdiplusStartupInput input;
    ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    GpBitmap* bitmap = testpictures::Decode(testpictures::kOpaqueGreen, sizeof testpictures::kOpaqueGreen);
    ASSERT_NE(bitmap, nullptr);

    Canvas canvas(kSize, kSize);
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(DllExports::GdipCreateFromHDC(canvas.Dc(), &graphics), Ok);
    EXPECT_EQ(DllExports::GdipDrawImageRectRectI(graphics, bitmap, kBeyondCairo, 10, 40, 40, 0, 0, 3, 2, UnitPixel,
                                                 nullptr, nullptr, nullptr),
              Ok);
    EXPECT_EQ(DllExports::GdipDrawImageRectRectI(graphics, bitmap, 60, 60, 30, 20, 0, 0, 3, 2, UnitPixel, nullptr,
                                                 nullptr, nullptr),
              Ok);
    DllExports::GdipDeleteGraphics(graphics);
    DllExports::GdipDisposeImage(bitmap);
    GdiplusShutdown(token);

    EXPECT_EQ(GetPixel(canvas.Dc(), 30, 30), kWhite) << "nothing wrapped round";
    EXPECT_NE(GetPixel(canvas.Dc(), 75, 70), kWhite) << "the near copy is drawn";
}

}  // namespace
