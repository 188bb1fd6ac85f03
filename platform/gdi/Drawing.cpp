// Lines, fills and copies on a DC.
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/LineRasterizer.h"
#include "platform/gdi/SegmentClip.h"
#include "platform/gdi/SurfaceCensus.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace platform::gdi;

namespace {

PixelTarget TargetOf(DeviceContext* dc) {
    int stride = 0;
    uint32_t* pixels = dc->Pixels(&stride);
    return {pixels, stride, dc->clip};
}

// Coordinates far outside any surface are pulled in first, so that no sum
// below can overflow; nothing that far out is ever visible.
constexpr int kFarAway = 1 << 28;

int Near(int64_t value) { return static_cast<int>(std::clamp<int64_t>(value, -kFarAway, kFarAway)); }

POINT ToSurface(const DeviceContext* dc, int x, int y) { return dc->ToDevice(x, y); }

// A one-pixel pen stays one logical pixel wide: a band of this many surface pixels.
int ThinWidth(const DeviceContext* dc) { return std::max(1, static_cast<int>(std::lround(dc->scale))); }

RECT Normalized(int left, int top, int right, int bottom) {
    left = Near(left);
    top = Near(top);
    right = Near(right);
    bottom = Near(bottom);
    return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

void Finish(DeviceContext* dc, const RECT& dirty) {
    if (dirty.right > dirty.left && dirty.bottom > dirty.top) dc->MarkDirty(dirty);
}

// Wide pens go through cairo: round caps and joins, as a GDI geometric pen.
// cairo's fixed-point coordinates wrap beyond about 2^23, so each segment is
// first cut to the clip widened by the pen; with round caps and joins the
// separate segments cover exactly what the joined path would.
void StrokeWide(DeviceContext* dc, const Pen& pen, const std::vector<POINT>& points) {
    // The clip is in surface pixels, the segments in logical ones.
    const double margin = pen.width + 2.0, s = dc->scale;
    const Bounds reach{dc->clip.left / s - dc->origin.x - margin, dc->clip.top / s - dc->origin.y - margin,
                       dc->clip.right / s - dc->origin.x + margin, dc->clip.bottom / s - dc->origin.y + margin};
    cairo_t* cr = dc->BeginCairo();
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_source_rgb(cr, GetRValue(pen.colour) / 255.0, GetGValue(pen.colour) / 255.0,
                         GetBValue(pen.colour) / 255.0);
    cairo_set_line_width(cr, pen.width);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // GDI centres an odd width on the pixel and an even one on its corner.
    const double centre = pen.width % 2 ? 0.5 : 0.0;
    for (size_t i = 1; i < points.size(); ++i) {
        Segment segment{points[i - 1].x + centre, points[i - 1].y + centre, points[i].x + centre,
                        points[i].y + centre};
        if (!ClipSegment(segment, reach)) continue;
        cairo_move_to(cr, segment.x0, segment.y0);
        cairo_line_to(cr, segment.x1, segment.y1);
    }
    cairo_stroke(cr);
    dc->EndCairo();
}

RECT Union(const RECT& a, const RECT& b) {
    if (a.right <= a.left) return b;
    if (b.right <= b.left) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

bool Within(double value) { return value >= -kFarAway && value <= kFarAway; }

// A one-pixel segment in surface pixels. Ends within kFarAway are mapped
// exactly as every other coordinate, so the rasteriser draws GDI's own
// pixels; a segment reaching further is cut there along its own slope.
bool ThinSegmentOnSurface(const DeviceContext* dc, POINT a, POINT b, POINT& from, POINT& to) {
    const double s = dc->scale;
    Segment segment{(double(a.x) + dc->origin.x) * s, (double(a.y) + dc->origin.y) * s,
                    (double(b.x) + dc->origin.x) * s, (double(b.y) + dc->origin.y) * s};
    if (Within(segment.x0) && Within(segment.y0) && Within(segment.x1) && Within(segment.y1)) {
        from = ToSurface(dc, a.x, a.y);
        to = ToSurface(dc, b.x, b.y);
        return true;
    }
    if (!ClipSegment(segment, {-double(kFarAway), -double(kFarAway), double(kFarAway), double(kFarAway)}))
        return false;
    from = {LONG(std::lround(segment.x0)), LONG(std::lround(segment.y0))};
    to = {LONG(std::lround(segment.x1)), LONG(std::lround(segment.y1))};
    return true;
}

// One segment as a band of `ThinWidth` rasterised lines, side by side across its run.
RECT DrawThinSegment(DeviceContext* dc, const PixelTarget& target, POINT a, POINT b, const LineStyle& style) {
    const bool xMajor = std::llabs(int64_t(b.x) - a.x) > std::llabs(int64_t(b.y) - a.y);
    POINT from{}, to{};
    if (!ThinSegmentOnSurface(dc, a, b, from, to)) return {0, 0, 0, 0};
    RECT dirty{0, 0, 0, 0};
    for (int band = ThinWidth(dc); band > 0; --band) {
        dirty = Union(dirty, RasterizeLine(target, from, to, style));
        ++(xMajor ? from.y : from.x);
        ++(xMajor ? to.y : to.x);
    }
    return dirty;
}

void DrawThin(DeviceContext* dc, const Pen& pen, const std::vector<POINT>& points) {
    PixelTarget target = TargetOf(dc);
    LineStyle style{ToPixel(pen.colour), pen.style, dc->backMode == OPAQUE, ToPixel(dc->backColour), dc->scale};
    RECT dirty{0, 0, 0, 0};
    for (size_t i = 1; i < points.size(); ++i) {
        dirty = Union(dirty, DrawThinSegment(dc, target, points[i - 1], points[i], style));
    }
    Finish(dc, dirty);
}

// A copy between two surfaces of one scale and layout is a row-by-row
// memcpy: cairo's general path goes through pixman at half that speed, which
// at 4K is a whole millisecond and more of every frame. `copied` is in source
// pixels and lands at `at` on the destination, inside its clip.
bool CopyRows(DeviceContext* dest, DeviceContext* source, const RECT& copied, POINT at) {
    const cairo_format_t from = cairo_image_surface_get_format(source->surface);
    const cairo_format_t to = cairo_image_surface_get_format(dest->surface);
    // ARGB32 into RGB24 keeps the colour bytes as they are; RGB24 into ARGB32
    // would have to make every pixel opaque, which cairo does.
    if (source->surface == dest->surface || (from != to && to != CAIRO_FORMAT_RGB24)) return false;
    int sourceStride = 0, destStride = 0;
    const uint32_t* in = source->Pixels(&sourceStride);
    uint32_t* out = dest->Pixels(&destStride);
    if (!in || !out) return false;
    const size_t bytes = static_cast<size_t>(copied.right - copied.left) * sizeof(uint32_t);
    for (LONG y = copied.top; y < copied.bottom; ++y) {
        std::memcpy(out + static_cast<ptrdiff_t>(at.y + y - copied.top) * destStride + at.x,
                    in + static_cast<ptrdiff_t>(y) * sourceStride + copied.left, bytes);
    }
    dest->MarkDirty({at.x, at.y, at.x + copied.right - copied.left, at.y + copied.bottom - copied.top});
    return true;
}

// A polyline in logical coordinates with the DC's pen.
void StrokePolyline(DeviceContext* dc, const std::vector<POINT>& points) {
    const Pen& pen = *dc->pen;
    if (pen.style == PS_NULL) return;
    if (pen.width <= 1) {
        DrawThin(dc, pen, points);
    } else {
        StrokeWide(dc, pen, points);
    }
}

}  // namespace

BOOL MoveToEx(HDC handle, int x, int y, LPPOINT previous) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc) return FALSE;
    if (previous) *previous = dc->position;
    dc->position = {x, y};
    return TRUE;
}

