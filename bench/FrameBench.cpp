// The whole way from a pointer move to pixels: a move injected where the
// display backend reports it, then the message queue, the view's drag,
// Recompute, the paint into the back buffer and the present, until the
// queue is idle again. Under an X server (DISPLAY set) the windows are SDL
// windows and the present has reached the server when a move is done; without
// one the headless display stands in and the present is left out.
//
//   bench/FrameBench [MOVES]      (1000 moves a case unless given)
//
// Prints the median and the 99th percentile for each case.
#include "bench/ShownView.h"
#include "context/AppContext.h"
#include "platform/display/DisplayBackend.h"
#include "platform/display/DisplayScale.h"
#include "platform/display/SdlDisplay.h"
#include "platform/user/Input.h"
#include "views/KyViewConvex.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Case {
    const char* name;
    int width, height;  // logical
    double scale;
};

const Case kCases[] = {
    {"1000 x 700, scale 1", 1000, 700, 1},
    {"1920 x 1080, scale 1", 1920, 1080, 1},
    {"1920 x 1080, scale 2 (3840 x 2160)", 1920, 1080, 2},
};

class ConvexWindow : public KyViewConvex {
public:
    bool Open(int width, int height) { return ShowView(*this, width, height); }

    // A point on the candle just above the axis, where a press starts a drag.
    bool FindGrip(int* x, int* y) const
    {
        *y = static_cast<int>(originY) - 5;
        int first = -1, last = -1;
        for (int i = 0; i < clientWidth; ++i)
            if (HitCandle(i, *y)) {
                if (first < 0) first = i;
                last = i;
            }
        *x = (first + last) / 2;
        return first >= 0;
    }
};

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

double Percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, static_cast<size_t>(fraction * values.size()));
    return values[index];
}

bool Run(const Case& c, int moves)
{
    platform::SetDisplayScale(c.scale);
    ConvexWindow view;
    if (!view.Open(c.width, c.height)) {
        std::fprintf(stderr, "%s: no window\n", c.name);
        return false;
    }
    Pump();
    HWND hwnd = view.GetHwnd();
    int x = 0, y = 0;
    if (!view.FindGrip(&x, &y)) {
        std::fprintf(stderr, "%s: no candle to grab\n", c.name);
        return false;
    }
    platform::input::PointerMoved(hwnd, x, y);
    platform::input::ButtonPressed(hwnd, x, y, platform::input::Button::Left);
    Pump();
    // Back and forth over 90 pixels, so every move changes the scene.
    const int start = x;
    int step = 1;
    std::vector<double> ms;
    ms.reserve(moves);
    for (int i = 0; i < moves; ++i) {
        x += step;
        if (x > start + 45 || x < start - 45) {
            step = -step;
            x += 2 * step;
        }
        const auto begin = std::chrono::steady_clock::now();
        platform::input::PointerMoved(hwnd, x, y);
        Pump();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count());
    }
    platform::input::ButtonReleased(hwnd, x, y, platform::input::Button::Left);
    Pump();
    DestroyWindow(hwnd);
    Pump();
    std::printf("%-36s median %6.3f ms   p99 %6.3f ms\n", c.name, Percentile(ms, 0.5), Percentile(ms, 0.99));
    return true;
}

[[noreturn]] void NoWindow(const char* reason)
{
    std::fprintf(stderr, "FrameBench: no window: %s\n", reason ? reason : "");
    std::exit(2);
}

}  // namespace

int main(int argc, char** argv)
{
    const int moves = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    std::unique_ptr<platform::SdlDisplay> display;
    if (std::getenv("DISPLAY") != nullptr) {
        display = std::make_unique<platform::SdlDisplay>(NoWindow);
        std::string reason;
        if (!display->Open(&reason)) NoWindow(reason.c_str());
        platform::SetDisplayBackend(display.get());
        std::printf("SDL display %s, present included; %d moves a case\n", std::getenv("DISPLAY"), moves);
    } else {
        std::printf("headless display, present left out; %d moves a case\n", moves);
    }
    AppContext::Instance().Initialize();
    bool ok = true;
    for (const Case& c : kCases) ok = Run(c, moves) && ok;
    platform::SetDisplayBackend(nullptr);
    return ok ? 0 : 1;
}
