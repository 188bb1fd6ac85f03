#pragma once

#include "platform/win32.h"

// A GDI+ graphics object on a caller's device context for the length of one
// drawing call. It carries the status of the last GDI+ call made on it.
class DrawingSurface {
public:
    explicit DrawingSurface(HDC dc);
    ~DrawingSurface();
    DrawingSurface(const DrawingSurface&) = delete;
    DrawingSurface& operator=(const DrawingSurface&) = delete;

    Gdiplus::GpGraphics* Graphics() const { return graphics; }
    Gdiplus::GpStatus Status() const { return status; }
    void SetStatus(Gdiplus::GpStatus value) { status = value; }

private:
    Gdiplus::GpGraphics* graphics = nullptr;
    Gdiplus::GpStatus status = Gdiplus::Ok;
};
