// Mouse input that waits in the queue goes to the window that holds the
// capture when it is retrieved, not to the one that was under the pointer
// when it arrived: a quick click on a push button, whose press and release
// arrive together, must not leave the button holding the capture.
#include "platform/testing/TestPlatform.h"

#include <gtest/gtest.h>

TEST(CaptureRetarget, ReleaseQueuedBeforeThePressCapturedReachesTheCaptureWherever)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"CaptureRetargetParent";
    RegisterClassExW(&windowClass);
    HWND parent = CreateWindowExW(0, L"CaptureRetargetParent", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    HWND button = CreateWindowExW(0, L"button", L"", WS_CHILD | WS_VISIBLE, 10, 10, 100, 30, parent, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(button, nullptr);
    kytest::PumpUntilIdle();

    // Released beside the button, and outside the window altogether.
    const POINT releases[] = {{300, 200}, {-50, 500}};
    for (const POINT release : releases) {
        kytest::PressLeft(button, 5, 5);
        kytest::ReleaseLeft(parent, release.x, release.y);
        kytest::PumpUntilIdle();
        EXPECT_EQ(GetCapture(), nullptr) << "released at " << release.x << ", " << release.y;
    }

    DestroyWindow(parent);
    kytest::PumpUntilIdle();
}
