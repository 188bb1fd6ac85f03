// Mouse and keyboard input: targets, capture, leave tracking, double
// clicks, the wheel, keys and characters.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

using testwin::CountOf;
using testwin::EntriesOf;

namespace {

class Input : public ::testing::Test {
protected:
    void SetUp() override
    {
        top = testwin::CreateTopLevel(100, 100, 200, 150, CS_DBLCLKS);
        left = testwin::CreateChild(top, 10, 10, 50, 50, CS_DBLCLKS);
        right = testwin::CreateChild(top, 100, 10, 50, 50, 0);
        SetForegroundWindow(top);
        kytest::PumpUntilIdle();
        testwin::ClearLog();
    }
    void TearDown() override
    {
        kytest::KeyUp(top, VK_SHIFT);
        kytest::PumpUntilIdle();
        testwin::Reset();
    }

    HWND top = nullptr, left = nullptr, right = nullptr;
};

std::vector<UINT> Buttons(HWND hwnd)
{
    return testwin::Messages({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}, hwnd);
}

TEST_F(Input, PressGoesToTheChildUnderThePointInItsCoordinates)
{
    kytest::PressLeft(left, 5, 6);
    kytest::ReleaseLeft(left, 5, 6);
    kytest::PressLeft(top, 80, 100);
    kytest::PumpUntilIdle();
    auto downs = EntriesOf(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].hwnd, left);
    EXPECT_EQ(downs[0].lParam, MAKELPARAM(5, 6));
    EXPECT_TRUE(downs[0].wParam & MK_LBUTTON);
    EXPECT_EQ(downs[1].hwnd, top);
    EXPECT_EQ(downs[1].lParam, MAKELPARAM(80, 100));
    kytest::ReleaseLeft(top, 80, 100);
    kytest::PumpUntilIdle();
}

TEST_F(Input, CapturedReleaseOutsideHasNegativeClientCoordinates)
{
    testwin::SetHook([](HWND hwnd, UINT m, WPARAM, LPARAM, LRESULT*) {
        if (m == WM_LBUTTONDOWN) SetCapture(hwnd);
        if (m == WM_LBUTTONUP) ReleaseCapture();
        return false;
    });
    kytest::PressLeft(right, 10, 10);
    kytest::PumpUntilIdle();
    EXPECT_EQ(GetCapture(), right);
    kytest::MovePointer(right, -95, -8);
    kytest::PumpUntilIdle();
    kytest::ReleaseLeft(right, -95, -8);
    kytest::PumpUntilIdle();
    auto ups = EntriesOf(WM_LBUTTONUP);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_EQ(ups[0].hwnd, right);
    EXPECT_EQ(GET_X_LPARAM(ups[0].lParam), -95);
    EXPECT_EQ(GET_Y_LPARAM(ups[0].lParam), -8);
    // Wine may add moves of its own from where the real X pointer is, so
    // look for the injected move rather than taking the last one.
    auto moves = EntriesOf(WM_MOUSEMOVE, right);
    EXPECT_TRUE(std::any_of(moves.begin(), moves.end(), [](const auto& move) {
        return GET_X_LPARAM(move.lParam) == -95 && GET_Y_LPARAM(move.lParam) == -8;
    }));
    EXPECT_EQ(CountOf(WM_CAPTURECHANGED, right), 1);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Input, MouseLeaveArrivesOncePerRequest)
{
    if (!kytest::HasManualClock())
        GTEST_SKIP() << "Windows detects leaving from the real pointer, which posted test input does not move reliably";
    kytest::MovePointer(left, 10, 10);
    kytest::PumpUntilIdle();
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, left, 0};
    ASSERT_TRUE(TrackMouseEvent(&tme));
    kytest::MovePointer(left, 20, 20);
    kytest::AdvanceClock(500);
    EXPECT_EQ(CountOf(WM_MOUSELEAVE, left), 0);
    kytest::MovePointer(top, 5, 5);
    kytest::AdvanceClock(500);
    EXPECT_EQ(CountOf(WM_MOUSELEAVE, left), 1);
    kytest::MovePointer(left, 10, 10);
    kytest::AdvanceClock(500);
    kytest::MovePointer(top, 5, 5);
    kytest::AdvanceClock(500);
    EXPECT_EQ(CountOf(WM_MOUSELEAVE, left), 1);

    // Asked for while the pointer is elsewhere, the leave comes at once.
    tme.hwndTrack = right;
    ASSERT_TRUE(TrackMouseEvent(&tme));
    kytest::PumpUntilIdle();
    EXPECT_EQ(CountOf(WM_MOUSELEAVE, right), 1);

    // Entering a child counts as leaving.
    kytest::MovePointer(top, 5, 5);
    kytest::PumpUntilIdle();
    tme.hwndTrack = top;
    ASSERT_TRUE(TrackMouseEvent(&tme));
    kytest::MovePointer(left, 10, 10);
    kytest::AdvanceClock(500);
    EXPECT_EQ(CountOf(WM_MOUSELEAVE, top), 1);
}

