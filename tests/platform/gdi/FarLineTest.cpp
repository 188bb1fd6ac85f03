// Our own GDI takes coordinates up to the full int range (Windows refuses
// those beyond 2^27): a one-pixel line is rasterised exactly while its ends
// are within 2^28 pixels, and cut along its own slope beyond.
#include "HugeDrawing.h"

namespace {

using namespace hugedrawing;

constexpr int kReach = 1 << 28;

const Case kCases[] = {
    {"EndingAtTheReach", [](HDC dc) { Line(dc, 1, {0, 0}, {kReach, kReach / 2}); }, {{20, 10}, {98, 49}}, {{20, 20}}},
    {"EndingJustBeyondIt", [](HDC dc) { Line(dc, 1, {0, 0}, {kReach + 2, kReach / 2 + 1}); },
     {{20, 10}, {98, 49}}, {{20, 20}}},
    {"EndingFarBeyondIt", [](HDC dc) { Line(dc, 1, {0, 0}, {2000000000, 1000000000}); },
     {{0, 0}, {20, 10}, {98, 49}}, {{20, 20}, {98, 98}}},
    {"BothEndsFarBeyondIt", [](HDC dc) { Line(dc, 1, {-2000000000, -1000000000}, {2000000000, 1000000000}); },
     {{0, 0}, {20, 10}, {98, 49}}, {{20, 20}, {98, 98}}},
    {"WideFromTheFarCorner", [](HDC dc) { Line(dc, 5, {-2000000000, -1000000000}, {50, 25}); },
     {{20, 10}, {50, 25}}, {{20, 20}, {60, 30}}},
    {"AllOverTheIntRange",
     [](HDC dc) {
         Line(dc, 1, {INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX});
         Rectangle(dc, INT32_MIN, 0, INT32_MAX, 5);
         BitBlt(dc, INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX, dc, INT32_MIN, 0, SRCCOPY);
         Fill(dc, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX});
     },
     {{0, 0}, {99, 99}}, {}},
};

class FarLine : public ::testing::TestWithParam<Case> {};

TEST_P(FarLine, KeepsItsSlope) { Check(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Lines, FarLine, ::testing::ValuesIn(kCases), NameOf);

}  // namespace
