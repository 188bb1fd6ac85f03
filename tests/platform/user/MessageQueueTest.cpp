// The order in which GetMessageW hands out messages, and what it drops.
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

namespace {

class MessageQueue : public ::testing::Test {
protected:
    void SetUp() override
    {
        hwnd = testwin::CreateTopLevel();
        kytest::PumpUntilIdle();
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

    HWND hwnd = nullptr;
};

TEST_F(MessageQueue, PostedBeforePaintBeforeTimer)
{
    SetTimer(hwnd, 7, 10, nullptr);
    InvalidateRect(hwnd, nullptr, FALSE);
    PostMessageW(hwnd, WM_USER + 1, 0, 0);
    kytest::LetTimePass(100);
    EXPECT_EQ(Drain(hwnd), (std::vector<UINT>{WM_USER + 1, WM_PAINT, WM_TIMER}));
}

TEST_F(MessageQueue, QuitComesAfterEveryPostedMessage)
{
    PostMessageW(hwnd, WM_USER + 1, 0, 0);
    PostQuitMessage(3);
    PostMessageW(hwnd, WM_USER + 2, 0, 0);
    MSG msg;
    for (UINT expected : {WM_USER + 1, WM_USER + 2}) {
        ASSERT_TRUE(GetMessageW(&msg, nullptr, 0, 0));
        EXPECT_EQ(msg.message, expected);
    }
    EXPECT_FALSE(GetMessageW(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(MessageQueue, MessagesForADestroyedWindowAreDropped)
{
    HWND gone = testwin::CreateTopLevel(400, 100);
    kytest::PumpUntilIdle();
    PostMessageW(gone, WM_USER + 5, 0, 0);
    PostMessageW(hwnd, WM_USER + 6, 0, 0);
    DestroyWindow(gone);
    EXPECT_EQ(Drain(nullptr), (std::vector<UINT>{WM_USER + 6}));
}

}  // namespace