BOOL LineTo(HDC handle, int x, int y) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc) return FALSE;
    StrokePolyline(dc, {dc->position, {x, y}});
    dc->position = {x, y};
    return TRUE;
}

int FillRect(HDC handle, const RECT* rect, HBRUSH brushHandle) {
    DeviceContext* dc = LookupDc(handle);
    auto* brush = LookupAs<Brush>(brushHandle, Kind::Brush);
    if (!dc || !rect || !brush) return 0;
    if (brush->hollow) return 1;
    RECT area = Normalized(rect->left, rect->top, rect->right, rect->bottom);
    Finish(dc, FillPixels(TargetOf(dc), dc->ToDevice(area), ToPixel(brush->colour)));
    return 1;
}

COLORREF GetPixel(HDC handle, int x, int y) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc) return CLR_INVALID;
    POINT at = ToSurface(dc, x, y);
    const RECT& clip = dc->clip;
    if (at.x < clip.left || at.x >= clip.right || at.y < clip.top || at.y >= clip.bottom) return CLR_INVALID;
    int stride = 0;
    uint32_t pixel = dc->Pixels(&stride)[static_cast<ptrdiff_t>(at.y) * stride + at.x];
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

BOOL Rectangle(HDC handle, int left, int top, int right, int bottom) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc) return FALSE;
    RECT area = Normalized(left, top, right, bottom);
    const bool outlined = dc->pen->style != PS_NULL;
    // Without a pen GDI fills one pixel less to the right and bottom.
    RECT inside = outlined ? RECT{area.left + 1, area.top + 1, area.right - 1, area.bottom - 1}
                           : RECT{area.left, area.top, area.right - 1, area.bottom - 1};
    if (!dc->brush->hollow && inside.right > inside.left && inside.bottom > inside.top) {
        Finish(dc, FillPixels(TargetOf(dc), dc->ToDevice(inside), ToPixel(dc->brush->colour)));
    }
    if (outlined && area.right > area.left && area.bottom > area.top) {
        const int r = area.right - 1;
        const int b = area.bottom - 1;
        if (dc->pen->width <= 1 && dc->pen->style == PS_SOLID) {
            PixelTarget target = TargetOf(dc);
            uint32_t colour = ToPixel(dc->pen->colour);
            const RECT outer = dc->ToDevice(area);
            const int w = ThinWidth(dc);
            FillPixels(target, {outer.left, outer.top, outer.right, outer.top + w}, colour);
            FillPixels(target, {outer.left, outer.bottom - w, outer.right, outer.bottom}, colour);
            FillPixels(target, {outer.left, outer.top, outer.left + w, outer.bottom}, colour);
            FillPixels(target, {outer.right - w, outer.top, outer.right, outer.bottom}, colour);
            Finish(dc, outer);
        } else {
            StrokePolyline(dc, {{area.left, area.top}, {r, area.top}, {r, b}, {area.left, b}, {area.left, area.top}});
        }
    }
    return TRUE;
}

