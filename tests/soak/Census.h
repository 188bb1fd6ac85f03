// What a run of the main window may leave behind, counted before and after,
// and the close its user makes.
#pragma once

#include "platform/testing/QueueCensus.h"
#include "platform/testing/TestPlatform.h"

#include <string>

struct Census {
    unsigned windows, timers, gdiObjects;
    bool operator==(const Census&) const = default;
    static Census Now() { return {kytest::LiveWindowCount(), kytest::LiveTimerCount(), kytest::LiveGdiObjectCount()}; }
    std::string Text() const { return std::to_string(windows) + " windows, " + std::to_string(timers) + " timers, " + std::to_string(gdiObjects) + " GDI"; }
};

// WM_CLOSE as the close box sends it; the WM_QUIT it posts is taken away.
inline void CloseMain(HWND window)
{
    SendMessageW(window, WM_CLOSE, 0, 0);
    kytest::PumpUntilIdle();
    MSG quit{};
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}
