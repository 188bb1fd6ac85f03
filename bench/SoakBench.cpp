// Runs the random-event soak for many steps (default 10^6) and reports the
// time it took. Usage: SoakBench [steps [seed]]. Stops at the first broken
// rule and says where, so a long run doubles as a deeper soak.
#include "tests/soak/SoakRun.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const std::uint64_t steps = argc > 1 ? std::strtoull(argv[1], nullptr, 0) : 1000000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 0) : 20261207;
    const auto begin = std::chrono::steady_clock::now();
    std::string failure;
    {
        SoakRun run(seed);
        while (failure.empty() && run.Steps() < steps) failure = run.Step();
        if (!failure.empty())
            std::printf("seed %llu step %llu: %s\nlast events: %s\n", static_cast<unsigned long long>(seed),
                        static_cast<unsigned long long>(run.Steps()), failure.c_str(), run.LogTail().c_str());
        else
            failure = run.Close();
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
        std::printf("%llu steps in %.1f s (%.3f ms a step)\n", static_cast<unsigned long long>(run.Steps()), seconds,
                    1000.0 * seconds / static_cast<double>(run.Steps()));
    }
    if (!failure.empty()) std::printf("%s\n", failure.c_str());
    return failure.empty() ? 0 : 1;
}
