#include "tests/support/Canvas.h"

#include <cstdlib>

Canvas::Canvas(int width, int height, COLORREF background) : width(width), height(height), blank(background)
{
    Make(nullptr);
    Clear(background);
}

Canvas::Canvas(HWND window, const RECT& area)
    : width(area.right - area.left), height(area.bottom - area.top), blank(kWhite), origin{area.left, area.top}
{
    HDC windowDc = GetDC(window);
    Make(windowDc);
    BitBlt(dc, 0, 0, width, height, windowDc, area.left, area.top, SRCCOPY);
    ReleaseDC(window, windowDc);
}

void Canvas::Make(HDC compatible)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    dc = CreateCompatibleDC(compatible);
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<const std::uint32_t*>(bits);
    previous = SelectObject(dc, bitmap);
}

Canvas::~Canvas()
{
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void Canvas::Clear(COLORREF colour)
{
    const RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
}

COLORREF Canvas::Pixel(int x, int y) const
{
    x -= origin.x, y -= origin.y;
    if (!pixels || x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    // Asking GDI for a pixel first makes sure no drawing is still batched.
    GetPixel(dc, 0, 0);
    const std::uint32_t pixel = pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

std::set<std::pair<int, int>> Canvas::Painted(RECT area, COLORREF background) const
{
    std::set<std::pair<int, int>> painted;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (Pixel(x, y) != background) painted.insert({x, y});
    return painted;
}

RECT Canvas::Ink(COLORREF background) const
{
    RECT box{width, height, 0, 0};
    for (const auto& [x, y] : Painted({origin.x, origin.y, origin.x + width, origin.y + height}, background))
        box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
    return box.right <= box.left ? RECT{0, 0, 0, 0} : box;
}

bool NearColour(COLORREF actual, COLORREF expected, int tolerance)
{
    return std::abs(GetRValue(actual) - GetRValue(expected)) <= tolerance &&
           std::abs(GetGValue(actual) - GetGValue(expected)) <= tolerance &&
           std::abs(GetBValue(actual) - GetBValue(expected)) <= tolerance;
}
