// The status display under load: ten thousand messages added in a row (heap
// per entry, every blink timer run out) and painting a screenful of rows
// scrolled to the newest entry, both the strip as the program shows it (60
// pixels high) and a list as large as the whole window.
#include "framework/KyWnd.h"
#include "framework/controls/KyStatusShower.h"
#include "gdi/FontCache.h"
#include "platform/testing/QueueCensus.h"
#include "platform/testing/TestPlatform.h"
#include "platform/win32.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

// Bytes the C heap has handed out and not taken back (glibc statistics).
long long HeapInUse() { return static_cast<long long>(mallinfo2().uordblks); }

class Host : public KyWnd {
public:
    bool IsDoubleBuffered() override { return false; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    bool Open(int width, int height)
    {
        if (!Create(0xB, WS_POPUP, 0, nullptr, nullptr))
            return false;
        MoveWindow(hwnd, 0, 0, width, height, TRUE);
        ShowWindow(hwnd, SW_SHOW);
        kytest::PumpUntilIdle();
        return true;
    }
};

const wchar_t kMessage[] = L"透镜焦距必须在 [3.0, 50.0] 区间内";

void BM_TenThousandMessages(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    double bytesPerEntry = 0;
    size_t stillRunning = 0;
    for (auto _ : state) {
        Host host;
        host.Open(1000, 700);
        auto* shower = new KyStatusShower;
        shower->Show(host.GetHwnd(), nullptr);
        shower->List().SetItemFont(AcquireFont(12, L"新宋体"));
        shower->Move(RECT{0, 640, 1000, 700});
        kytest::PumpUntilIdle();
        const long long before = HeapInUse();
        for (int i = 0; i < count; ++i)
            shower->AddMessage(kMessage);
        kytest::PumpUntilIdle();
        bytesPerEntry = static_cast<double>(HeapInUse() - before) / count;
        kytest::AdvanceClock(2100);
        stillRunning = kytest::LiveTimerCount();
        delete shower;
    }
    state.counters["bytes_per_entry"] = bytesPerEntry;
    state.counters["timers_running_after_2s"] = static_cast<double>(stillRunning);
}

void BM_PaintScreenful(benchmark::State& state)
{
    const int height = static_cast<int>(state.range(0));
    Host host;
    host.Open(1000, 700);
    KyStatusShower shower;
    shower.Show(host.GetHwnd(), nullptr);
    shower.List().SetItemFont(AcquireFont(12, L"新宋体"));
    shower.Move(RECT{0, 700 - height, 1000, 700});
    for (int i = 0; i < 10000; ++i)
        shower.AddMessage(kMessage);
    kytest::PumpUntilIdle();
    kytest::AdvanceClock(2100);
    const HWND list = shower.List().GetHwnd();
    for (auto _ : state) {
        InvalidateRect(list, nullptr, FALSE);
        UpdateWindow(list);
    }
    state.counters["rows"] = (height - 2 + KyStatusShower::kRowHeight - 1) / KyStatusShower::kRowHeight;
}

}  // namespace

BENCHMARK(BM_TenThousandMessages)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PaintScreenful)->Arg(60)->Arg(700)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
