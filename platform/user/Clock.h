// The one clock USER reads time from (timers, message times, double clicks).
// Tests replace it with a manual clock so that timing is deterministic.
#pragma once

#include <cstdint>

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary fixed start; never goes backwards.
    virtual uint64_t NowMs() = 0;
    // True when time moves only when someone advances it.
    virtual bool IsManual() const = 0;
};

// A clock that moves only through Advance.
class ManualClock : public Clock {
public:
    uint64_t NowMs() override { return now; }
    bool IsManual() const override { return true; }
    void Advance(uint64_t milliseconds) { now += milliseconds; }
    void AdvanceTo(uint64_t time) { if (time > now) now = time; }

private:
    // Starts well away from zero so that "time minus interval" never wraps.
    uint64_t now = 1000000;
};

// The current clock: the monotonic system clock unless replaced.
Clock& CurrentClock();

// Replaces the clock (null restores the system clock). The caller keeps
// ownership and must outlive its use.
void SetClock(Clock* clock);

}  // namespace platform
