// The concave (diverging) lens: always a virtual, upright, diminished image
// between the near focal point and the lens.
#pragma once

#include "views/KyViewBase.h"

class KyViewConcave : public KyViewBase {
public:
    KyViewConcave();

    void DrawRays(HDC dc, const RECT& area) override;
    void Recompute() override;
};
