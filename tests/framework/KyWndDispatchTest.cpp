// The common dispatch: buffers, framework messages, timers, mouse capture,
// focus and leave tracking, as a class's handler sees them.
#include "tests/support/RecordingWnd.h"
#include "framework/KyWndMessages.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

class KyWndDispatch : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateShownTopLevel(parent, 640, 480));
        parent.ownLog.clear();
    }

    // A visible child of the parent at (x, y) with the given size.
    void PlaceChild(RecordingWnd& child, int x, int y, int width, int height)
    {
        ASSERT_TRUE(child.CreateChild(parent.GetHwnd(), nullptr));
        MoveWindow(child.GetHwnd(), x, y, width, height, TRUE);
        ShowWindow(child.GetHwnd(), SW_SHOW);
        PumpMessages();
    }

    RecordingWnd parent;
};

}  // namespace

TEST_F(KyWndDispatch, EverySizePostsSizedWithItsOwnSize)
{
    for (bool buffered : {true, false}) {
        RecordingWnd child;
        child.doubleBuffered = buffered;
        ASSERT_TRUE(child.CreateChild(parent.GetHwnd(), nullptr));
        HWND handle = child.GetHwnd();
        MoveWindow(handle, 0, 0, 300, 200, FALSE);
        MoveWindow(handle, 0, 0, 120, 90, FALSE);
        MoveWindow(handle, 0, 0, 0, 0, FALSE);
        SendMessageW(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(0, 0));
        PumpMessages();

        const auto sizes = child.Seen(WM_SIZE);
        const auto sized = child.Seen(KYWM_SIZED);
        ASSERT_GE(sizes.size(), 4u);
        ASSERT_EQ(sized.size(), sizes.size());
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            EXPECT_EQ(sized[i].lParam, sizes[i].lParam);
            EXPECT_EQ(sized[i].wParam, 0u);
        }
        EXPECT_EQ(sizes[sizes.size() - 3].lParam, MAKELPARAM(120, 90));
    }
}

TEST_F(KyWndDispatch, ShownIsPostedOnceOnTheFirstShowing)
{
    RecordingWnd child;
    ASSERT_TRUE(child.CreateChild(parent.GetHwnd(), nullptr));
    PumpMessages();
    EXPECT_TRUE(child.Seen(KYWM_SHOWN).empty());

    for (int show : {SW_SHOW, SW_HIDE, SW_SHOW}) {
        ShowWindow(child.GetHwnd(), show);
        PumpMessages();
    }
    EXPECT_EQ(child.Seen(WM_SHOWWINDOW).size(), 3u);
    const auto shown = child.Seen(KYWM_SHOWN);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].wParam, 0u);
    EXPECT_EQ(shown[0].lParam, 0);
}

TEST_F(KyWndDispatch, ActivationAndEnablingChangesArePosted)
{
    RecordingWnd child;
    ASSERT_TRUE(child.CreateChild(parent.GetHwnd(), nullptr));
    HWND handle = child.GetHwnd();
    PumpMessages();
    child.ownLog.clear();

    SendMessageW(handle, WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 0), 0);
    SendMessageW(handle, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), 0);
    SendMessageW(handle, WM_ENABLE, FALSE, 0);
    SendMessageW(handle, WM_ACTIVATEAPP, TRUE, 0);
    PumpMessages();
    std::vector<WPARAM> changes;
    for (const HandledMessage& change : child.Seen(KYWM_ACTIVECHANGED))
        changes.push_back(change.wParam);
    EXPECT_EQ(changes, (std::vector<WPARAM>{1, 0, 0, 1}));
    // The handler saw the originals too.
    EXPECT_EQ(child.Seen(WM_ACTIVATE).size(), 2u);
    EXPECT_EQ(child.Seen(WM_ENABLE).size(), 1u);
}

TEST_F(KyWndDispatch, TheBaseTimerNeverReachesTheHandler)
{
    RecordingWnd child;
    ASSERT_TRUE(child.CreateChild(parent.GetHwnd(), nullptr));
    HWND handle = child.GetHwnd();

    // Answering true stops timer 1; answering false keeps it.
    for (bool done : {true, false}) {
        child.baseTimerDone = done;
        ASSERT_NE(SetTimer(handle, kBaseTimerId, 60000, nullptr), 0u);
        SendMessageW(handle, WM_TIMER, kBaseTimerId, 0);
        EXPECT_EQ(KillTimer(handle, kBaseTimerId), !done);
    }

    SendMessageW(handle, WM_TIMER, 2, 0);
    SendMessageW(handle, WM_TIMER, 7, 0);
    const auto timers = child.Seen(WM_TIMER);
    ASSERT_EQ(timers.size(), 2u);
    EXPECT_EQ(timers[0].wParam, 2u);
    EXPECT_EQ(timers[1].wParam, 7u);
}

