// PNG bytes in memory (a resource, a stream's buffer) to a cairo image
// surface: premultiplied ARGB32, or RGB24 for pictures without alpha.
#pragma once

#include <cairo.h>

#include <cstddef>

namespace platform::gdi {

// Null when the bytes are not a PNG cairo can read; the caller owns the result.
cairo_surface_t* SurfaceFromPng(const unsigned char* bytes, size_t size);

}  // namespace platform::gdi
