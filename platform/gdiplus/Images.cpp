// GDI+ start-up and the bitmap functions of the flat API.
#include "platform/gdiplus/Picture.h"
#include "platform/gdi/SurfaceCensus.h"
#include "platform/kernel/FaultInjection.h"

#include "platform/kernel/WideText.h"

#include <cairo.h>

#include <cstdio>
#include <cwchar>
#include <mutex>
#include <new>
#include <string>
#include <unordered_set>
#include <vector>

namespace platform::gdiplus {
namespace {

struct Tables {
    std::mutex mutex;
    std::unordered_set<Gdiplus::GpImage*> images;
    std::unordered_set<Gdiplus::GpGraphics*> graphics;
};

Tables& TheTables() {
    static Tables* tables = new Tables;  // pictures may be disposed by static destructors
    return *tables;
}

Gdiplus::GpStatus Publish(Picture* picture, Gdiplus::GpBitmap** bitmap) {
    if (!picture) return Gdiplus::GenericError;
    Track(picture);
    *bitmap = picture;
    return Gdiplus::Ok;
}

}  // namespace

Picture::~Picture() {
    if (surface) cairo_surface_destroy(surface);
}

void Track(Gdiplus::GpImage* image) {
    std::lock_guard lock(TheTables().mutex);
    TheTables().images.insert(image);
}

void Track(Gdiplus::GpGraphics* graphics) {
    std::lock_guard lock(TheTables().mutex);
    TheTables().graphics.insert(graphics);
}

Picture* FindPicture(Gdiplus::GpImage* image) {
    std::lock_guard lock(TheTables().mutex);
    return TheTables().images.count(image) ? static_cast<Picture*>(image) : nullptr;
}

Canvas* FindCanvas(Gdiplus::GpGraphics* graphics) {
    std::lock_guard lock(TheTables().mutex);
    return TheTables().graphics.count(graphics) ? static_cast<Canvas*>(graphics) : nullptr;
}

void Forget(Gdiplus::GpImage* image) {
    std::lock_guard lock(TheTables().mutex);
    TheTables().images.erase(image);
}

void Forget(Gdiplus::GpGraphics* graphics) {
    std::lock_guard lock(TheTables().mutex);
    TheTables().graphics.erase(graphics);
}

}  // namespace platform::gdiplus

using namespace platform::gdiplus;
namespace Gdiplus {

namespace {
ULONG_PTR nextToken = 1;
}

Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input, GdiplusStartupOutput* output) {
    if (!token || !input) return InvalidParameter;
    if (input->GdiplusVersion < 1 || input->GdiplusVersion > 3) return UnsupportedGdiplusVersion;
    // Without the background thread the caller must take the hooks.
    if (input->SuppressBackgroundThread && !output) return InvalidParameter;
    if (platform::faults::ShouldFail(platform::faults::Site::GdiplusStartup)) return GenericError;
    if (output) *output = GdiplusStartupOutput{};
    *token = nextToken++;
    return Ok;
}

VOID GdiplusShutdown(ULONG_PTR) {}

namespace DllExports {

GpStatus GdipCreateBitmapFromStream(IStream* stream, GpBitmap** bitmap) {
    if (!stream || !bitmap) return InvalidParameter;
    *bitmap = nullptr;
    if (platform::faults::ShouldFail(platform::faults::Site::Decode)) return OutOfMemory;
    std::vector<unsigned char> bytes;
    unsigned char chunk[16384];
    for (;;) {
        ULONG read = 0;
        HRESULT result = stream->Read(chunk, sizeof chunk, &read);
        if (FAILED(result)) return GenericError;
        bytes.insert(bytes.end(), chunk, chunk + read);
        if (read < sizeof chunk) break;
    }
    return Publish(DecodePng(bytes.data(), bytes.size()), bitmap);
}

GpStatus GdipCreateBitmapFromFile(GDIPCONST WCHAR* fileName, GpBitmap** bitmap) {
    if (!fileName || !bitmap) return InvalidParameter;
    *bitmap = nullptr;
    FILE* file = std::fopen(platform::kernel::Utf8FromWide(fileName).c_str(), "rb");
    if (!file) return InvalidParameter;
    std::vector<unsigned char> bytes;
    unsigned char chunk[16384];
    size_t read;
    while ((read = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + read);
    const bool failed = std::ferror(file);
    std::fclose(file);
    if (failed) return InvalidParameter;
    return Publish(DecodePng(bytes.data(), bytes.size()), bitmap);
}

GpStatus GdipGetImageWidth(GpImage* image, UINT* width) {
    Picture* picture = FindPicture(image);
    if (!picture || !width) return InvalidParameter;
    *width = static_cast<UINT>(picture->width);
    return Ok;
}

GpStatus GdipGetImageHeight(GpImage* image, UINT* height) {
    Picture* picture = FindPicture(image);
    if (!picture || !height) return InvalidParameter;
    *height = static_cast<UINT>(picture->height);
    return Ok;
}

GpStatus GdipGetImagePixelFormat(GpImage* image, PixelFormat* format) {
    Picture* picture = FindPicture(image);
    if (!picture || !format) return InvalidParameter;
    *format = picture->format;
    return Ok;
}

GpStatus GdipCloneBitmapAreaI(INT x, INT y, INT width, INT height, PixelFormat format, GpBitmap* source,
                              GpBitmap** clone) {
    Picture* picture = FindPicture(source);
    if (!picture || !clone || x < 0 || y < 0 || width <= 0 || height <= 0 || x > picture->width - width ||
        y > picture->height - height) {
        return InvalidParameter;
    }
    cairo_surface_t* surface =
        platform::gdi::Counted(cairo_image_surface_create(cairo_image_surface_get_format(picture->surface), width, height));
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return OutOfMemory;
    }
    cairo_t* cr = cairo_create(surface);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, picture->surface, -x, -y);
    cairo_paint(cr);
    cairo_destroy(cr);
    auto* copy = new (std::nothrow) Picture;
    if (!copy) {
        cairo_surface_destroy(surface);
        return OutOfMemory;
    }
    copy->surface = surface;
    copy->width = width;
    copy->height = height;
    copy->format = format;
    Track(copy);
    *clone = copy;
    return Ok;
}

GpStatus GdipDisposeImage(GpImage* image) {
    Picture* picture = FindPicture(image);
    if (!picture) return InvalidParameter;
    Forget(image);
    delete picture;
    return Ok;
}

}  // namespace DllExports
}  // namespace Gdiplus
