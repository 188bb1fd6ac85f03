// Start-up, a resize and a paint of the whole main window with one failure
// injected at the Nth attempt of one kind, for N = 1, 2, ... until the run
// no longer reaches N attempts. Each run must end without a crash or a
// leak, and a failure after start-up must heal with the next resize.
#include "app/KyMainWnd.h"
#include "platform/testing/FaultTesting.h"
#include "tests/soak/Census.h"

#include <gtest/gtest.h>

#include <vector>

struct Outcome {
    bool reached = false, reachedInStartUp = false;
    std::vector<COLORREF> healed;
    Census after{};
};

TEST(FaultInjection, EveryFailureIsSurvivedWithoutLeaksAndHealsOnResize)
{
    // Passing 0 runs without a failure.
    const auto run = [](kytest::FaultSite site, int n) {
        Outcome outcome;
        {
            KyMainWnd main;
            kytest::FailNth(site, n);
            main.CreateMain();
            HWND window = main.GetHwnd();
            ShowWindow(window, SW_SHOWNORMAL);
            kytest::PumpUntilIdle();
            outcome.reachedInStartUp = n > 0 && !kytest::Armed(site);
            MoveWindow(window, 0, 0, 1100, 760, TRUE);
            kytest::PumpUntilIdle();
            outcome.reached = n > 0 && !kytest::Armed(site);
            kytest::FailNth(site, 0);
            MoveWindow(window, 0, 0, 1200, 800, TRUE);
            InvalidateRect(window, nullptr, TRUE);
            kytest::PumpUntilIdle();
            for (int y = 1; y < 800; y += 7)
                for (int x = 1; x < 1200; x += 5) outcome.healed.push_back(kytest::ReadPixel(window, x, y));
            CloseMain(window);
        }
        outcome.after = Census::Now();
        return outcome;
    };
    // GDI+ starts once per process, so its site comes first; in each sweep
    // the clean run comes last, after the failures that are met only once.
    using Site = kytest::FaultSite;
    for (Site site : {Site::GdiplusStartup, Site::GdiObject, Site::Dc, Site::Surface, Site::Decode, Site::Draw, Site::Timer}) {
        SCOPED_TRACE(static_cast<int>(site));
        kytest::PumpUntilIdle();
        const Census before = Census::Now();
        std::vector<std::pair<int, std::vector<COLORREF>>> healedAfter;
        int n = 1;
        for (Outcome outcome; n < 5000 && (outcome = run(site, n)).reached; ++n) {
            EXPECT_EQ(outcome.after, before) << "leak with failure " << n << ": " << outcome.after.Text();
            if (!outcome.reachedInStartUp) healedAfter.emplace_back(n, std::move(outcome.healed));
        }
        EXPECT_GT(n, 1) << "the run never reached this kind of attempt";
        EXPECT_LT(n, 5000);
        const Outcome clean = run(site, 0);
        EXPECT_EQ(clean.after, before) << clean.after.Text();
        for (const auto& [failure, healed] : healedAfter) EXPECT_EQ(healed, clean.healed) << "not healed after failure " << failure;
    }
}
