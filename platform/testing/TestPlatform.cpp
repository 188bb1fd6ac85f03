// The test support over our own implementation: a manual clock installed
// before any test runs, input injected through the display entry points,
// pixels read from the top-level surfaces.
#include "platform/testing/TestPlatform.h"

#include <cairo.h>

#include "platform/display/DisplayScale.h"
#include "platform/user/Clock.h"
#include "platform/user/Input.h"
#include "platform/user/Timers.h"
#include "platform/user/WindowTree.h"

namespace kytest {
namespace {

using namespace platform::user;

platform::ManualClock& manualClock()
{
    static platform::ManualClock clock;
    return clock;
}

// Installed while the test program starts, so that no timer ever sees the real clock.
const bool clockInstalled = [] {
    platform::SetClock(&manualClock());
    return true;
}();

// The top-level window of `window` and the point in its client area.
HWND ToTopLevel(HWND window, int* x, int* y)
{
    Window* w = Find(window);
    if (!w) return nullptr;
    Window* top = TopLevelOf(w);
    POINT o = SurfaceOrigin(*w);
    *x += o.x;
    *y += o.y;
    return top->handle;
}

}  // namespace

bool HasManualClock() { return clockInstalled; }

void AdvanceClock(unsigned milliseconds)
{
    platform::ManualClock& clock = manualClock();
    uint64_t target = clock.NowMs() + milliseconds;
    PumpUntilIdle();
    uint64_t due;
    // Step from deadline to deadline, as a loop that keeps pumping would see them.
    while (NextTimerDue(&due) && due <= target) {
        clock.AdvanceTo(due);
        PumpUntilIdle();
    }
    clock.AdvanceTo(target);
    PumpUntilIdle();
}

void LetTimePass(unsigned milliseconds) { manualClock().Advance(milliseconds); }

void MovePointer(HWND window, int x, int y)
{
    if (HWND top = ToTopLevel(window, &x, &y)) platform::input::PointerMoved(top, x, y);
}

void PressLeft(HWND window, int x, int y)
{
    if (HWND top = ToTopLevel(window, &x, &y)) platform::input::ButtonPressed(top, x, y, platform::input::Button::Left);
}

void ReleaseLeft(HWND window, int x, int y)
{
    if (HWND top = ToTopLevel(window, &x, &y)) platform::input::ButtonReleased(top, x, y, platform::input::Button::Left);
}

void Wheel(HWND window, int x, int y, int delta)
{
    if (HWND top = ToTopLevel(window, &x, &y)) platform::input::WheelTurned(top, x, y, delta);
}

void KeyDown(HWND window, UINT virtualKey)
{
    int x = 0, y = 0;
    if (HWND top = ToTopLevel(window, &x, &y)) platform::input::KeyPressed(top, virtualKey);
}

void KeyUp(HWND window, UINT virtualKey)
{
    int x = 0, y = 0;
    if (HWND top = ToTopLevel(window, &x, &y)) platform::input::KeyReleased(top, virtualKey);
}

void TypeText(HWND window, const wchar_t* text)
{
    int x = 0, y = 0;
    if (HWND top = ToTopLevel(window, &x, &y)) platform::input::TextTyped(top, text);
}

COLORREF ReadPixel(HWND window, int x, int y)
{
    Window* w = Find(window);
    if (!w || x < 0 || y < 0 || x >= Width(*w) || y >= Height(*w)) return 0xFFFFFFFF;
    Window* top = TopLevelOf(w);
    if (!top->surface) return 0xFFFFFFFF;
    POINT o = SurfaceOrigin(*w);
    x = platform::ToDevice(x + o.x, platform::DisplayScale());
    y = platform::ToDevice(y + o.y, platform::DisplayScale());
    cairo_surface_t* s = top->surface;
    cairo_surface_flush(s);
    if (x >= cairo_image_surface_get_width(s) || y >= cairo_image_surface_get_height(s)) return 0xFFFFFFFF;
    const unsigned char* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
    uint32_t pixel = reinterpret_cast<const uint32_t*>(row)[x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

unsigned LiveWindowCount() { return Count(); }

}  // namespace kytest
