// Drawing of the program's pictures. Each function draws onto a cairo
// context whose surface already has the picture's exact size and a
// transparent ground.
#pragma once

#include <cairo.h>

namespace pictures {

enum class CandleLook { Lit, Pale, Inverted };

constexpr int kCandleWidth = 50;
constexpr int kCandleHeight = 170;
constexpr int kLensWidth = 73;
constexpr int kLensHeight = 517;
constexpr int kButtonStripWidth = 256;
constexpr int kButtonStripHeight = 22;

void DrawCandle(cairo_t* cr, CandleLook look);
void DrawConvexLens(cairo_t* cr);
void DrawConcaveLens(cairo_t* cr);
void DrawButtonStrip(cairo_t* cr);
// The program icon at `size` pixels square.
void DrawIcon(cairo_t* cr, int size);

}  // namespace pictures
