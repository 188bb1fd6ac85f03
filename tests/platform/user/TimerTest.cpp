// Timers: replacement, minimum period, one pending message per timer.
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

namespace {

class Timers : public ::testing::Test {
protected:
    void SetUp() override
    {
        hwnd = testwin::CreateTopLevel();
        kytest::PumpUntilIdle();
        testwin::ClearLog();
    }
    void TearDown() override { testwin::Reset(); }
    int Fired(WPARAM id)
    {
        int n = 0;
        for (auto& e : testwin::EntriesOf(WM_TIMER, hwnd)) n += e.wParam == id;
        return n;
    }

    HWND hwnd = nullptr;
};

TEST_F(Timers, SameIdReplacesThePeriodAndKilledTimersStop)
{
    EXPECT_EQ(SetTimer(hwnd, 2, 100, nullptr), 2u);
    EXPECT_EQ(SetTimer(hwnd, 2, 200, nullptr), 2u);
    kytest::AdvanceClock(150);
    EXPECT_EQ(Fired(2), 0);
    kytest::AdvanceClock(150);
    EXPECT_EQ(Fired(2), 1);
    EXPECT_TRUE(KillTimer(hwnd, 2));
    EXPECT_FALSE(KillTimer(hwnd, 2));
    kytest::AdvanceClock(400);
    EXPECT_EQ(Fired(2), 1);

    SetTimer(hwnd, 3, 20, nullptr);  // at most one message pending per timer
    kytest::LetTimePass(200);
    kytest::PumpUntilIdle();
    EXPECT_EQ(Fired(3), 1);

    SetTimer(hwnd, 5, 50, nullptr);
    DestroyWindow(hwnd);
    kytest::AdvanceClock(120);
    EXPECT_EQ(Fired(5), 0);
}

TEST_F(Timers, ManualClockRunsAnExactSchedule)
{
    if (!kytest::HasManualClock()) GTEST_SKIP() << "real time: the number of periods in a span is not exact";
    SetTimer(hwnd, 6, 100, nullptr);
    kytest::AdvanceClock(1000);
    EXPECT_EQ(Fired(6), 10);
    SetTimer(hwnd, 7, 1, nullptr);  // raised to the 10 ms minimum
    kytest::AdvanceClock(9);
    EXPECT_EQ(Fired(7), 0);
    kytest::AdvanceClock(1);
    EXPECT_EQ(Fired(7), 1);
}

}  // namespace
