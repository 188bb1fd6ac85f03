// The order in which GetMessageW hands out messages, what it drops, the
// bound on posted messages, and timers.
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

namespace {

int calls = 0;
void CALLBACK CountCall(HWND, UINT, UINT_PTR, DWORD) { ++calls; }

class MessageQueue : public ::testing::Test {
protected:
    void SetUp() override
    {
        hwnd = testwin::CreateTopLevel();
        kytest::PumpUntilIdle();
        testwin::ClearLog();
    }
    void TearDown() override { testwin::Reset(); }

    // Retrieves without dispatching, so that a test sees the queue's own order.
    static std::vector<UINT> Drain(HWND from)
    {
        std::vector<UINT> out;
        MSG msg;
        while (out.size() < 10 && PeekMessageW(&msg, from, 0, 0, PM_REMOVE)) {
            out.push_back(msg.message);
            if (msg.message == WM_PAINT) ValidateRect(msg.hwnd, nullptr);
            if (msg.message == WM_TIMER) KillTimer(msg.hwnd, msg.wParam);
        }
        return out;
    }
    int Fired(WPARAM id)
    {
        int n = 0;
        for (auto& e : testwin::EntriesOf(WM_TIMER, hwnd)) n += e.wParam == id;
        return n;
    }

    HWND hwnd = nullptr;
};

TEST_F(MessageQueue, PostedBeforePaintBeforeTimerAndQuitAfterEveryPosted)
{
    SetTimer(hwnd, 7, 10, nullptr);
    InvalidateRect(hwnd, nullptr, FALSE);
    PostMessageW(hwnd, WM_USER + 1, 0, 0);
    kytest::LetTimePass(100);
    EXPECT_EQ(Drain(hwnd), (std::vector<UINT>{WM_USER + 1, WM_PAINT, WM_TIMER}));

    HWND gone = testwin::CreateTopLevel(400, 100);
    kytest::PumpUntilIdle();
    PostMessageW(gone, WM_USER + 5, 0, 0);
    PostMessageW(hwnd, WM_USER + 6, 0, 0);
    DestroyWindow(gone);
    EXPECT_EQ(Drain(nullptr), (std::vector<UINT>{WM_USER + 6})) << "messages for a destroyed window are dropped";

    PostMessageW(hwnd, WM_USER + 1, 0, 0);
    PostQuitMessage(3);
    PostMessageW(hwnd, WM_USER + 2, 0, 0);
    MSG msg;
    for (UINT expected : {WM_USER + 1, WM_USER + 2}) {
        ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
        EXPECT_EQ(msg.message, expected);
    }
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 3u);
}

// A runaway poster is refused at the quota and may post again once the
// queue has been drained.
TEST_F(MessageQueue, PostedMessageQuotaRefusesTheFirstPostBeyondIt)
{
    constexpr int kQuota = 10000;
    auto post = [this](int i) { return PostMessageW(hwnd, WM_APP, static_cast<WPARAM>(i), 0); };
    int accepted = 0;
    while (accepted < kQuota && post(accepted)) ++accepted;
    EXPECT_EQ(accepted, kQuota);
    SetLastError(0);
    const BOOL overQuota = post(kQuota);
    if (overQuota && !kytest::HasManualClock()) {
        kytest::PumpUntilIdle();
        GTEST_SKIP() << "this Win32 (Wine's server) keeps no per-thread quota of posted messages";
    }
    EXPECT_FALSE(overQuota);
    EXPECT_EQ(GetLastError(), 1816u);  // ERROR_NOT_ENOUGH_QUOTA
    kytest::PumpUntilIdle();
    const auto arrived = testwin::EntriesOf(WM_APP, hwnd);
    ASSERT_EQ(arrived.size(), static_cast<size_t>(kQuota));
    EXPECT_EQ(arrived.back().wParam, static_cast<WPARAM>(kQuota - 1));
    EXPECT_TRUE(post(0)) << "a drained queue takes posts again";
    kytest::PumpUntilIdle();
}

// A WM_TIMER carrying a procedure is dispatched to it only while a live
// timer was set with it; any other lParam is not a call target.
TEST_F(MessageQueue, TimerCallbackOnlyToARegisteredProcedure)
{
    auto dispatched = [this] {
        const int before = calls;
        MSG msg{hwnd, WM_TIMER, 41, reinterpret_cast<LPARAM>(&CountCall), 0, {}};
        DispatchMessageW(&msg);
        return calls - before;
    };
    const int unregistered = dispatched();
    if (unregistered != 0 && !kytest::HasManualClock())
        GTEST_SKIP() << "this Win32 (Wine 8) calls any procedure a WM_TIMER carries; Windows checks it";
    EXPECT_EQ(unregistered, 0);
    ASSERT_NE(SetTimer(hwnd, 41, 60000, CountCall), 0u);
    EXPECT_EQ(dispatched(), 1);
    ASSERT_TRUE(KillTimer(hwnd, 41));
    EXPECT_EQ(dispatched(), 0) << "its timer is gone";
}

TEST_F(MessageQueue, TimerIdReplacesThePeriodAndOneMessageIsPendingAtMost)
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

    SetTimer(hwnd, 3, 20, nullptr);
    kytest::LetTimePass(200);
    kytest::PumpUntilIdle();
    EXPECT_EQ(Fired(3), 1);

    SetTimer(hwnd, 5, 50, nullptr);
    DestroyWindow(hwnd);
    kytest::AdvanceClock(120);
    EXPECT_EQ(Fired(5), 0);
}

}  // namespace
