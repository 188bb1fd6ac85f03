// A seeded random walk through the whole main window on the headless
// display with the manual clock. Every step is one user or system event;
// after it the run checks what must always hold. The same seed and step
// count replay the same run.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

class SoakRun {
public:
    explicit SoakRun(std::uint64_t seed);
    ~SoakRun();

    // One event and the checks after it; an empty result means all held.
    std::string Step();
    // Closes the window; the census must be back where it started.
    std::string Close();

    std::uint64_t Steps() const;
    std::string LogTail() const;

private:
    struct Walk;
    std::unique_ptr<Walk> walk;
};
