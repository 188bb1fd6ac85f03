// The common dispatch: buffers, framework messages, timers, mouse capture,
// focus and leave tracking, as a class's handler sees them.
#include "tests/support/RecordingWnd.h"
#include "framework/KyWndMessages.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

namespace {

class KyWndDispatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateShownTopLevel(parent, 640, 480));
        ASSERT_TRUE(child.CreateChild(parent.GetHwnd(), nullptr));
        handle = child.GetHwnd();
    }

    void Place()
    {
        MoveWindow(handle, 10, 10, 100, 80, TRUE);
        ShowWindow(handle, SW_SHOW);
        PumpMessages();
    }

    std::vector<WPARAM> WParams(UINT message)
    {
        std::vector<WPARAM> seen;
        for (const HandledMessage& m : child.Seen(message))
            seen.push_back(m.wParam);
        return seen;
    }

    RecordingWnd parent, child;
    HWND handle = nullptr;
};

}  // namespace

// Every size, the first showing only, and activation and enabling changes.
TEST_F(KyWndDispatch, NoticesArePostedToTheWindowItself)
{
    MoveWindow(handle, 0, 0, 300, 200, FALSE);
    MoveWindow(handle, 0, 0, 120, 90, FALSE);
    SendMessageW(handle, WM_SIZE, SIZE_RESTORED, 0);
    for (int show : {SW_SHOW, SW_HIDE, SW_SHOW})
        ShowWindow(handle, show);
    SendMessageW(handle, WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 0), 0);
    SendMessageW(handle, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0);
    SendMessageW(handle, WM_ENABLE, FALSE, 0);
    SendMessageW(handle, WM_ACTIVATEAPP, TRUE, 0);
    PumpMessages();
    const auto sizes = child.Seen(WM_SIZE);
    const auto sized = child.Seen(KYWM_SIZED);
    ASSERT_EQ(sized.size(), sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i)
        EXPECT_EQ(std::pair(sized[i].wParam, sized[i].lParam), std::pair(WPARAM{0}, sizes[i].lParam));
    EXPECT_EQ(sizes[sizes.size() - 2].lParam, MAKELPARAM(120, 90));
    EXPECT_EQ(child.Seen(WM_SHOWWINDOW).size(), 3u);
    EXPECT_EQ(WParams(KYWM_SHOWN), std::vector<WPARAM>{0});
    EXPECT_EQ(WParams(KYWM_ACTIVECHANGED), (std::vector<WPARAM>{1, 0, 0, 1}));
    EXPECT_EQ(child.Seen(WM_ACTIVATE).size() + child.Seen(WM_ENABLE).size(), 3u);
}

TEST_F(KyWndDispatch, TheFrameworksOwnMessagesStayAwayFromTheHandler)
{
    // Answering true stops the base timer; answering false keeps it.
    for (bool done : {true, false}) {
        child.baseTimerDone = done;
        ASSERT_NE(SetTimer(handle, kBaseTimerId, 60000, nullptr), 0u);
        SendMessageW(handle, WM_TIMER, kBaseTimerId, 0);
        EXPECT_EQ(KillTimer(handle, kBaseTimerId), !done);
    }
    SendMessageW(handle, KYWM_RESTORE, 0, 0);
    for (UINT message : {UINT(WM_TIMER), UINT(WM_TIMER), UINT(WM_KEYDOWN), KYWM_SHOWN + 50})
        SendMessageW(handle, message, 7, 0);
    EXPECT_EQ(WParams(WM_TIMER), (std::vector<WPARAM>{7, 7}));
    EXPECT_TRUE(child.Seen(KYWM_RESTORE).empty());
    EXPECT_EQ(WParams(WM_KEYDOWN), std::vector<WPARAM>{7});
    EXPECT_EQ(WParams(KYWM_SHOWN + 50), std::vector<WPARAM>{7});
}

TEST_F(KyWndDispatch, EveryPressTakesTheFocusAndCaptureEndsBeforeTheHandlerSeesTheRelease)
{
    Place();
    for (bool capture : {false, true}) {
        child.captureOnPress = capture;
        SetFocus(parent.GetHwnd());
        // Coordinates left of and above the window arrive signed.
        SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, -7));
        EXPECT_EQ(GetFocus(), handle);
        EXPECT_EQ((std::array{child.lastPressAsked.x, child.lastPressAsked.y}), (std::array<LONG, 2>{-5, -7}));
        EXPECT_EQ(child.Seen(WM_LBUTTONDOWN).back().captureAtTheTime, capture ? handle : nullptr);
        SendMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(300, 300));
        EXPECT_EQ(child.Seen(WM_LBUTTONUP).back().captureAtTheTime, nullptr);
    }
    // A second press while captured does not ask again; destroying a
    // captured window releases the capture too.
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    child.lastPressAsked = POINT{-1000, -1000};
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(child.lastPressAsked.x, -1000);
    ASSERT_TRUE(child.Captured());
    DestroyWindow(handle);
    EXPECT_FALSE(child.Captured());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(KyWndDispatch, LeaveTrackingIsAskedOnceUntilTheLeaveArrives)
{
    for (bool wants : {false, true}) {
        child.wantsLeave = wants;
        Place();
        SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(child.TrackingLeave(), wants);
    }
    SendMessageW(handle, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(child.TrackingLeave());
    EXPECT_EQ(child.Seen(WM_MOUSELEAVE).size(), 1u);
}

TEST_F(KyWndDispatch, ResizeToDefaultKeepsTheCorner)
{
    RECT before{}, after{};
    GetWindowRect(parent.GetHwnd(), &before);
    parent.ResizeToDefault();
    GetWindowRect(parent.GetHwnd(), &after);
    EXPECT_EQ((std::array{after.left, after.top, after.right - after.left, after.bottom - after.top}),
              (std::array<LONG, 4>{before.left, before.top, 1000, 700}));
}
