// Runs the random-event soak for many steps (default 10^6) and reports the
// time it took. Usage: SoakBench [steps [seed]]. A broken rule is reported
// (the first with its events, then a count) and the run goes on, so the
// time measured is always that of the whole run.
#include "tests/soak/SoakRun.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <cstdlib>

int main(int argc, char** argv)
{
    const std::uint64_t steps = argc > 1 ? std::strtoull(argv[1], nullptr, 0) : 1000000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 0) : 20261207;
    const auto begin = std::chrono::steady_clock::now();
    const std::clock_t cpuBegin = std::clock();
    std::uint64_t broken = 0;
    {
        SoakRun run(seed);
        while (run.Steps() < steps) {
            const std::string failure = run.Step();
            if (failure.empty()) continue;
            if (broken++ == 0)
                std::printf("seed %llu step %llu: %s\nlast events: %s\n", static_cast<unsigned long long>(seed),
                            static_cast<unsigned long long>(run.Steps()), failure.c_str(), run.LogTail().c_str());
        }
        const std::string closing = run.Close();
        if (!closing.empty()) std::printf("%s\n", closing.c_str());
        broken += !closing.empty();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        // CPU time as well: on a shared machine the wall time says more about the neighbours.
        const double cpuSeconds = static_cast<double>(std::clock() - cpuBegin) / CLOCKS_PER_SEC;
        std::printf("%llu steps in %.1f s wall, %.1f s CPU (%.3f ms CPU a step), %llu broken\n",
                    static_cast<unsigned long long>(steps), seconds, cpuSeconds,
                    1000.0 * cpuSeconds / static_cast<double>(steps), static_cast<unsigned long long>(broken));
    }
    return broken == 0 ? 0 : 1;
}
