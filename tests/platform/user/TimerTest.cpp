// Timers: replacement, minimum period, one pending message per timer.
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

namespace {

class Timers : public ::testing::Test {
protected:
    void TearDown() override { testwin::Reset(); }
};

int TimerCount(HWND hwnd, WPARAM id)
{
    int n = 0;
    for (auto& e : testwin::EntriesOf(WM_TIMER, hwnd))
        if (e.wParam == id) ++n;
    return n;
}

TEST_F(Timers, SameIdReplacesThePeriod)
{
    HWND hwnd = testwin::CreateTopLevel();
    kytest::PumpUntilIdle();
    testwin::ClearLog();
    EXPECT_EQ(SetTimer(hwnd, 2, 100, nullptr), 2u);
    EXPECT_EQ(SetTimer(hwnd, 2, 200, nullptr), 2u);
    kytest::AdvanceClock(150);
    EXPECT_EQ(TimerCount(hwnd, 2), 0);
    kytest::AdvanceClock(150);
    EXPECT_EQ(TimerCount(hwnd, 2), 1);
    EXPECT_TRUE(KillTimer(hwnd, 2));
    EXPECT_FALSE(KillTimer(hwnd, 2));
}

TEST_F(Timers, AtMostOneMessageIsPendingPerTimer)
{
    HWND hwnd = testwin::CreateTopLevel();
    kytest::PumpUntilIdle();
    testwin::ClearLog();
    SetTimer(hwnd, 3, 20, nullptr);
    kytest::LetTimePass(200);
    kytest::PumpUntilIdle();
    EXPECT_EQ(TimerCount(hwnd, 3), 1);
    KillTimer(hwnd, 3);
}

TEST_F(Timers, KilledTimerStopsAndDestroyedWindowTakesItsTimers)
{
    HWND hwnd = testwin::CreateTopLevel();
    kytest::PumpUntilIdle();
    testwin::ClearLog();
    SetTimer(hwnd, 4, 50, nullptr);
    kytest::AdvanceClock(120);
    int fired = TimerCount(hwnd, 4);
    EXPECT_GE(fired, 1);
    KillTimer(hwnd, 4);
    kytest::AdvanceClock(120);
    EXPECT_EQ(TimerCount(hwnd, 4), fired);

    SetTimer(hwnd, 5, 50, nullptr);
    DestroyWindow(hwnd);
    kytest::AdvanceClock(120);
    EXPECT_EQ(TimerCount(hwnd, 5), 0);
}

TEST_F(Timers, ManualClockRunsAnExactSchedule)
{
    if (!kytest::HasManualClock()) GTEST_SKIP() << "real time: the number of periods in a span is not exact";
    HWND hwnd = testwin::CreateTopLevel();
    kytest::PumpUntilIdle();
    testwin::ClearLog();
    SetTimer(hwnd, 6, 100, nullptr);
    kytest::AdvanceClock(1000);
    EXPECT_EQ(TimerCount(hwnd, 6), 10);
    SetTimer(hwnd, 7, 1, nullptr);  // raised to the 10 ms minimum
    kytest::AdvanceClock(9);
    EXPECT_EQ(TimerCount(hwnd, 7), 0);
    kytest::AdvanceClock(1);
    EXPECT_EQ(TimerCount(hwnd, 7), 1);
}

}  // namespace
