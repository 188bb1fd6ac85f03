// The arithmetic of a scroll bar, without a window: range, page and position
// rules, where the arrows, shaft and thumb lie along the bar, and which
// position a dragged thumb stands for. Measured along the bar, in pixels.
#pragma once

#include "platform/win32.h"

namespace platform::controls {

struct ScrollRange {
    int min = 0;
    int max = 100;  // a new scroll bar control's range is 0 to 100
    int page = 0;
    int pos = 0;

    // The largest position: max - page + 1 (or max without a page).
    int LastPosition() const;
    int Clamp(int position) const;
    // SBM_SETSCROLLINFO: applies the fields of the mask, then repairs page
    // and position as Windows does. False when the structure is not valid.
    bool Apply(const SCROLLINFO& info);
};

enum class ScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

struct ScrollLayout {
    int length = 0;     // of the whole bar
    int arrow = 0;      // each arrow button
    int thumbPos = 0;   // from the start of the bar; 0 with no thumb
    int thumbSize = 0;  // 0: no thumb

    ScrollPart PartAt(int along) const;
};

// `enabled` false draws no thumb, as for a disabled bar.
ScrollLayout LayOut(const ScrollRange& range, int length, bool enabled);
// The position that a thumb whose start is at `thumbPos` stands for.
int PositionForThumb(const ScrollRange& range, int length, int thumbPos);

}  // namespace platform::controls
