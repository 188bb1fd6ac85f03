// Mouse input that waits in the queue goes to the window that holds the
// capture when it is retrieved, not to the one that was under the pointer
// when it arrived: a quick click on a push button, whose press and release
// arrive together, must not leave the button holding the capture.
#include "platform/testing/TestPlatform.h"
#include "tests/support/TestWindow.h"

#include <gtest/gtest.h>

TEST(CaptureRetarget, ReleaseQueuedBeforeThePressCapturedReachesTheCaptureWherever)
{
    HWND parent = testwin::CreateTopLevel(0, 0, 400, 300);
    HWND button = CreateWindowExW(0, L"button", L"", WS_CHILD | WS_VISIBLE, 10, 10, 100, 30, parent, nullptr, nullptr, nullptr);
    ASSERT_NE(button, nullptr);
    kytest::PumpUntilIdle();
    // Released beside the button, and outside the window altogether.
    for (const POINT release : {POINT{300, 200}, POINT{-50, 500}}) {
        kytest::PressLeft(button, 5, 5);
        kytest::ReleaseLeft(parent, release.x, release.y);
        kytest::PumpUntilIdle();
        EXPECT_EQ(GetCapture(), nullptr) << "released at " << release.x << ", " << release.y;
    }
    testwin::Reset();
}
