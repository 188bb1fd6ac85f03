// A device context: where drawing goes (a cairo image surface, the origin of
// logical (0, 0) on it, the clip in surface pixels and how many surface
// pixels a logical one spans) and the drawing state Windows keeps per DC. Memory DCs draw into their selected bitmap; surface
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
    POINT origin{};  // logical: a surface DC's window sits at (origin * scale)
    RECT clip{};     // surface pixels, already within the surface
    double scale = 1;            // surface pixels per logical pixel
    double compatibleScale = 1;  // what CreateCompatibleBitmap gives its bitmaps

    Pen* pen = nullptr;
    Brush* brush = nullptr;
    Font* font = nullptr;
    Bitmap* bitmap = nullptr;  // memory DCs only

    POINT position{};
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF backColour = RGB(255, 255, 255);
    int backMode = OPAQUE;

    // The surface pixel where logical (x, y) starts; also for rectangles.
    POINT ToDevice(int x, int y) const;
    RECT ToDevice(const RECT& logical) const;

    // A cairo context on `surface` in logical units (scaled, translated to
    // `origin`), clipped to `clip` and to `logicalClip` when given, saved so
    // the caller can restore it with EndCairo.
    cairo_t* BeginCairo(const RECT* logicalClip = nullptr);
    // The same in surface pixels, for copies that must not be resampled.
    cairo_t* BeginDeviceCairo();
    void EndCairo();

    // Pixel access for our own rasterisers: flushes cairo, and after the
    // caller wrote, marks `dirty` (surface pixels) as changed.
    uint32_t* Pixels(int* stride);
    void MarkDirty(const RECT& dirty);

    // A surface DC moves to `other` (referenced), letting go of its surface.
    void Retarget(cairo_surface_t* other);

private:
    cairo_t* cairo = nullptr;
};

DeviceContext* LookupDc(HDC dc);

}  // namespace platform::gdi
