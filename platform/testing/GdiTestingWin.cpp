// Census of GDI objects on Windows: the system's own count for the process.
// Failures cannot be injected into the real GDI.
#ifdef _WIN32

#include "platform/testing/TestPlatform.h"
#include "platform/testing/SurfaceTesting.h"

namespace kytest {

unsigned LiveGdiObjectCount() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

bool FailNextGdiCreations(GdiKind, int) { return false; }

unsigned LiveSurfaceCount() { return 0; }

}  // namespace kytest

#endif
