// The view under abuse: squeezed until the candle cannot stand left of the
// lens, wheels that turn by fractions of a notch, and a held button whose
// capture is taken away before it is released.
#include "ViewProbe.h"

#include <cmath>
#include <string>

namespace {

// At scale 8 the candle is 23.53 px wide: in a view 31.53 px wide its left
// limit falls exactly on -0.5 cm.
struct NarrowCase { int width; int zoomIns; float expected; };

const NarrowCase kNarrowCases[] = {
    {32, 0, (50.0f * 10.0f * 8.0f / 170.0f / 2.0f - 16.0f) / 8.0f},  // limit just left of -0.5
    {31, 0, -0.5f},                                                  // limit just right of it
    {50, 9, -0.5f},                                                  // limit on the lens itself
    {2, 12, -0.5f},                                                  // limit far past the lens
};

class NarrowView : public ViewTest<ConvexView>, public ::testing::WithParamInterface<NarrowCase> {};

TEST_P(NarrowView, MovingLeftNeverBringsTheCandlePastHalfACentimetre)
{
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(GetParam().width, 600));
    for (int i = 0; i < GetParam().zoomIns; ++i)
        Send(WM_KEYDOWN, VK_UP);
    Send(WM_KEYDOWN, VK_LEFT);
    EXPECT_NEAR(view.objectX, GetParam().expected, 1e-5);
    EXPECT_LE(view.objectX, -0.5f);

    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(1000, 600));
    EXPECT_TRUE(std::isfinite(view.imageX) && std::isfinite(view.imageHeight));
    for (const std::wstring& line : view.statusLines)
        EXPECT_EQ(line.find(L"nan"), std::wstring::npos) << "status line: " << line.c_str();
}

INSTANTIATE_TEST_SUITE_P(Widths, NarrowView, ::testing::ValuesIn(kNarrowCases));

// Deltas in one message each, and the zoom after each (wheel away zooms out).
struct WheelCase { int deltas[4]; float scales[4]; };

const WheelCase kWheelCases[] = {
    {{60, 0, 0, 0}, {8, 8, 8, 8}},         // half a notch does nothing
    {{60, 60, 0, 0}, {8, 7, 7, 7}},        // two halves make one notch
    {{119, 0, 0, 0}, {8, 8, 8, 8}},        // just short of a notch waits
    {{119, 1, 119, 1}, {8, 7, 7, 6}},      // the remainder carries over
    {{-120, -240, 120, 0}, {9, 10, 9, 9}},  // a notched mouse steps once per message
    {{-60, 60, 60, 0}, {8, 8, 7, 7}},      // turning back drops the other way
};

class ViewWheel : public ViewTest<ConvexView>, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(ViewWheel, FractionsOfANotchAddUp)
{
    for (int i = 0; i < 4; ++i) {
        if (GetParam().deltas[i] != 0)
            Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(GetParam().deltas[i]))), Point(5, 5));
        EXPECT_EQ(view.scale, GetParam().scales[i]) << "after message " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Deltas, ViewWheel, ::testing::ValuesIn(kWheelCases));

// Who takes the capture from a held "左移": another window, or nobody.
class LostCapture : public ViewTest<ConvexView>, public ::testing::WithParamInterface<bool> {};

TEST_P(LostCapture, StopsTheRepeat)
{
    if (!kytest::HasManualClock())
        GTEST_SKIP() << "counts repeat ticks, which needs the manual clock";
    HWND thief = CreateWindowExW(0, L"edit", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(view.buttons[0].rect.left + 5, view.buttons[0].rect.top + 5));
    ASSERT_EQ(GetCapture(), hwnd);
    kytest::AdvanceClock(150);
    EXPECT_EQ(view.objectX, -15.5f) << "one tick while held";

    if (GetParam())
        SetCapture(thief);
    else
        ReleaseCapture();
    kytest::AdvanceClock(1000);
    EXPECT_EQ(view.objectX, -15.5f) << "no release came, and no repeat either";
    EXPECT_FALSE(view.buttons[0].pressed);
    DestroyWindow(thief);
}

INSTANTIATE_TEST_SUITE_P(Thieves, LostCapture, ::testing::Bool());

}  // namespace
