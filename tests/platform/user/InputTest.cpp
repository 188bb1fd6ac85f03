// Mouse and keyboard input: targets, capture, leave tracking, double
// clicks, keys and characters.
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
    static void Click(HWND hwnd, int x, int y)
    {
        kytest::PressLeft(hwnd, x, y);
        kytest::ReleaseLeft(hwnd, x, y);
    }
    static bool At(LPARAM l, int x, int y) { return GET_X_LPARAM(l) == x && GET_Y_LPARAM(l) == y; }

    HWND top = nullptr, left = nullptr, right = nullptr;
};

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
    kytest::ReleaseLeft(right, -95, -8);
    kytest::PumpUntilIdle();
    auto ups = EntriesOf(WM_LBUTTONUP);
    ASSERT_EQ(ups.size(), 1u);
    EXPECT_TRUE(ups[0].hwnd == right && At(ups[0].lParam, -95, -8));
    // Wine may add moves of its own from where the real X pointer is.
    auto moves = EntriesOf(WM_MOUSEMOVE, right);
    EXPECT_TRUE(std::any_of(moves.begin(), moves.end(), [](const auto& m) { return At(m.lParam, -95, -8); }));
    EXPECT_EQ(CountOf(WM_CAPTURECHANGED, right), 1);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Input, MouseLeaveArrivesOncePerRequest)
{
    if (!kytest::HasManualClock())
        GTEST_SKIP() << "Windows detects leaving from the real pointer, which posted test input does not move reliably";
    // Each step: where the pointer goes, which window asks for a leave
    // before the move (if any), and the leaves that window has had since.
    const struct { HWND* to; HWND* track; HWND* counted; int leaves; } steps[] = {
        {&left, nullptr, &left, 0}, {&left, &left, &left, 0},  {&top, nullptr, &left, 1},
        {&left, nullptr, &left, 1}, {&top, nullptr, &left, 1},
        {&top, &right, &right, 1},  // asked while the pointer is elsewhere: at once
        {&left, &top, &top, 1},     // entering a child counts as leaving
    };
    for (const auto& s : steps) {
        if (s.track) {
            TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, *s.track, 0};
            ASSERT_TRUE(TrackMouseEvent(&tme));
        }
        kytest::MovePointer(*s.to, *s.to == top ? 5 : 10, *s.to == top ? 5 : 10);
        kytest::AdvanceClock(500);
        EXPECT_EQ(CountOf(WM_MOUSELEAVE, *s.counted), s.leaves) << (&s - steps);
    }
}

TEST_F(Input, SecondQuickPressOnADoubleClickClassIsADoubleClick)
{
    if (!kytest::HasManualClock())
        GTEST_SKIP() << "Windows makes double clicks from real input; posted test input bypasses that";
    Click(left, 5, 5);
    Click(left, 6, 7);
    kytest::PumpUntilIdle();
    EXPECT_EQ(testwin::Messages({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK}, left),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}));

    testwin::ClearLog();
    Click(left, 5, 5);
    kytest::LetTimePass(600);
    Click(left, 5, 5);
    Click(left, 15, 5);  // outside the double-click rectangle
    Click(right, 5, 5);  // a class without double clicks
    Click(right, 5, 5);
    kytest::PumpUntilIdle();
    EXPECT_EQ(CountOf(WM_LBUTTONDBLCLK), 0);
    EXPECT_EQ(CountOf(WM_LBUTTONDOWN), 5);
}

// Typing itself is checked through the edit control.
TEST_F(Input, KeysGoToTheFocusWindowAndShiftMarksAClick)
{
    SetFocus(right);
    kytest::KeyDown(top, VK_SHIFT);
    Click(right, 5, 5);
    kytest::PumpUntilIdle();
    auto keys = EntriesOf(WM_KEYDOWN, right), presses = EntriesOf(WM_LBUTTONDOWN, right);
    ASSERT_FALSE(keys.empty() || presses.empty());
    EXPECT_EQ(keys.back().wParam, static_cast<WPARAM>(VK_SHIFT));
    EXPECT_TRUE(presses[0].wParam & MK_SHIFT);
}

}  // namespace
