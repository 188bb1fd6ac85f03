// What USER tells the display about top-level windows (our own platform only).
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/display/HeadlessBackend.h"
#include "platform/testing/TestPlatform.h"
#include "platform/user/Input.h"

namespace {

class HeadlessDisplay : public ::testing::Test {
protected:
    void TearDown() override { testwin::Reset(); }
    const platform::HeadlessBackend::NativeWindow* Native(HWND hwnd)
    {
        return platform::HeadlessBackend::Instance().Native(hwnd);
    }
};

TEST_F(HeadlessDisplay, NativeWindowFollowsTitleShowMoveAndMinimumSize)
{
    HWND hwnd = testwin::CreateTopLevel(10, 20, 300, 200, 0, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(Native(hwnd), nullptr);
    EXPECT_FALSE(Native(hwnd)->visible);
    SetWindowTextW(hwnd, L"凸透镜");
    EXPECT_EQ(Native(hwnd)->title, L"凸透镜");
    testwin::SetHook([](HWND, UINT m, WPARAM, LPARAM l, LRESULT* r) {
        if (m != WM_GETMINMAXINFO) return false;
        reinterpret_cast<MINMAXINFO*>(l)->ptMinTrackSize = POINT{250, 150};
        *r = 0;
        return true;
    });
    ShowWindow(hwnd, SW_SHOWNORMAL);
    EXPECT_TRUE(Native(hwnd)->visible);
    EXPECT_EQ(Native(hwnd)->minimum.cx, 250);
    MoveWindow(hwnd, 30, 40, 320, 240, TRUE);
    EXPECT_EQ(Native(hwnd)->rect.left, 30);
    EXPECT_EQ(Native(hwnd)->rect.bottom, 280);
    ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(Native(hwnd)->maximized);
    DestroyWindow(hwnd);
    EXPECT_EQ(Native(hwnd), nullptr);
}

TEST_F(HeadlessDisplay, PaintedAreasArePresentedWhenTheQueueRunsDry)
{
    HWND hwnd = testwin::CreateTopLevel();
    kytest::PumpUntilIdle();
    unsigned before = Native(hwnd)->presents;
    InvalidateRect(hwnd, nullptr, FALSE);
    kytest::PumpUntilIdle();
    EXPECT_GT(Native(hwnd)->presents, before);
}

TEST_F(HeadlessDisplay, WindowManagerResizeAndCloseBecomeMessages)
{
    HWND hwnd = testwin::CreateTopLevel(10, 20, 300, 200);
    kytest::PumpUntilIdle();
    testwin::ClearLog();
    platform::input::Resized(hwnd, 400, 250);
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 400);
    auto sizes = testwin::EntriesOf(WM_SIZE, hwnd);
    ASSERT_EQ(sizes.size(), 1u);
    EXPECT_EQ(sizes[0].lParam, MAKELPARAM(400, 250));
    kytest::PumpUntilIdle();
    EXPECT_EQ(kytest::ReadPixel(hwnd, 399, 249), RGB(255, 255, 255));
    platform::input::CloseRequested(hwnd);
    kytest::PumpUntilIdle();
    EXPECT_EQ(testwin::CountOf(WM_CLOSE, hwnd), 1);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(HeadlessDisplay, GetMessageRefusesToWaitForeverOnAManualClock)
{
    MSG msg;
    EXPECT_DEATH(GetMessageW(&msg, nullptr, 0, 0), "nothing can arrive");
}

}  // namespace
