// One-pixel lines exactly as GDI draws them: Bresenham with GDI's choice on
// ties (octants 3, 5, 6 and 8 take a bias), the end point left out, and the
// cosmetic dash patterns stepping once per pixel. cairo cannot do this: its
// non-anti-aliased lines differ from GDI on reversed lines, exact halves and
// dashes, and it is several times slower than writing the pixels here.
#pragma once

#include "platform/types.h"

namespace platform::gdi {

struct PixelTarget {
    uint32_t* pixels;
    int stride;  // in pixels
    RECT clip;   // pixels outside are not written
};

struct LineStyle {
    uint32_t colour;       // 0xFFRRGGBB, valid for RGB24 and ARGB32 surfaces
    int style;             // PS_SOLID, PS_DASH or PS_DOT
    bool opaqueGaps;       // gaps of a pattern take `gapColour`
    uint32_t gapColour;
    double stretch = 1;    // pattern pixels per pixel: dashes keep their length on a scaled surface
};

// Draws from `from` towards `to` (both in surface pixels), excluding `to`.
// Returns the bounding box of what may have changed (empty when nothing).
RECT RasterizeLine(const PixelTarget& target, POINT from, POINT to, const LineStyle& style);

// Fills [rect) clipped to the target.
RECT FillPixels(const PixelTarget& target, RECT rect, uint32_t colour);

uint32_t ToPixel(COLORREF colour);

}  // namespace platform::gdi
