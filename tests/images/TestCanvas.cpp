#include "TestCanvas.h"

#include <cstdlib>

TestCanvas::TestCanvas(int width, int height, COLORREF background)
    : width_(width), height_(height), background_(background)
{
    // A 32-bit top-down section: the same pixel format on every display.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
}

TestCanvas::~TestCanvas()
{
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
}

bool TestCanvas::Untouched() const
{
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (Pixel(x, y) != background_)
                return false;
        }
    }
    return true;
}

bool NearColour(COLORREF actual, COLORREF expected, int tolerance)
{
    return std::abs(int(GetRValue(actual)) - int(GetRValue(expected))) <= tolerance
        && std::abs(int(GetGValue(actual)) - int(GetGValue(expected))) <= tolerance
        && std::abs(int(GetBValue(actual)) - int(GetBValue(expected))) <= tolerance;
}
