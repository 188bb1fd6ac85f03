#pragma once

#include "platform/win32.h"

#include <vector>

// One unscaled copy of a jigsaw picture: the destination rectangle and the
// source offset relative to the picture's source rectangle. The source has
// the destination's size.
struct JigsawPiece {
    RECT destination;
    LONG sourceX;
    LONG sourceY;
};

// The pieces that draw a picture of sourceWidth x sourceHeight with the
// given margins into `destination`: corners copied once, edges and centre
// tiled (never stretched), in drawing order. Pieces that would come out
// empty are left out. Nothing when either size is not positive or a
// margin is negative.
std::vector<JigsawPiece> LayJigsaw(LONG sourceWidth, LONG sourceHeight, const RECT& margins,
                                   const RECT& destination);
