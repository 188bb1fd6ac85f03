// The "ScrollBar" control (SBS_HORZ or SBS_VERT): one object per window,
// driven by ControlProc. It only reports what the user asks for; the
// parent decides the new position and sets it back.
#pragma once

#include "platform/controls/ScrollGeometry.h"

namespace platform::controls {

class ScrollBarControl {
public:
    explicit ScrollBarControl(HWND hwnd) : hwnd(hwnd) {}
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    LRESULT SetInfo(BOOL redraw, const SCROLLINFO* info);
    LRESULT GetInfo(SCROLLINFO* info) const;
    LRESULT SetPosition(int position, BOOL redraw);
    LRESULT SetRange(int min, int max, BOOL redraw);

    void Press(POINT p);
    void Move(POINT p);
    void Release();
    void Repeat();
    void Key(WPARAM key);
    // Sends WM_HSCROLL or WM_VSCROLL; false when the control is gone.
    bool Notify(WORD code, WORD position = 0);

    bool Vertical() const;
    int Along(POINT p) const;
    int Length() const;
    ScrollLayout Layout() const;
    // Within the band around the bar where a dragged thumb still follows.
    bool NearBar(POINT p) const;
    void Paint();
    void PaintArrow(HDC dc, const RECT& rect, bool first, bool pressed, bool enabled) const;
    RECT Span(int from, int to) const;  // a piece of the bar, across its full breadth

    HWND hwnd;
    ScrollRange range;
    ScrollPart tracking = ScrollPart::None;
    POINT pointer = {};
    // Thumb dragging.
    int grabOffset = 0;   // pointer minus thumb start when grabbed
    int startThumb = 0;   // thumb start when grabbed
    int dragThumb = 0;    // thumb start as drawn while dragging
    int trackValue = 0;
    int lastAlong = -1;
};

}  // namespace platform::controls
