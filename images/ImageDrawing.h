#pragma once

#include "images/DrawingSurface.h"
#include "images/KyJigsawImage.h"

// True when the image holds a bitmap, private or in the pool.
bool HasPicture(const KyImage& image);

// Draws the source columns [sx, sx + sw) and rows [0, sh) of the image's
// source rectangle scaled into (dx, dy, dw, dh), blended by the picture's
// alpha. False for an empty image or a zero size.
bool DrawImage(HDC dc, const KyImage& image, int dx, int dy, int dw, int dh, int sx, int sw, int sh);

// One scaled copy onto an existing surface. A negative destination size
// draws nothing and counts as done. The part of the source that reaches past
// the bitmap is cut off, with the destination cut in proportion.
bool DrawPiece(const KyImage& image, DrawingSurface& surface, int dx, int dy, int dw, int dh,
               int sx, int sy, int sw, int sh);

// Draws a framed picture into `destination` in nine pieces (see LayJigsaw).
// True when there was something to draw, whatever the single pieces gave.
bool DrawJigsaw(HDC dc, const KyJigsawImage& image, const RECT& destination);
bool DrawJigsawSized(HDC dc, const KyJigsawImage& image, int width, int height);
