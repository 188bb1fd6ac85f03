#include "images/DrawingSurface.h"

DrawingSurface::DrawingSurface(HDC dc)
{
    status = Gdiplus::DllExports::GdipCreateFromHDC(dc, &graphics);
    if (status == Gdiplus::Ok && !graphics)
        status = Gdiplus::GenericError;
    if (status != Gdiplus::Ok)
        graphics = nullptr;
}

DrawingSurface::~DrawingSurface()
{
    if (graphics)
        Gdiplus::DllExports::GdipDeleteGraphics(graphics);
}
