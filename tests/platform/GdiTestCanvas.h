// A 32-bit memory DC to draw on in tests, read back with GetPixel.
#pragma once

#include "platform/win32.h"

#include <set>
#include <utility>

class GdiTestCanvas {
public:
    GdiTestCanvas(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
        Clear(RGB(255, 255, 255));
    }
    ~GdiTestCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    GdiTestCanvas(const GdiTestCanvas&) = delete;
    GdiTestCanvas& operator=(const GdiTestCanvas&) = delete;

    HDC dc() const { return dc_; }
    bool valid() const { return dc_ && bitmap_ && previous_; }

    void Clear(COLORREF colour) {
        RECT all{0, 0, width_, height_};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }

    // Every pixel of `area` that is not `background`.
    std::set<std::pair<int, int>> Painted(RECT area, COLORREF background = RGB(255, 255, 255)) const {
        std::set<std::pair<int, int>> painted;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (GetPixel(dc_, x, y) != background) painted.insert({x, y});
            }
        }
        return painted;
    }

    // Bounding box of everything not `background`; empty when nothing.
    RECT Ink(COLORREF background = RGB(255, 255, 255)) const {
        RECT box{width_, height_, 0, 0};
        for (const auto& [x, y] : Painted({0, 0, width_, height_}, background)) {
            if (x < box.left) box.left = x;
            if (y < box.top) box.top = y;
            if (x + 1 > box.right) box.right = x + 1;
            if (y + 1 > box.bottom) box.bottom = y + 1;
        }
        if (box.right <= box.left) box = {0, 0, 0, 0};
        return box;
    }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};
