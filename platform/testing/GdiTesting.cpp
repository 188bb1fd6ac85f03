// Census and failure injection of our own GDI, for tests.
#ifndef _WIN32

#include "platform/testing/TestPlatform.h"
#include "platform/testing/SurfaceTesting.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/SurfaceCensus.h"

namespace kytest {

unsigned LiveGdiObjectCount() { return platform::gdi::LiveObjectCount(); }

unsigned LiveSurfaceCount() { return platform::gdi::LiveSurfaceCount(); }

bool FailNextGdiCreations(GdiKind kind, int count) {
    using platform::gdi::Kind;
    switch (kind) {
        case GdiKind::Pen: return platform::gdi::FailNextCreations(Kind::Pen, count);
        case GdiKind::Brush: return platform::gdi::FailNextCreations(Kind::Brush, count);
        case GdiKind::Font: return platform::gdi::FailNextCreations(Kind::Font, count);
        case GdiKind::Bitmap: return platform::gdi::FailNextCreations(Kind::Bitmap, count);
    }
    return false;
}

}  // namespace kytest

#endif
