// The whole main window under a seeded stream of random events. Replay a
// failure with KY_SOAK_SEED and KY_SOAK_STEPS set to the reported values.
#include "tests/soak/SoakRun.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Soak, RandomEventsKeepTheProgramSound)
{
    const auto setting = [](const char* name, std::uint64_t fallback) {
        const char* text = std::getenv(name);
        return text && *text ? std::strtoull(text, nullptr, 0) : fallback;
    };
    const std::uint64_t seed = setting("KY_SOAK_SEED", 20261207), steps = setting("KY_SOAK_STEPS", 20000);
    SoakRun run(seed);
    for (std::uint64_t i = 0; i < steps; ++i) {
        const std::string failure = run.Step();
        ASSERT_TRUE(failure.empty()) << "seed " << seed << " step " << run.Steps() << ": " << failure
                                     << "\nlast events: " << run.LogTail();
    }
    const std::string failure = run.Close();
    EXPECT_TRUE(failure.empty()) << "seed " << seed << ": " << failure;
}
