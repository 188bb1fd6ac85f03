#include "platform/user/Clock.h"

#include <chrono>

namespace platform {
namespace {

class SteadyClock : public Clock {
public:
    uint64_t NowMs() override
    {
        auto since = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
    }
    bool IsManual() const override { return false; }
};

SteadyClock systemClock;
Clock* current = &systemClock;

}  // namespace

Clock& CurrentClock() { return *current; }

void SetClock(Clock* clock) { current = clock ? clock : &systemClock; }

}  // namespace platform
