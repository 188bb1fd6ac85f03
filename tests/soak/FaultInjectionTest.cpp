// Start-up, a resize and a paint of the whole main window with one failure
// injected at the Nth attempt of one kind, for N = 1, 2, ... until the run
// no longer reaches N attempts. Each run must end without a crash or a
// leak, and a failure after start-up must heal with the next resize.
#include "app/KyMainWnd.h"
#include "platform/testing/FaultTesting.h"
#include "platform/testing/QueueCensus.h"
#include "platform/testing/TestPlatform.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Census {
    unsigned windows;
    unsigned timers;
    unsigned gdiObjects;
    bool operator==(const Census&) const = default;
};

Census Count()
{
    return {kytest::LiveWindowCount(), kytest::LiveTimerCount(), kytest::LiveGdiObjectCount()};
}

std::vector<COLORREF> Sample(HWND window)
{
    std::vector<COLORREF> pixels;
    for (int y = 1; y < 800; y += 7)
        for (int x = 1; x < 1200; x += 5) pixels.push_back(kytest::ReadPixel(window, x, y));
    return pixels;
}

struct Outcome {
    bool reached = false;
    bool reachedInStartUp = false;
    std::vector<COLORREF> healed;
    Census after{};
};

// Passing 0 runs without a failure.
Outcome RunWithFailure(kytest::FaultSite site, int n)
{
    Outcome outcome;
    {
        KyMainWnd main;
        kytest::FailNth(site, n);
        main.CreateMain();
        ShowWindow(main.GetHwnd(), SW_SHOWNORMAL);
        kytest::PumpUntilIdle();
        outcome.reachedInStartUp = n > 0 && !kytest::Armed(site);
        MoveWindow(main.GetHwnd(), 0, 0, 1100, 760, TRUE);
        kytest::PumpUntilIdle();
        outcome.reached = n > 0 && !kytest::Armed(site);
        kytest::FailNth(site, 0);

        MoveWindow(main.GetHwnd(), 0, 0, 1200, 800, TRUE);
        InvalidateRect(main.GetHwnd(), nullptr, TRUE);
        kytest::PumpUntilIdle();
        outcome.healed = Sample(main.GetHwnd());
        SendMessageW(main.GetHwnd(), WM_CLOSE, 0, 0);
        kytest::PumpUntilIdle();
    }
    MSG quit{};
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    outcome.after = Count();
    return outcome;
}

// Sweeps N upwards; the clean run comes last, so that a failure that can
// only happen once per process (GDI+ starts once) is met by the first runs.
void Sweep(kytest::FaultSite site)
{
    kytest::PumpUntilIdle();
    const Census before = Count();
    std::vector<std::pair<int, std::vector<COLORREF>>> healedAfter;
    int n = 1;
    for (; n < 5000; ++n) {
        Outcome outcome = RunWithFailure(site, n);
        EXPECT_EQ(outcome.after, before) << "leak with failure " << n;
        if (!outcome.reached) break;
        if (!outcome.reachedInStartUp) healedAfter.emplace_back(n, std::move(outcome.healed));
    }
    EXPECT_GT(n, 1) << "the run never reached this kind of attempt";
    EXPECT_LT(n, 5000);
    const Outcome clean = RunWithFailure(site, 0);
    for (const auto& [failure, healed] : healedAfter)
        EXPECT_EQ(healed, clean.healed) << "not healed after failure " << failure;
}

// Runs before the table below, while GDI+ has not been started yet.
TEST(FaultInjectionFirst, GdiplusStartUpFailureIsSurvived)
{
    Sweep(kytest::FaultSite::GdiplusStartup);
}

class FaultInjection : public testing::TestWithParam<kytest::FaultSite> {};

TEST_P(FaultInjection, EveryFailureIsSurvivedWithoutLeaksAndHealsOnResize)
{
    Sweep(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Sites, FaultInjection,
                         testing::Values(kytest::FaultSite::GdiObject, kytest::FaultSite::Dc,
                                         kytest::FaultSite::Surface, kytest::FaultSite::Decode,
                                         kytest::FaultSite::Draw, kytest::FaultSite::Timer));

}  // namespace