TEST_F(KyWndDispatch, MinimumTrackingSizeIsAnsweredWithoutTheHandler)
{
    RecordingWnd child;
    ASSERT_TRUE(child.CreateChild(parent.GetHwnd(), nullptr));
    child.SetMinTrackSize(1000, 700);
    MINMAXINFO info{};
    SendMessageW(child.GetHwnd(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 1000);
    EXPECT_EQ(info.ptMinTrackSize.y, 700);
    EXPECT_TRUE(child.Seen(WM_GETMINMAXINFO).empty());
}

TEST_F(KyWndDispatch, EveryPressTakesTheFocus)
{
    RecordingWnd child;
    PlaceChild(child, 10, 10, 100, 80);
    HWND handle = child.GetHwnd();
    SetFocus(parent.GetHwnd());
    ASSERT_EQ(GetFocus(), parent.GetHwnd());

    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 6));
    EXPECT_EQ(GetFocus(), handle);
    EXPECT_FALSE(child.Captured());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(child.lastPressAsked.x, 5);
    SendMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(5, 6));

    SetFocus(parent.GetHwnd());
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 8));
    EXPECT_EQ(GetFocus(), handle);
    EXPECT_EQ(child.Seen(WM_LBUTTONDOWN).size(), 2u);
}

TEST_F(KyWndDispatch, CaptureIsReleasedBeforeTheHandlerSeesTheRelease)
{
    RecordingWnd child;
    child.captureOnPress = true;
    PlaceChild(child, 10, 10, 100, 80);
    HWND handle = child.GetHwnd();

    // Coordinates left of and above the window arrive signed.
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, -7));
    EXPECT_EQ(child.lastPressAsked.x, -5);
    EXPECT_EQ(child.lastPressAsked.y, -7);
    EXPECT_TRUE(child.Captured());
    ASSERT_EQ(child.Seen(WM_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(child.Seen(WM_LBUTTONDOWN)[0].captureAtTheTime, handle);

    // A second press while captured does not ask again.
    child.lastPressAsked = POINT{-1000, -1000};
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(child.lastPressAsked.x, -1000);

    SendMessageW(handle, WM_LBUTTONUP, 0, MAKELPARAM(300, 300));
    EXPECT_FALSE(child.Captured());
    const auto releases = child.Seen(WM_LBUTTONUP);
    ASSERT_EQ(releases.size(), 1u);
    EXPECT_EQ(releases[0].captureAtTheTime, nullptr);

    // Destroying a captured window releases the capture too.
    SendMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(child.Captured());
    DestroyWindow(handle);
    EXPECT_FALSE(child.Captured());
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(KyWndDispatch, LeaveTrackingIsAskedOnceUntilTheLeaveArrives)
{
    RecordingWnd child;
    child.wantsLeave = true;
    PlaceChild(child, 10, 10, 100, 80);
    HWND handle = child.GetHwnd();

    SendMessageW(handle, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(child.TrackingLeave());
    SendMessageW(handle, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(child.TrackingLeave());
    EXPECT_EQ(child.Seen(WM_MOUSELEAVE).size(), 1u);
    EXPECT_EQ(child.Seen(WM_MOUSEMOVE).size(), 1u);

    RecordingWnd quiet;
    PlaceChild(quiet, 120, 10, 50, 50);
    SendMessageW(quiet.GetHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(quiet.TrackingLeave());
}

TEST_F(KyWndDispatch, FrameworkOnlyMessagesStayAwayFromTheHandler)
{
    RecordingWnd child;
    PlaceChild(child, 10, 10, 100, 80);
    child.ownLog.clear();
    SendMessageW(child.GetHwnd(), KYWM_RESTORE, 0, 0);
    SendMessageW(child.GetHwnd(), WM_KEYDOWN, VK_LEFT, 0);
    SendMessageW(child.GetHwnd(), KYWM_SHOWN + 50, 3, 4);
    EXPECT_TRUE(child.Seen(KYWM_RESTORE).empty());
    EXPECT_EQ(child.Seen(WM_KEYDOWN).size(), 1u);
    ASSERT_EQ(child.Seen(KYWM_SHOWN + 50).size(), 1u);
    EXPECT_EQ(child.Seen(KYWM_SHOWN + 50)[0].wParam, 3u);
}

TEST_F(KyWndDispatch, ResizeToDefaultKeepsTheCorner)
{
    RecordingWnd child;
    PlaceChild(child, 30, 20, 100, 80);
    for (KyWnd* window : {static_cast<KyWnd*>(&child), static_cast<KyWnd*>(&parent)}) {
        RECT before{}, after{};
        GetWindowRect(window->GetHwnd(), &before);
        window->ResizeToDefault();
        GetWindowRect(window->GetHwnd(), &after);
        EXPECT_EQ((std::array{after.left, after.top, after.right - after.left, after.bottom - after.top}),
                  (std::array<LONG, 4>{before.left, before.top, 1000, 700}));
    }
}
