#include "platform/gdi/DeviceContext.h"
#include "platform/kernel/FaultInjection.h"

#include "platform/display/DisplayScale.h"
#include "platform/gdi/SurfaceDc.h"

#include <cairo.h>

#include <utility>

namespace platform::gdi {
namespace {

DeviceContext* NewDc() {
    auto dc = std::make_unique<DeviceContext>();
    DeviceContext* raw = dc.get();
    if (!Register(std::move(dc))) return nullptr;
    raw->pen = StockPen(BLACK_PEN);
    raw->brush = StockBrush(WHITE_BRUSH);
    raw->font = StockFont();
    Retain(raw->pen);
    Retain(raw->brush);
    Retain(raw->font);
    return raw;
}

void AttachBitmap(DeviceContext* dc, Bitmap* bitmap) {
    dc->surface = bitmap->surface;
    dc->origin = {0, 0};
    dc->scale = bitmap->scale;
    dc->clip = {0, 0, platform::ToDevice(bitmap->width, bitmap->scale), platform::ToDevice(bitmap->height, bitmap->scale)};
}

RECT SurfaceBounds(cairo_surface_t* surface) {
    return {0, 0, cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface)};
}

}  // namespace

DeviceContext::~DeviceContext() {
    if (cairo) cairo_destroy(cairo);
    if (!memory && surface) cairo_surface_destroy(surface);
    if (bitmap && !bitmap->stock) bitmap->selectedInto = nullptr;
    for (GdiObject* object : {static_cast<GdiObject*>(pen), static_cast<GdiObject*>(brush),
                              static_cast<GdiObject*>(font), static_cast<GdiObject*>(bitmap)}) {
        if (object) ReleaseSelection(object);
    }
}

POINT DeviceContext::ToDevice(int x, int y) const {
    return {platform::ToDevice(double(x) + origin.x, scale), platform::ToDevice(double(y) + origin.y, scale)};
}

RECT DeviceContext::ToDevice(const RECT& logical) const {
    POINT topLeft = ToDevice(logical.left, logical.top);
    POINT bottomRight = ToDevice(logical.right, logical.bottom);
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

cairo_t* DeviceContext::BeginCairo(const RECT* logicalClip) {
    cairo_t* cr = BeginDeviceCairo();
    if (logicalClip) {
        // Clipped in surface pixels, so that a fractional scale leaves no
        // half-covered pixels at the edge.
        RECT device = ToDevice(*logicalClip);
        cairo_rectangle(cr, device.left, device.top, device.right - device.left, device.bottom - device.top);
        cairo_clip(cr);
    }
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, origin.x, origin.y);
    return cr;
}

cairo_t* DeviceContext::BeginDeviceCairo() {
    // A memory DC changes surface when another bitmap is selected.
    if (cairo && cairo_get_target(cairo) != surface) {
        cairo_destroy(cairo);
        cairo = nullptr;
    }
    if (!cairo) cairo = cairo_create(surface);
    cairo_save(cairo);
    cairo_rectangle(cairo, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top);
    cairo_clip(cairo);
    return cairo;
}

void DeviceContext::EndCairo() { cairo_restore(cairo); }

void DeviceContext::Retarget(cairo_surface_t* other) {
    if (cairo) cairo_destroy(cairo);
    cairo = nullptr;
    cairo_surface_reference(other);
    if (!memory && surface) cairo_surface_destroy(surface);
    surface = other;
}

uint32_t* DeviceContext::Pixels(int* stride) {
    cairo_surface_flush(surface);
    *stride = cairo_image_surface_get_stride(surface) / 4;
    return reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface));
}

void DeviceContext::MarkDirty(const RECT& dirty) {
    cairo_surface_mark_dirty_rectangle(surface, dirty.left, dirty.top, dirty.right - dirty.left,
                                       dirty.bottom - dirty.top);
}

DeviceContext* LookupDc(HDC dc) { return LookupAs<DeviceContext>(dc, Kind::Dc); }

}  // namespace platform::gdi

using namespace platform::gdi;

HDC platform::CreateSurfaceDc(cairo_surface_t* surface, POINT origin, const RECT& clip, double scale) {
    if (!surface || cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS ||
        cairo_surface_get_type(surface) != CAIRO_SURFACE_TYPE_IMAGE ||
        (cairo_image_surface_get_format(surface) != CAIRO_FORMAT_RGB24 &&
         cairo_image_surface_get_format(surface) != CAIRO_FORMAT_ARGB32)) {
        return nullptr;
    }
    DeviceContext* dc = NewDc();
    if (!dc) return nullptr;
    dc->surface = cairo_surface_reference(surface);
    dc->origin = origin;
    dc->scale = dc->compatibleScale = platform::NearestDisplayScale(scale);
    RECT bounds = SurfaceBounds(surface);
    const double s = dc->scale;
    RECT device{platform::ToDevice(clip.left, s), platform::ToDevice(clip.top, s), platform::ToDevice(clip.right, s),
                platform::ToDevice(clip.bottom, s)};
    if (!IntersectRect(&dc->clip, &device, &bounds)) dc->clip = {0, 0, 0, 0};
    return reinterpret_cast<HDC>(static_cast<GdiObject*>(dc));
}

