// What one frame of a lens view costs: the convex scene painted in full at
// three window sizes (with and without the framework's white fill), and one
// drag step (mouse move, recompute, the paint
// through the window's back buffer) at the program's usual size.
#include "bench/ShownView.h"
#include "context/AppContext.h"
#include "views/KyViewConvex.h"

#include <benchmark/benchmark.h>

namespace {

// Headless: the window lives in memory, its back buffer is a real bitmap.
class ConvexScene : public KyViewConvex {
public:
    bool Open(int width, int height)
    {
        AppContext::Instance().Initialize();
        return ShowView(*this, width, height);
    }
};

// The view's own drawing alone (fillWhite false), and as the framework
// paints a frame: the white fill of the area first (fillWhite true).
void PaintConvex(benchmark::State& state, bool fillWhite)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    ConvexScene view;
    if (!view.Open(width, height)) {
        state.SkipWithError("no window");
        return;
    }
    HDC target = view.BackDc();
    const RECT all{0, 0, width, height};
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    FillRect(target, &all, white);
    SetBkMode(target, TRANSPARENT);
    for (auto _ : state) {
        if (fillWhite)
            FillRect(target, &all, white);
        view.Paint(target, all);
    }
}

void PaintScene(benchmark::State& state)
{
    PaintConvex(state, false);
}
void FillAndPaintScene(benchmark::State& state)
{
    PaintConvex(state, true);
}
BENCHMARK(PaintScene)->Args({1000, 576})->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);
BENCHMARK(FillAndPaintScene)->Args({1000, 576})->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond);

void DragStep(benchmark::State& state)
{
    ConvexScene view;
    if (!view.Open(1000, 576)) {
        state.SkipWithError("no window");
        return;
    }
    HWND hwnd = view.GetHwnd();
    // Grab the candle at its foot (x 380, just above the axis at 259).
    SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(380, 250));
    int x = 380;
    int step = 1;
    for (auto _ : state) {
        x += step;
        if (x > 470 || x < 200)
            step = -step;
        SendMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, 250));
        UpdateWindow(hwnd);
    }
    SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, 250));
}
BENCHMARK(DragStep)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
