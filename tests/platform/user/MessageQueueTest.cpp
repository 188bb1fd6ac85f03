// The order in which GetMessageW hands out messages, and what it drops.
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

namespace {

class MessageQueue : public ::testing::Test {
protected:
    void TearDown() override { testwin::Reset(); }
};

// Retrieves without dispatching, so that a test sees the queue's own order.
std::vector<UINT> Drain(HWND hwnd, int most)
{
    std::vector<UINT> out;
    MSG msg;
    for (int i = 0; i < most && PeekMessageW(&msg, hwnd, 0, 0, PM_REMOVE); ++i) {
        out.push_back(msg.message);
        if (msg.message == WM_PAINT) ValidateRect(msg.hwnd, nullptr);
        if (msg.message == WM_TIMER) KillTimer(msg.hwnd, msg.wParam);
    }
    return out;
}

TEST_F(MessageQueue, PostedBeforePaintBeforeTimer)
{
    HWND hwnd = testwin::CreateTopLevel();
    kytest::PumpUntilIdle();
    SetTimer(hwnd, 7, 10, nullptr);
    InvalidateRect(hwnd, nullptr, FALSE);
    PostMessageW(hwnd, WM_USER + 1, 0, 0);
    kytest::LetTimePass(100);
    EXPECT_EQ(Drain(hwnd, 4), (std::vector<UINT>{WM_USER + 1, WM_PAINT, WM_TIMER}));
}

TEST_F(MessageQueue, QuitComesAfterEveryPostedMessage)
{
    HWND hwnd = testwin::CreateTopLevel();
    kytest::PumpUntilIdle();
    PostMessageW(hwnd, WM_USER + 1, 0, 0);
    PostQuitMessage(3);
    PostMessageW(hwnd, WM_USER + 2, 0, 0);
    MSG msg;
    ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 1));
    ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 2));
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessageQueue, MessagesForADestroyedWindowAreDropped)
{
    HWND keep = testwin::CreateTopLevel();
    HWND gone = testwin::CreateTopLevel(400, 100);
    kytest::PumpUntilIdle();
    PostMessageW(gone, WM_USER + 5, 0, 0);
    PostMessageW(keep, WM_USER + 6, 0, 0);
    DestroyWindow(gone);
    EXPECT_EQ(Drain(nullptr, 10), (std::vector<UINT>{WM_USER + 6}));
}

TEST_F(MessageQueue, SendIsACallAndPostWaitsForTheLoop)
{
    HWND hwnd = testwin::CreateTopLevel();
    kytest::PumpUntilIdle();
    testwin::SetHook([](HWND, UINT m, WPARAM w, LPARAM, LRESULT* r) {
        if (m != WM_USER + 9) return false;
        *r = static_cast<LRESULT>(w) * 2;
        return true;
    });
    testwin::ClearLog();
    EXPECT_EQ(SendMessageW(hwnd, WM_USER + 9, 21, 0), 42);
    EXPECT_TRUE(PostMessageW(hwnd, WM_USER + 9, 1, 0));
    EXPECT_EQ(testwin::CountOf(WM_USER + 9), 1);
    kytest::PumpUntilIdle();
    EXPECT_EQ(testwin::CountOf(WM_USER + 9), 2);
}

TEST_F(MessageQueue, PeekWithoutRemovingLeavesTheMessage)
{
    HWND hwnd = testwin::CreateTopLevel();
    kytest::PumpUntilIdle();
    PostMessageW(hwnd, WM_USER + 3, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, hwnd, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 3));
    EXPECT_EQ(msg.hwnd, hwnd);
    ASSERT_TRUE(PeekMessageW(&msg, hwnd, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PeekMessageW(&msg, hwnd, WM_USER + 3, WM_USER + 3, PM_REMOVE));
}

}  // namespace
