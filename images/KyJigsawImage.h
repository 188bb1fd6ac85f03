#pragma once

#include "images/KyImage.h"

// A framed picture drawn into a rectangle of any size in nine pieces: the
// corners as they are, the edges and the centre tiled between them.
class KyJigsawImage : public KyImage {
public:
    ~KyJigsawImage() override = default;

    void Release() override;

    // Widths of the left and right columns and heights of the top and bottom
    // rows, in source pixels. Every load resets them to 0, so they are set
    // after loading. Negative values are refused.
    bool SetMargins(const RECT& margins);
    const RECT& Margins() const { return margins; }

private:
    RECT margins{0, 0, 0, 0};
};
