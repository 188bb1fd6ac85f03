#include "platform/gdi/PngMemory.h"

#include <cstring>

#include "platform/gdi/SurfaceCensus.h"

namespace platform::gdi {
namespace {

struct Reader {
    const unsigned char* bytes;
    size_t size;
    size_t position;
};

cairo_status_t ReadBytes(void* closure, unsigned char* data, unsigned int length) {
    auto* reader = static_cast<Reader*>(closure);
    if (reader->size - reader->position < length) return CAIRO_STATUS_READ_ERROR;
    std::memcpy(data, reader->bytes + reader->position, length);
    reader->position += length;
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

cairo_surface_t* SurfaceFromPng(const unsigned char* bytes, size_t size) {
    Reader reader{bytes, size, 0};
    cairo_surface_t* surface = Counted(cairo_image_surface_create_from_png_stream(ReadBytes, &reader));
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return nullptr;
    }
    return surface;
}

}  // namespace platform::gdi
