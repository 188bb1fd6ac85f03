// PNG decoding through cairo's reader, which gives premultiplied ARGB32 (or
// RGB24 for pictures without alpha): exactly what source-over drawing wants.
#include "platform/gdiplus/Picture.h"
#include "platform/gdi/SurfaceCensus.h"

#include "platform/gdi/PngMemory.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace platform::gdiplus {
namespace {

const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

uint32_t BigEndian(const unsigned char* at) {
    return (uint32_t(at[0]) << 24) | (uint32_t(at[1]) << 16) | (uint32_t(at[2]) << 8) | at[3];
}

// The format Windows reports: alpha when the colour type carries it or a
// transparency chunk is present; palette pictures are indexed.
Gdiplus::PixelFormat FormatOf(const unsigned char* bytes, size_t size) {
    const unsigned char colourType = bytes[25];
    bool transparency = colourType == 4 || colourType == 6;
    for (size_t at = 8; !transparency && at + 8 <= size;) {
        uint32_t length = BigEndian(bytes + at);
        if (std::memcmp(bytes + at + 4, "tRNS", 4) == 0) transparency = true;
        if (std::memcmp(bytes + at + 4, "IDAT", 4) == 0 || length > size - at - 8) break;
        at += size_t(length) + 12;
    }
    if (transparency) return PixelFormat32bppARGB;
    return colourType == 3 ? PixelFormat8bppIndexed : PixelFormat24bppRGB;
}

}  // namespace

Picture* DecodePng(const unsigned char* bytes, size_t size) {
    if (!bytes || size < 33 || std::memcmp(bytes, kSignature, sizeof kSignature) != 0 ||
        std::memcmp(bytes + 12, "IHDR", 4) != 0) {
        return nullptr;
    }
    cairo_surface_t* surface = gdi::SurfaceFromPng(bytes, size);
    if (!surface) return nullptr;
    auto* picture = new (std::nothrow) Picture;
    if (!picture) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    picture->surface = surface;
    picture->width = cairo_image_surface_get_width(surface);
    picture->height = cairo_image_surface_get_height(surface);
    picture->format = FormatOf(bytes, size);
    return picture;
}

}  // namespace platform::gdiplus
