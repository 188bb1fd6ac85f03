// A seeded random walk through the whole main window on the headless
// display with the manual clock. Every step is one user or system event;
// after it the run checks what must always hold. The same seed and step
// count replay the same run.
#pragma once

#include "app/KyMainWnd.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <random>
#include <string>
#include <vector>

class SoakRun {
public:
    explicit SoakRun(std::uint64_t seed);
    ~SoakRun();

    // One event and the checks after it; an empty result means all held.
    std::string Step();
    // Closes the window and ends the object; the census must be back where
    // it started.
    std::string Close();

    std::uint64_t Steps() const { return steps; }
    std::string LogTail() const;

private:
    struct Census {
        unsigned windows;
        unsigned timers;
        unsigned gdiObjects;
    };
    static Census Count();

    void Event();
    void Log(std::string entry);
    POINT RandomPoint(HWND window);
    void Press(HWND window, POINT p);
    void Release(HWND window, POINT p);
    void Click(HWND window, POINT p);
    void Key(UINT key, bool control);
    void Resize();
    void ClickViewButton();
    std::vector<float> Scenes() const;
    std::string NameOf(HWND window) const;
    std::string Check();

    std::mt19937_64 random;
    std::unique_ptr<KyMainWnd> main;
    Census start{};
    unsigned gdiAfterWarmUp = 0;
    std::uint64_t steps = 0;
    bool released = false;
    bool movedByTime = false;
    std::deque<std::string> log;
};
