// Drawing with coordinates far beyond any surface, as the scene produces when
// the candle stands just off the focal point: lines keep their slope where
// they are visible, and nothing far away wraps round onto the canvas.
// Windows' own GDI accepts coordinates within 2^27; ours takes the whole int
// range, exact while a line's ends are within 2^28 and cut along its own
// slope beyond.
#include "platform/testing/TestPlatform.h"
#include "tests/platform/gdiplus/TestPictures.h"
#include "tests/support/Canvas.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kWindowsReach = (1 << 27) - 1, kOurReach = 1 << 28;
constexpr int kBeyondCairo = (1 << 24) + 10;  // wraps to 10 in 24.8 fixed point
constexpr COLORREF kInk = RGB(200, 0, 0), kWhite = RGB(255, 255, 255);

void Line(HDC dc, int width, POINT from, POINT to)
{
    HPEN pen = CreatePen(PS_SOLID, width, kInk);
    HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    DeleteObject(SelectObject(dc, previous));
}

void Fill(HDC dc, RECT area)
{
    HBRUSH brush = CreateSolidBrush(kInk);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

struct Case {
    const char* name;
    bool beyondWindows;
    void (*draw)(HDC dc);
    std::vector<POINT> inked, blank;
};

const Case kCases[] = {
    {"WideLineWithAFarEndKeepsItsSlope", false, [](HDC dc) { Line(dc, 3, {0, 0}, {1 << 26, 1 << 25}); },
     {{20, 10}, {60, 30}, {90, 45}}, {{40, 40}, {20, 40}}},
    {"WideLineFarAwayStaysAway", false, [](HDC dc) { Line(dc, 3, {kBeyondCairo, 10}, {kBeyondCairo + 60, 70}); },
     {}, {{10, 10}, {30, 30}, {60, 60}}},
    {"ThinLineWithAFarEndIsExact", false, [](HDC dc) { Line(dc, 1, {0, 0}, {kWindowsReach - 1, kWindowsReach / 2}); },
     {{0, 0}, {20, 10}, {98, 49}}, {{20, 20}, {98, 98}}},
    {"HugeFillCoversTheCanvas", false,
     [](HDC dc) { Fill(dc, {-kWindowsReach, -kWindowsReach, kWindowsReach, kWindowsReach}); }, {{0, 0}, {99, 99}}, {}},
    {"FillFarAwayStaysAway", false, [](HDC dc) { Fill(dc, {kBeyondCairo, 10, kBeyondCairo + 40, 50}); },
     {}, {{10, 10}, {30, 30}}},
    {"FarLineEndingAtOurReach", true, [](HDC dc) { Line(dc, 1, {0, 0}, {kOurReach, kOurReach / 2}); },
     {{20, 10}, {98, 49}}, {{20, 20}}},
    {"FarLineEndingJustBeyondIt", true, [](HDC dc) { Line(dc, 1, {0, 0}, {kOurReach + 2, kOurReach / 2 + 1}); },
     {{20, 10}, {98, 49}}, {{20, 20}}},
    {"FarLineEndingFarBeyondIt", true, [](HDC dc) { Line(dc, 1, {0, 0}, {2000000000, 1000000000}); },
     {{0, 0}, {20, 10}, {98, 49}}, {{20, 20}, {98, 98}}},
    {"FarLineBothEndsFarBeyondIt", true,
     [](HDC dc) { Line(dc, 1, {-2000000000, -1000000000}, {2000000000, 1000000000}); },
     {{0, 0}, {20, 10}, {98, 49}}, {{20, 20}, {98, 98}}},
    {"FarLineWideFromTheFarCorner", true, [](HDC dc) { Line(dc, 5, {-2000000000, -1000000000}, {50, 25}); },
     {{20, 10}, {50, 25}}, {{20, 20}, {60, 30}}},
    {"AllOverTheIntRange", true,
     [](HDC dc) {
         Line(dc, 1, {INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX});
         BitBlt(dc, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, dc, INT32_MIN, 0, SRCCOPY);
         Fill(dc, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
     },
     {{0, 0}, {99, 99}}, {}},
};

class HugeCoordinates : public ::testing::TestWithParam<Case> {};

TEST_P(HugeCoordinates, DrawOnlyWhereTheGeometrySays)
{
    const Case& c = GetParam();
    if (c.beyondWindows && !kytest::HasManualClock()) GTEST_SKIP() << "Windows' GDI refuses coordinates beyond 2^27";
    Canvas canvas(100, 100);
    c.draw(canvas.Dc());
    for (const POINT& p : c.inked) EXPECT_EQ(GetPixel(canvas.Dc(), p.x, p.y), kInk) << p.x << "," << p.y;
    for (const POINT& p : c.blank) EXPECT_EQ(GetPixel(canvas.Dc(), p.x, p.y), kWhite) << p.x << "," << p.y;
}

INSTANTIATE_TEST_SUITE_P(Drawing, HugeCoordinates, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(HugePictureDestination, FarAwayStaysAway)
{
    using namespace Gdiplus;
    ULONG_PTR token = 0;
    GdiplusStartupInput input;
    ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    GpBitmap* bitmap = testpictures::Decode(testpictures::kOpaqueGreen, sizeof testpictures::kOpaqueGreen);
    ASSERT_NE(bitmap, nullptr);
    Canvas canvas(100, 100);
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(DllExports::GdipCreateFromHDC(canvas.Dc(), &graphics), Ok);
    for (int x : {kBeyondCairo, 60})
        EXPECT_EQ(DllExports::GdipDrawImageRectRectI(graphics, bitmap, x, 60, 30, 20, 0, 0, 3, 2, UnitPixel, nullptr,
                                                     nullptr, nullptr),
                  Ok);
    DllExports::GdipDeleteGraphics(graphics);
    DllExports::GdipDisposeImage(bitmap);
    GdiplusShutdown(token);
    EXPECT_EQ(GetPixel(canvas.Dc(), 30, 70), kWhite) << "nothing wrapped round";
    EXPECT_NE(GetPixel(canvas.Dc(), 75, 70), kWhite) << "the near copy is drawn";
}

}  // namespace
