#include "platform/gdi/SurfaceCensus.h"

#include <cairo.h>

namespace platform::gdi {
namespace {

unsigned live = 0;
const cairo_user_data_key_t kCensusKey{};

void Finalised(void*) { --live; }

}  // namespace

cairo_surface_t* Counted(cairo_surface_t* surface)
{
    if (surface && cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS &&
        cairo_surface_set_user_data(surface, &kCensusKey, &live, Finalised) == CAIRO_STATUS_SUCCESS) {
        ++live;
    }
    return surface;
}

unsigned LiveSurfaceCount() { return live; }

}  // namespace platform::gdi
