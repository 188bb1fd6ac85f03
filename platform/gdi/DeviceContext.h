// A device context: where drawing goes (a cairo image surface, the origin of
// logical (0, 0) on it and the clip in surface pixels) and the drawing state
// Windows keeps per DC. Memory DCs draw into their selected bitmap; surface
// DCs (BeginPaint, GetDC) into a window's part of a top-level surface.
#pragma once

#include "platform/gdi/GdiObjects.h"

typedef struct _cairo cairo_t;

namespace platform::gdi {

struct DeviceContext : GdiObject {
    DeviceContext() : GdiObject(Kind::Dc) {}
    ~DeviceContext() override;

    bool memory = false;
    cairo_surface_t* surface = nullptr;  // referenced, not owned
    POINT origin{};
    RECT clip{};  // surface pixels, already within the surface

    Pen* pen = nullptr;
    Brush* brush = nullptr;
    Font* font = nullptr;
    Bitmap* bitmap = nullptr;  // memory DCs only

    POINT position{};
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF backColour = RGB(255, 255, 255);
    int backMode = OPAQUE;

    // A cairo context on `surface`, translated to `origin` and clipped to
    // `clip`, saved so the caller can restore it with EndCairo.
    cairo_t* BeginCairo();
    void EndCairo();

    // Pixel access for our own rasterisers: flushes cairo, and after the
    // caller wrote, marks `dirty` (surface pixels) as changed.
    uint32_t* Pixels(int* stride);
    void MarkDirty(const RECT& dirty);

private:
    cairo_t* cairo_ = nullptr;
};

DeviceContext* LookupDc(HDC dc);

}  // namespace platform::gdi
