// Census and failure injection of our own GDI, for tests.
#ifndef _WIN32

#include "platform/testing/TestPlatform.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/SurfaceCensus.h"

namespace kytest {

// Surfaces count with the objects: a bitmap's pixels, a picture or a copy
// whose surface outlives its owner is a leak as well.
unsigned LiveGdiObjectCount() { return platform::gdi::LiveObjectCount() + platform::gdi::LiveSurfaceCount(); }

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
