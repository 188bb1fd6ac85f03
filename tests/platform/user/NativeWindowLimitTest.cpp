// Our own display side of the tracking limits: a window manager that sizes a
// window below its minimum is put right, and a window far larger than the
// screen still paints, on a surface no larger than the screen.
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/display/HeadlessBackend.h"
#include "platform/testing/TestPlatform.h"
#include "platform/user/Input.h"

namespace {

class NativeWindowLimit : public ::testing::Test {
protected:
    void TearDown() override { testwin::Reset(); }
};

TEST_F(NativeWindowLimit, AWindowManagerResizeBelowTheMinimumIsUndone)
{
    HWND hwnd = testwin::CreateTopLevel(10, 20, 400, 300, 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    testwin::SetHook([](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
        if (message != WM_GETMINMAXINFO) return false;
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{250, 150};
        *result = 0;
        return true;
    });
    kytest::PumpUntilIdle();
    // The last rows squeeze the window while it is maximised.
    const struct { SIZE fromDisplay, expected; bool maximised; } cases[] = {
        {{249, 149}, {250, 150}, false}, {{250, 150}, {250, 150}, false}, {{251, 151}, {251, 151}, false},
        {{50, 500}, {250, 500}, false}, {{50, 500}, {250, 500}, true}, {{251, 151}, {251, 151}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fromDisplay.cx);
        if (c.maximised) ShowWindow(hwnd, SW_MAXIMIZE);
        platform::input::Resized(hwnd, c.fromDisplay.cx, c.fromDisplay.cy);
        RECT window{};
        GetWindowRect(hwnd, &window);
        EXPECT_EQ(window.right - window.left, c.expected.cx);
        EXPECT_EQ(window.bottom - window.top, c.expected.cy);
        // A size that was overruled is pressed on the native window too.
        const auto* native = platform::HeadlessBackend::Instance().Native(hwnd);
        ASSERT_NE(native, nullptr);
        if (c.expected.cx != c.fromDisplay.cx) {
            EXPECT_EQ(native->rect.right - native->rect.left, c.expected.cx);
        }
    }
}

TEST_F(NativeWindowLimit, AHugePopupPaintsOnAScreenSizedSurface)
{
    HWND hwnd = testwin::CreateTopLevel(0, 0, 32767, 32767);
    kytest::PumpUntilIdle();
    RECT window{};
    GetWindowRect(hwnd, &window);
    EXPECT_EQ(window.right, 32767) << "a pop-up is not held to the screen";
    // The headless screen is 1920 x 1080: pixels up to its edge are kept, none beyond it.
    HDC dc = GetDC(hwnd);
    ASSERT_NE(dc, nullptr);
    RECT acrossTheEdge{1910, 1070, 1930, 1090};
    FillRect(dc, &acrossTheEdge, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(hwnd, dc);
    EXPECT_EQ(kytest::ReadPixel(hwnd, 1919, 1079), RGB(0, 0, 0));
    EXPECT_NE(kytest::ReadPixel(hwnd, 1920, 1079), RGB(0, 0, 0));
    EXPECT_NE(kytest::ReadPixel(hwnd, 1919, 1080), RGB(0, 0, 0));
}

}  // namespace
