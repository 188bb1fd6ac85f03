// How USER hands a window's pixels to GDI: BeginPaint and GetDC create a DC
// over the top-level window's cairo surface, offset to the window's position
// in it and clipped to what the window may paint.
#pragma once

#include "platform/types.h"

typedef struct _cairo_surface cairo_surface_t;

namespace platform {

// `origin` is the window's client origin and `clip` what it may paint, both
// in the top-level's logical pixels; the surface holds `scale` surface pixels
// per logical one. The DC keeps a reference to the surface, which must be a
// 32-bit image surface (RGB24 or ARGB32); anything else gives null.
HDC CreateSurfaceDc(cairo_surface_t* surface, POINT origin, const RECT& clip, double scale = 1);

// Releases a DC made by CreateSurfaceDc (objects selected into it stay alive).
void DestroySurfaceDc(HDC dc);

// The surface's pixels are about to go (a native window's own): a DC made by
// CreateSurfaceDc on it lets go of it and from now on draws nothing.
void DetachSurfaceDc(HDC dc, cairo_surface_t* surface);

}  // namespace platform
