#include "images/DrawingSurface.h"

DrawingSurface::DrawingSurface(HDC dc)
{
    status_ = Gdiplus::DllExports::GdipCreateFromHDC(dc, &graphics_);
    if (status_ == Gdiplus::Ok && !graphics_)
        status_ = Gdiplus::GenericError;
    if (status_ != Gdiplus::Ok)
        graphics_ = nullptr;
}

DrawingSurface::~DrawingSurface()
{
    if (graphics_)
        Gdiplus::DllExports::GdipDeleteGraphics(graphics_);
}