void platform::DetachSurfaceDc(HDC handle, cairo_surface_t* surface) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || dc->memory || dc->surface != surface) return;
    dc->Retarget(StockBitmap()->surface);
    dc->clip = {0, 0, 0, 0};
}

void platform::DestroySurfaceDc(HDC handle) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || dc->memory) return;
    Unregister(dc);
    delete dc;
}

HDC CreateCompatibleDC(HDC reference) {
    DeviceContext* like = reference ? LookupDc(reference) : nullptr;
    if (reference && !like) return nullptr;
    DeviceContext* dc = NewDc();
    if (!dc) return nullptr;
    dc->memory = true;
    // Without a reference the DC is compatible with the screen.
    dc->compatibleScale = like ? like->compatibleScale : platform::DisplayScale();
    Bitmap* bitmap = StockBitmap();
    Retain(bitmap);
    dc->bitmap = bitmap;
    AttachBitmap(dc, bitmap);
    return reinterpret_cast<HDC>(static_cast<GdiObject*>(dc));
}

BOOL DeleteDC(HDC handle) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || !dc->memory) return FALSE;
    Unregister(dc);
    delete dc;
    return TRUE;
}

HBITMAP CreateCompatibleBitmap(HDC handle, int width, int height) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || width < 0 || height < 0) return nullptr;
    if (width == 0 || height == 0) return reinterpret_cast<HBITMAP>(static_cast<GdiObject*>(StockBitmap()));
    if (platform::faults::ShouldFail(platform::faults::Site::Surface)) return nullptr;
    const double scale = dc->compatibleScale;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, platform::ToDevice(width, scale),
                                                          platform::ToDevice(height, scale));
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->surface = surface;
    bitmap->width = width;
    bitmap->height = height;
    bitmap->scale = scale;
    return reinterpret_cast<HBITMAP>(Register(std::move(bitmap)));
}

HBITMAP CreateDIBSection(HDC handle, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset) {
    if (bits) *bits = nullptr;
    if (handle && !LookupDc(handle)) return nullptr;
    if (!info || usage != DIB_RGB_COLORS || section || offset) return nullptr;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    // Bottom-up rows would need the memory flipped against cairo's layout.
    if (header.biBitCount != 32 || header.biCompression != BI_RGB || header.biWidth <= 0 ||
        header.biHeight >= 0) {
        return nullptr;
    }
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, header.biWidth, -header.biHeight);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    auto bitmap = std::make_unique<Bitmap>();
    bitmap->surface = surface;
    bitmap->width = header.biWidth;
    bitmap->height = -header.biHeight;
    GdiObject* object = Register(std::move(bitmap));
    if (object && bits) *bits = cairo_image_surface_get_data(surface);
    return reinterpret_cast<HBITMAP>(object);
}

HGDIOBJ SelectObject(HDC handle, HGDIOBJ objectHandle) {
    DeviceContext* dc = LookupDc(handle);
    GdiObject* object = Lookup(objectHandle);
    if (!dc || !object || object->deletePending) return nullptr;
    GdiObject* previous = nullptr;
    switch (object->kind) {
        case Kind::Pen: previous = dc->pen; dc->pen = static_cast<Pen*>(object); break;
        case Kind::Brush: previous = dc->brush; dc->brush = static_cast<Brush*>(object); break;
        case Kind::Font: previous = dc->font; dc->font = static_cast<Font*>(object); break;
        case Kind::Bitmap: {
            auto* bitmap = static_cast<Bitmap*>(object);
            if (!dc->memory) return nullptr;
            if (!bitmap->stock && bitmap->selectedInto && bitmap->selectedInto != dc) return nullptr;
            previous = dc->bitmap;
            if (dc->bitmap && !dc->bitmap->stock) dc->bitmap->selectedInto = nullptr;
            dc->bitmap = bitmap;
            if (!bitmap->stock) bitmap->selectedInto = dc;
            AttachBitmap(dc, bitmap);
            break;
        }
        case Kind::Dc: return nullptr;
    }
    if (previous == object) return previous;
    Retain(object);
    // The previous object may be deleted here if DeleteObject was waiting for
    // it; the caller only gets its handle back, as on Windows.
    ReleaseSelection(previous);
    return previous;
}

int SetBkMode(HDC handle, int mode) {
    DeviceContext* dc = LookupDc(handle);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    return std::exchange(dc->backMode, mode);
}

int GetBkMode(HDC handle) {
    DeviceContext* dc = LookupDc(handle);
    return dc ? dc->backMode : 0;
}

COLORREF SetTextColor(HDC handle, COLORREF colour) {
    DeviceContext* dc = LookupDc(handle);
    return dc ? std::exchange(dc->textColour, colour & 0xFFFFFF) : CLR_INVALID;
}

COLORREF GetTextColor(HDC handle) {
    DeviceContext* dc = LookupDc(handle);
    return dc ? dc->textColour : CLR_INVALID;
}

COLORREF SetBkColor(HDC handle, COLORREF colour) {
    DeviceContext* dc = LookupDc(handle);
    return dc ? std::exchange(dc->backColour, colour & 0xFFFFFF) : CLR_INVALID;
}

COLORREF GetBkColor(HDC handle) {
    DeviceContext* dc = LookupDc(handle);
    return dc ? dc->backColour : CLR_INVALID;
}
