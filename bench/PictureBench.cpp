// Lookups in the GDI object caches and drawing the candle picture at the two
// sizes the lens views use most. Run with --benchmark_repetitions to see the
// spread; medians are reported.
#include "gdi/FontCache.h"
#include "gdi/PenCache.h"
#include "images/ImageDrawing.h"
#include "tests/support/Canvas.h"

#include <benchmark/benchmark.h>

namespace {

// The caches hold a handful of entries in practice; look up the last one.
void FillCaches(int32_t& lastFont, int32_t& lastPen)
{
    for (int height : {12, 18, 28, 30})
        AcquireFont(height, L"宋体");
    lastFont = AcquireBoldFont(30, L"宋体");
    AcquirePen(RGB(0, 0, 0), 1);
    AcquirePen(RGB(0, 0, 255), 2);
    lastPen = AcquireDashedPen();
}

void BM_FontHandle(benchmark::State& state)
{
    int32_t font = 0, pen = 0;
    FillCaches(font, pen);
    for (auto _ : state)
        benchmark::DoNotOptimize(FontHandle(font));
}

void BM_PenHandle(benchmark::State& state)
{
    int32_t font = 0, pen = 0;
    FillCaches(font, pen);
    for (auto _ : state)
        benchmark::DoNotOptimize(PenHandle(pen));
}

// The candle (50 x 170) scaled into the destination the views compute.
void BM_DrawCandle(benchmark::State& state)
{
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    KyImage candle;
    if (!candle.LoadFromResource(GetModuleHandleW(nullptr), L"BIN", MAKEINTRESOURCEW(180), true)) {
        state.SkipWithError("the candle picture is not embedded");
        return;
    }
    // A back buffer of the size of a lens view.
    Canvas frame(1000, 576);
    HDC dc = frame.Dc();
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawImage(dc, candle, 400, 200, width, height, 0, 50, 170));
}

}  // namespace

BENCHMARK(BM_FontHandle)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_PenHandle)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_DrawCandle)->Args({24, 80})->Args({47, 160})->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
