// The view under abuse: squeezed until the candle cannot stand left of the
// lens, wheels that turn by fractions of a notch, and a held button whose
// capture is taken away before it is released.
#include "ViewProbe.h"

#include "platform/testing/TestPlatform.h"
#include "views/ViewCommands.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

LPARAM Point(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

class ViewAbuse : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenView(view, 1000, 600));
        kytest::PumpUntilIdle();
        hwnd = view.GetHwnd();
    }
    void TearDown() override { DestroyWindow(hwnd); }

    void Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { SendMessageW(hwnd, message, wParam, lParam); }
    void Resize(int width) { Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, 600)); }
    void Wheel(int delta) { Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(delta))), Point(5, 5)); }

    ConvexView view;
    HWND hwnd = nullptr;
};

// At scale 8 the candle is 23.53 px wide: in a view 31.53 px wide its left
// limit falls exactly on -0.5 cm.
struct NarrowCase {
    int width;
    int zoomIns;
    float expected;
};

const NarrowCase kNarrowCases[] = {
    {32, 0, (50.0f * 10.0f * 8.0f / 170.0f / 2.0f - 16.0f) / 8.0f},  // limit just left of -0.5
    {31, 0, -0.5f},                                                  // limit just right of it
    {50, 9, -0.5f},                                                  // limit on the lens itself
    {2, 12, -0.5f},                                                  // limit far past the lens
};

class NarrowView : public ViewAbuse, public ::testing::WithParamInterface<NarrowCase> {};

TEST_P(NarrowView, MovingLeftNeverBringsTheCandlePastHalfACentimetre)
{
    Resize(GetParam().width);
    for (int i = 0; i < GetParam().zoomIns; ++i)
        Send(WM_KEYDOWN, VK_UP);
    Send(WM_KEYDOWN, VK_LEFT);
    EXPECT_NEAR(view.objectX, GetParam().expected, 1e-5);
    EXPECT_LE(view.objectX, -0.5f);

    Resize(1000);
    EXPECT_TRUE(std::isfinite(view.imageX));
    EXPECT_TRUE(std::isfinite(view.imageHeight));
    for (const std::wstring& line : view.statusLines)
        EXPECT_EQ(line.find(L"nan"), std::wstring::npos) << "status line: " << line.c_str();
}

INSTANTIATE_TEST_SUITE_P(Widths, NarrowView, ::testing::ValuesIn(kNarrowCases));

// Deltas in one message, and the zoom after each (wheel away zooms out).
struct WheelCase {
    const char* name;
    int deltas[4];
    float scales[4];
};

const WheelCase kWheelCases[] = {
    {"HalfANotchDoesNothing", {60, 0, 0, 0}, {8, 8, 8, 8}},
    {"TwoHalvesMakeOneNotch", {60, 60, 0, 0}, {8, 7, 7, 7}},
    {"JustShortOfANotchWaits", {119, 0, 0, 0}, {8, 8, 8, 8}},
    {"TheRemainderCarriesOver", {119, 1, 119, 1}, {8, 7, 7, 6}},
    {"ANotchedMouseStepsOncePerMessage", {-120, -240, 120, 0}, {9, 10, 9, 9}},
    {"TurningBackDropsTheOtherWay", {-60, 60, 60, 0}, {8, 8, 7, 7}},
};

class ViewWheel : public ViewAbuse, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(ViewWheel, FractionsOfANotchAddUp)
{
    for (int i = 0; i < 4; ++i) {
        if (GetParam().deltas[i] != 0)
            Wheel(GetParam().deltas[i]);
        EXPECT_EQ(view.scale, GetParam().scales[i]) << "after message " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Deltas, ViewWheel, ::testing::ValuesIn(kWheelCases),
                         [](const ::testing::TestParamInfo<WheelCase>& info) { return std::string(info.param.name); });

// Who takes the capture from a held "左移".
struct CaptureCase {
    const char* name;
    void (*takeAway)(HWND thief);
};

const CaptureCase kCaptureCases[] = {
    {"AnotherWindowCaptures", [](HWND thief) { SetCapture(thief); }},
    {"TheCaptureIsReleased", [](HWND) { ReleaseCapture(); }},
};

class LostCapture : public ViewAbuse, public ::testing::WithParamInterface<CaptureCase> {};

TEST_P(LostCapture, StopsTheRepeat)
{
    if (!kytest::HasManualClock())
        GTEST_SKIP() << "counts repeat ticks, which needs the manual clock";
    HWND thief = CreateWindowExW(0, L"edit", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    const RECT& left = view.buttons[0].rect;
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(left.left + 5, left.top + 5));
    ASSERT_EQ(GetCapture(), hwnd);
    kytest::AdvanceClock(150);
    const float held = view.objectX;
    EXPECT_EQ(held, -15.5f) << "one tick while held";

    GetParam().takeAway(thief);
    kytest::AdvanceClock(1000);
    EXPECT_EQ(view.objectX, held) << "no release came, and no repeat either";
    EXPECT_FALSE(view.buttons[0].pressed);
    DestroyWindow(thief);
}

INSTANTIATE_TEST_SUITE_P(Thieves, LostCapture, ::testing::ValuesIn(kCaptureCases),
                         [](const ::testing::TestParamInfo<CaptureCase>& info) { return std::string(info.param.name); });

}  // namespace
