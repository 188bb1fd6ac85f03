// A 32-bit top-down picture in a memory DC for tests that read pixels back:
// either blank, to draw on, or a copy of part of a window as it is on
// screen. Pixels are read from the bits, since scans touch many of them.
#pragma once

#include "platform/win32.h"

#include <cstdint>
#include <set>
#include <utility>

class Canvas {
public:
    static constexpr COLORREF kWhite = RGB(255, 255, 255);

    Canvas(int width, int height, COLORREF background = kWhite);
    // A copy of `area` of `window`; Pixel then takes the window's client
    // coordinates.
    Canvas(HWND window, const RECT& area);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const { return dc; }
    bool Valid() const { return dc && bitmap && pixels; }
    void Clear(COLORREF colour);
    // CLR_INVALID outside the picture.
    COLORREF Pixel(int x, int y) const;
    // Every pixel of `area` that is not `background`.
    std::set<std::pair<int, int>> Painted(RECT area, COLORREF background = kWhite) const;
    // Bounding box of everything not `background`; empty when nothing.
    RECT Ink(COLORREF background = kWhite) const;
    bool Untouched() const { return Ink(blank).right == 0; }

private:
    void Make(HDC compatible);

    int width, height;
    COLORREF blank;
    POINT origin{0, 0};
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    const std::uint32_t* pixels = nullptr;
};

// Colours within `tolerance` in each channel (scaling and blending round).
bool NearColour(COLORREF actual, COLORREF expected, int tolerance = 2);
