// Failure on demand, for tests: a creation or call site asks whether this
// attempt is the one that must fail. Armed only through platform/testing;
// in a program nothing is ever armed and every attempt proceeds.
#pragma once

namespace platform::faults {

enum class Site { GdiObject, Dc, Surface, GdiplusStartup, Decode, Draw, Timer, Count };

// The `n`th attempt (1-based) from now at `site` fails; 0 disarms.
void FailNth(Site site, int n);
// True when this attempt is the one armed to fail (and disarms it).
bool ShouldFail(Site site);
// True when a failure is armed and not yet reached.
bool Armed(Site site);

}  // namespace platform::faults
