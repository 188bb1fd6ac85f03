// What stands behind GDI+ bitmaps and graphics: a decoded picture as a cairo
// image surface (premultiplied ARGB32, or RGB24 without alpha) and a drawing
// surface bound to a DC. Pointers handed out are checked against the live
// tables, so a disposed or foreign pointer is refused instead of used.
#pragma once

#include "platform/gdiplus/gdiplus.h"

#include <cstddef>

typedef struct _cairo_surface cairo_surface_t;

namespace platform::gdiplus {

struct Picture : Gdiplus::GpBitmap {
    ~Picture();
    cairo_surface_t* surface = nullptr;  // owned
    int width = 0;
    int height = 0;
    Gdiplus::PixelFormat format = PixelFormat32bppARGB;
};

struct Canvas : Gdiplus::GpGraphics {
    HDC dc = nullptr;
};

// Decodes PNG bytes; null when they are not a complete, valid PNG.
Picture* DecodePng(const unsigned char* bytes, size_t size);

// Registration of live objects.
void Track(Gdiplus::GpImage* image);
void Track(Gdiplus::GpGraphics* graphics);
Picture* FindPicture(Gdiplus::GpImage* image);
Canvas* FindCanvas(Gdiplus::GpGraphics* graphics);
void Forget(Gdiplus::GpImage* image);
void Forget(Gdiplus::GpGraphics* graphics);

}  // namespace platform::gdiplus
