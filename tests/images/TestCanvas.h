#pragma once

#include "platform/win32.h"

// A white memory bitmap selected into a memory DC, for drawing tests that
// read pixels back.
class TestCanvas {
public:
    TestCanvas(int width, int height, COLORREF background = RGB(255, 255, 255));
    ~TestCanvas();
    TestCanvas(const TestCanvas&) = delete;
    TestCanvas& operator=(const TestCanvas&) = delete;

    HDC Dc() const { return dc_; }
    COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }
    // True when every pixel still has the background colour.
    bool Untouched() const;

private:
    int width_;
    int height_;
    COLORREF background_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// Colours within `tolerance` in each channel (scaling and blending round).
bool NearColour(COLORREF actual, COLORREF expected, int tolerance = 2);
