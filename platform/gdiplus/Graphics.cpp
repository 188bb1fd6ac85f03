// Drawing surfaces on DCs and the scaled, alpha-blended picture drawing.
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/SurfaceCensus.h"
#include "platform/kernel/FaultInjection.h"
#include "platform/gdiplus/Picture.h"

#include <cairo.h>

#include <algorithm>
#include <new>

using namespace platform::gdiplus;
using platform::gdi::DeviceContext;
using platform::gdi::LookupDc;

namespace Gdiplus::DllExports {

GpStatus GdipCreateFromHDC(HDC dc, GpGraphics** graphics) {
    if (!graphics) return InvalidParameter;
    if (!dc) return OutOfMemory;  // what Windows answers for a null DC
    if (!LookupDc(dc)) return InvalidParameter;
    auto* canvas = new (std::nothrow) Canvas;
    if (!canvas) return OutOfMemory;
    canvas->dc = dc;
    Track(canvas);
    *graphics = canvas;
    return Ok;
}

GpStatus GdipDeleteGraphics(GpGraphics* graphics) {
    Canvas* canvas = FindCanvas(graphics);
    if (!canvas) return InvalidParameter;
    Forget(graphics);
    delete canvas;
    return Ok;
}

GpStatus GdipDrawImageRectRectI(GpGraphics* graphics, GpImage* image, INT dstX, INT dstY, INT dstWidth,
                                INT dstHeight, INT srcX, INT srcY, INT srcWidth, INT srcHeight, GpUnit srcUnit,
                                GDIPCONST GpImageAttributes* attributes, DrawImageAbort, VOID*) {
    Canvas* canvas = FindCanvas(graphics);
    Picture* picture = FindPicture(image);
    if (!canvas || !picture) return InvalidParameter;
    if (platform::faults::ShouldFail(platform::faults::Site::Draw)) return GenericError;
    if (srcUnit != UnitPixel || attributes) return NotImplemented;
    if (srcWidth == 0 || srcHeight == 0) return InvalidParameter;
    DeviceContext* dc = LookupDc(canvas->dc);
    if (!dc) return InvalidParameter;
    if (dstWidth == 0 || dstHeight == 0) return Ok;

    // Only the part of the source rectangle inside the picture is drawn; the
    // destination shrinks with it in proportion.
    const double scaleX = double(dstWidth) / srcWidth;
    const double scaleY = double(dstHeight) / srcHeight;
    const int srcLeft = std::min(srcX, srcX + srcWidth), srcRight = std::max(srcX, srcX + srcWidth);
    const int srcTop = std::min(srcY, srcY + srcHeight), srcBottom = std::max(srcY, srcY + srcHeight);
    const int left = std::max(srcLeft, 0), right = std::min(srcRight, picture->width);
    const int top = std::max(srcTop, 0), bottom = std::min(srcBottom, picture->height);
    if (left >= right || top >= bottom) return Ok;

    // What cairo fills is cut to the DC's clip (in logical units) first: a
    // destination millions of pixels away is beyond its fixed-point range.
    const double x1 = dstX + (left - srcX) * scaleX, x2 = dstX + (right - srcX) * scaleX;
    const double y1 = dstY + (top - srcY) * scaleY, y2 = dstY + (bottom - srcY) * scaleY;
    const double fillLeft = std::max(std::min(x1, x2), double(dc->clip.left) - dc->origin.x);
    const double fillRight = std::min(std::max(x1, x2), double(dc->clip.right) - dc->origin.x);
    const double fillTop = std::max(std::min(y1, y2), double(dc->clip.top) - dc->origin.y);
    const double fillBottom = std::min(std::max(y1, y2), double(dc->clip.bottom) - dc->origin.y);
    if (!(fillLeft < fillRight && fillTop < fillBottom)) return Ok;

    // The source part as a surface of its own, extended by its edge pixels:
    // bilinear filtering then never fades the picture's border into nothing
    // and never blends in pixels from outside the part.
    cairo_surface_t* part = platform::gdi::Counted(
        cairo_surface_create_for_rectangle(picture->surface, left, top, right - left, bottom - top));
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(part);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    const bool unscaled = dstWidth == srcWidth && dstHeight == srcHeight;
    cairo_pattern_set_filter(pattern, unscaled ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_BILINEAR);
    // Pattern space is the part's pixels; user space is the DC's logical one.
    cairo_matrix_t matrix;
    cairo_matrix_init_scale(&matrix, 1.0 / scaleX, 1.0 / scaleY);
    cairo_matrix_translate(&matrix, -dstX, -dstY);
    cairo_matrix_t shift;
    cairo_matrix_init_translate(&shift, srcX - left, srcY - top);
    cairo_matrix_multiply(&matrix, &matrix, &shift);
    cairo_pattern_set_matrix(pattern, &matrix);

    cairo_t* cr = dc->BeginCairo();
    cairo_set_source(cr, pattern);
    cairo_rectangle(cr, fillLeft, fillTop, fillRight - fillLeft, fillBottom - fillTop);
    cairo_fill(cr);
    dc->EndCairo();
    cairo_pattern_destroy(pattern);
    cairo_surface_destroy(part);
    return Ok;
}

}  // namespace Gdiplus::DllExports
