// Where a lens view puts the lens, its controls and its status text for a
// client size: a plain function, so the arithmetic is checked without a window.
#pragma once

#include "platform/win32.h"

struct ViewLayout {
    static constexpr int kButtonCount = 5;

    float originX;
    float originY;
    RECT focalEdit;
    // "左移", "右移", "放大", "缩小", "更新", in this order.
    RECT buttons[kButtonCount];
    RECT status;
};

// Both sizes must be positive; the caller keeps its old layout otherwise.
ViewLayout LayOutView(bool convex, int width, int height);