BOOL BitBlt(HDC destHandle, int x, int y, int width, int height, HDC sourceHandle, int sourceX, int sourceY,
            DWORD rop) {
    DeviceContext* dest = LookupDc(destHandle);
    DeviceContext* source = LookupDc(sourceHandle);
    if (!dest || !source || rop != SRCCOPY) return FALSE;
    if (width <= 0 || height <= 0) return TRUE;
    width = Near(width);
    height = Near(height);
    x = Near(x);
    y = Near(y);
    // Everything happens in surface pixels. Between DCs of one scale that is
    // a plain copy; otherwise the source is resampled to the nearest pixel.
    // Only pixels that exist in the source are copied; the rest of the
    // destination stays as it was.
    const RECT target = dest->ToDevice(RECT{x, y, x + width, y + height});
    const double ratio = dest->scale / source->scale;  // destination pixels per source pixel
    POINT from = ToSurface(source, sourceX, sourceY);
    RECT sourceArea{from.x, from.y, from.x + Near(std::lround((target.right - target.left) / ratio)),
                    from.y + Near(std::lround((target.bottom - target.top) / ratio))};
    RECT bounds{0, 0, cairo_image_surface_get_width(source->surface),
                cairo_image_surface_get_height(source->surface)};
    RECT copied;
    if (!IntersectRect(&copied, &sourceArea, &bounds)) return TRUE;
    // Only what lands inside the destination's clip is copied: cairo never
    // sees a rectangle beyond the range of its fixed-point coordinates.
    const RECT& clip = dest->clip;
    const double reachLeft = std::floor((double(clip.left) - target.left) / ratio);
    const double reachTop = std::floor((double(clip.top) - target.top) / ratio);
    const double reachRight = std::ceil((double(clip.right) - target.left) / ratio);
    const double reachBottom = std::ceil((double(clip.bottom) - target.top) / ratio);
    RECT reach{Near(int64_t(from.x + reachLeft)), Near(int64_t(from.y + reachTop)), Near(int64_t(from.x + reachRight)),
               Near(int64_t(from.y + reachBottom))};
    if (!IntersectRect(&copied, &copied, &reach)) return TRUE;

    if (ratio == 1 && CopyRows(dest, source, copied,
                               {target.left + copied.left - from.x, target.top + copied.top - from.y})) {
        return TRUE;
    }

    cairo_surface_t* image = source->surface;
    cairo_surface_t* copy = nullptr;
    if (image == dest->surface) {
        // Overlapping copies within one surface need the source taken first.
        copy = Counted(cairo_surface_create_similar_image(image, cairo_image_surface_get_format(image),
                                                          copied.right - copied.left, copied.bottom - copied.top));
        cairo_t* grab = cairo_create(copy);
        cairo_set_source_surface(grab, image, -copied.left, -copied.top);
        cairo_set_operator(grab, CAIRO_OPERATOR_SOURCE);
        cairo_paint(grab);
        cairo_destroy(grab);
    }
    cairo_t* cr = dest->BeginDeviceCairo();
    // From here on user space is the source's pixels, `from` at `target`'s corner.
    cairo_translate(cr, target.left, target.top);
    cairo_scale(cr, ratio, ratio);
    cairo_translate(cr, -from.x, -from.y);
    if (copy) {
        cairo_set_source_surface(cr, copy, copied.left, copied.top);
    } else {
        cairo_set_source_surface(cr, image, 0, 0);
    }
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_rectangle(cr, copied.left, copied.top, copied.right - copied.left, copied.bottom - copied.top);
    cairo_fill(cr);
    dest->EndCairo();
    if (copy) cairo_surface_destroy(copy);
    return TRUE;
}

BOOL SetRect(LPRECT rect, int left, int top, int right, int bottom) {
    if (!rect) return FALSE;
    *rect = {left, top, right, bottom};
    return TRUE;
}

BOOL IntersectRect(LPRECT dest, const RECT* a, const RECT* b) {
    if (!dest || !a || !b) return FALSE;
    RECT result{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                std::min(a->bottom, b->bottom)};
    if (a->left >= a->right || a->top >= a->bottom || b->left >= b->right || b->top >= b->bottom ||
        result.left >= result.right || result.top >= result.bottom) {
        *dest = {0, 0, 0, 0};
        return FALSE;
    }
    *dest = result;
    return TRUE;
}
