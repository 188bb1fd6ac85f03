// The process-wide caches delete whatever is still listed when the process
// exits. The check runs from an exit handler registered before the caches
// exist, so it runs after their teardown.
#include "gdi/BrushCache.h"
#include "gdi/FontCache.h"
#include "gdi/PenCache.h"
#include "platform/testing/TestPlatform.h"
#include "tests/support/NoGdiLeak.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {

unsigned baseline = 0;

void CheckNothingLeftAfterTeardown()
{
    const unsigned left = kytest::LiveGdiObjectCount();
    if (left != baseline) {
        std::fprintf(stderr, "%u GDI objects outlived the caches (expected %u)\n", left, baseline);
        std::_Exit(1);
    }
}

}  // namespace

TEST(ExitTeardown, ObjectsStillHeldAtExitAreListedUntilThen)
{
    const NoGdiLeak census;
    AcquireFont(18, L"宋体");
    AcquireFont(18, L"宋体");
    AcquireDashedPen();
    AcquirePen(RGB(0, 0, 0), 1);
    AcquireBrush(RGB(230, 230, 230));
    census.Check("the three caches hold their four objects", 4);
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    baseline = kytest::LiveGdiObjectCount();
    std::atexit(CheckNothingLeftAfterTeardown);
    return RUN_ALL_TESTS();
}
