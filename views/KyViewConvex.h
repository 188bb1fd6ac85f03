// The convex (converging) lens: a real, inverted image beyond the focal
// point, a virtual, upright one inside it, none at it.
#pragma once

#include "views/KyViewBase.h"

class KyViewConvex : public KyViewBase {
public:
    KyViewConvex();

    void DrawRays(HDC dc, const RECT& area) override;
    void Recompute() override;

private:
    void ComputeImagePosition(float u);
};
