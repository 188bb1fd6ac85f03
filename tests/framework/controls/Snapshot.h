// A copy of part of a window as it is on screen, so a test can look at many
// pixels without asking the system for each one.
#pragma once

#include "platform/win32.h"

class Snapshot {
public:
    Snapshot(HWND window, const RECT& area)
        : origin{area.left, area.top}
    {
        HDC windowDc = GetDC(window);
        dc = CreateCompatibleDC(windowDc);
        bitmap = CreateCompatibleBitmap(windowDc, area.right - area.left, area.bottom - area.top);
        initial = SelectObject(dc, bitmap);
        BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, windowDc, area.left, area.top,
               SRCCOPY);
        ReleaseDC(window, windowDc);
    }
    ~Snapshot()
    {
        SelectObject(dc, initial);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Snapshot(const Snapshot&) = delete;
    Snapshot& operator=(const Snapshot&) = delete;

    // In the window's client coordinates.
    COLORREF Pixel(int x, int y) const { return GetPixel(dc, x - origin.x, y - origin.y); }

private:
    POINT origin;
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ initial = nullptr;
};
