// A thread's posted messages are bounded: a runaway poster is refused at the
// quota and may post again once the queue has been drained.
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

namespace {

constexpr int kQuota = 10000;
constexpr DWORD kNotEnoughQuota = 1816;

class PostedMessageQuota : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = testwin::CreateTopLevel();
        kytest::PumpUntilIdle();
    }
    void TearDown() override { testwin::Reset(); }

    BOOL Post(int i) { return PostMessageW(window, WM_APP, static_cast<WPARAM>(i), 0); }

    HWND window = nullptr;
};

TEST_F(PostedMessageQuota, TheLastPostWithinTheQuotaIsTakenAndTheNextRefused)
{
    int accepted = 0;
    while (accepted < kQuota && Post(accepted)) ++accepted;
    EXPECT_EQ(accepted, kQuota) << "every post up to the quota is accepted";

    SetLastError(0);
    const BOOL overQuota = Post(kQuota);
    if (overQuota && !kytest::HasManualClock()) {
        kytest::PumpUntilIdle();
        GTEST_SKIP() << "this Win32 (Wine's server) keeps no per-thread quota of posted messages";
    }
    EXPECT_FALSE(overQuota);
    EXPECT_EQ(GetLastError(), kNotEnoughQuota);

    // The refused post was dropped; the accepted ones arrive in order.
    testwin::ClearLog();
    kytest::PumpUntilIdle();
    const std::vector<testwin::Entry> arrived = testwin::EntriesOf(WM_APP, window);
    ASSERT_EQ(arrived.size(), static_cast<size_t>(kQuota));
    EXPECT_EQ(arrived.back().wParam, static_cast<WPARAM>(kQuota - 1));

    EXPECT_TRUE(Post(0)) << "a drained queue takes posts again";
    kytest::PumpUntilIdle();
}

}  // namespace