TEST_F(Input, SecondQuickPressOnADoubleClickClassIsADoubleClick)
{
    if (!kytest::HasManualClock())
        GTEST_SKIP() << "Windows makes double clicks from real input; posted test input bypasses that";
    kytest::PressLeft(left, 5, 5);
    kytest::ReleaseLeft(left, 5, 5);
    kytest::PressLeft(left, 6, 7);
    kytest::ReleaseLeft(left, 6, 7);
    kytest::PumpUntilIdle();
    EXPECT_EQ(Buttons(left), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));

    testwin::ClearLog();
    kytest::PressLeft(left, 5, 5);
    kytest::ReleaseLeft(left, 5, 5);
    kytest::LetTimePass(600);
    kytest::PressLeft(left, 5, 5);
    kytest::ReleaseLeft(left, 5, 5);
    kytest::PressLeft(left, 15, 5);  // outside the double-click rectangle
    kytest::ReleaseLeft(left, 15, 5);
    kytest::PumpUntilIdle();
    EXPECT_EQ(CountOf(WM_LBUTTONDBLCLK, left), 0);
    EXPECT_EQ(CountOf(WM_LBUTTONDOWN, left), 3);

    kytest::PressLeft(right, 5, 5);
    kytest::ReleaseLeft(right, 5, 5);
    kytest::PressLeft(right, 5, 5);
    kytest::ReleaseLeft(right, 5, 5);
    kytest::PumpUntilIdle();
    EXPECT_EQ(CountOf(WM_LBUTTONDBLCLK, right), 0);
    EXPECT_EQ(CountOf(WM_LBUTTONDOWN, right), 2);
}

TEST_F(Input, WheelGoesToTheFocusWindowWithScreenCoordinates)
{
    SetFocus(left);
    kytest::Wheel(right, 5, 6, -240);
    kytest::PumpUntilIdle();
    auto wheels = EntriesOf(WM_MOUSEWHEEL);
    ASSERT_GE(wheels.size(), 1u);
    EXPECT_EQ(wheels[0].hwnd, left);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheels[0].wParam), -240);
    POINT screen{5, 6};
    ClientToScreen(right, &screen);
    EXPECT_EQ(GET_X_LPARAM(wheels[0].lParam), screen.x);
    EXPECT_EQ(GET_Y_LPARAM(wheels[0].lParam), screen.y);
    // Unhandled, it bubbles up to the parent.
    EXPECT_EQ(CountOf(WM_MOUSEWHEEL, top), 1);
}

TEST_F(Input, KeysGoToTheFocusWindowWithShiftState)
{
    SetFocus(right);
    SHORT shiftDuringPress = 0;
    WPARAM pressFlags = 0;
    testwin::SetHook([&](HWND, UINT m, WPARAM w, LPARAM, LRESULT*) {
        if (m == WM_LBUTTONDOWN) {
            shiftDuringPress = GetKeyState(VK_SHIFT);
            pressFlags = w;
        }
        return false;
    });
    kytest::KeyDown(top, VK_RIGHT);
    kytest::KeyUp(top, VK_RIGHT);
    kytest::KeyDown(top, VK_SHIFT);
    kytest::PressLeft(right, 5, 5);
    kytest::ReleaseLeft(right, 5, 5);
    kytest::PumpUntilIdle();
    auto downs = EntriesOf(WM_KEYDOWN, right);
    ASSERT_GE(downs.size(), 2u);
    EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>(VK_RIGHT));
    EXPECT_EQ(CountOf(WM_KEYUP, right), 1);
    EXPECT_TRUE(shiftDuringPress & 0x8000);
    EXPECT_TRUE(pressFlags & MK_SHIFT);
    kytest::KeyUp(top, VK_SHIFT);
    kytest::PumpUntilIdle();
    EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000);
}

TEST_F(Input, TypedTextAndEditingKeysBecomeCharacters)
{
    SetFocus(left);
    kytest::TypeText(top, L"1.5");
    kytest::KeyDown(top, VK_BACK);
    kytest::KeyUp(top, VK_BACK);
    kytest::PumpUntilIdle();
    std::wstring typed;
    for (auto& e : EntriesOf(WM_CHAR, left)) typed += static_cast<wchar_t>(e.wParam);
    EXPECT_EQ(typed, L"1.5\b");
}

}  // namespace
