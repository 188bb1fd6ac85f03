// The list window's arithmetic, free of any window: where rows go, when the
// vertical bar is needed, and where a scroll request lands.
#pragma once

#include <cstdint>

struct KyListLayout {
    // Item area in client coordinates.
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool needsVerticalBar = false;
    // The vertical offset after clamping to the new content.
    int vOffset = 0;
};

// Lays out a window of outer size width x height. `barWidth` and `barHeight`
// are the system sizes of a vertical and a horizontal scrollbar. Content is
// never wider than the rows, so the horizontal bar is never needed.
KyListLayout LayoutList(int width, int height, bool bordered, int contentHeight, int vOffset,
                        int barWidth, int barHeight);

// The vertical offset that brings a row (top `rowTop`, height `rowHeight`)
// into an item area `areaHeight` high; scrolls as little as possible.
int OffsetShowingRow(int vOffset, int rowTop, int rowHeight, int areaHeight, int contentHeight);

// Keyboard scrolling from `position` (largest `max`) in a window
// `windowHeight` high. Keys that do not scroll leave the position as it is.
uint32_t PositionAfterKey(unsigned virtualKey, uint32_t position, uint32_t max, int windowHeight);

// Wheel scrolling by `wheelDelta` (multiples of 120 per notch, positive away
// from the user) with `step` pixels per notch.
uint32_t PositionAfterWheel(int wheelDelta, uint32_t step, uint32_t position, uint32_t max);
