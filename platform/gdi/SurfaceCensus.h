// The cairo surfaces that no GDI object owns (GDI+ pictures, and the copies
// made while drawing) are counted while they live, so that the tests' census
// finds a leaked surface as it finds a leaked GDI object. A bitmap's surface
// is counted through its bitmap, a window's through its window.
#pragma once

typedef struct _cairo_surface cairo_surface_t;

namespace platform::gdi {

// Counts `surface` until cairo finalises it; answers it unchanged. A surface
// in an error state is not counted (cairo never finalises those).
cairo_surface_t* Counted(cairo_surface_t* surface);

unsigned LiveSurfaceCount();

}  // namespace platform::gdi
