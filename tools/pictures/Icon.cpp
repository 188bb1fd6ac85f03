#include "tools/pictures/Pictures.h"

#include <algorithm>
#include <cmath>

namespace pictures {

// A small scene on a light tile: the axis, a candle on the left and a
// convex lens right of the middle, drawn in a 64-unit space and scaled.
void DrawIcon(cairo_t* cr, int size) {
    cairo_save(cr);
    cairo_scale(cr, size / 64.0, size / 64.0);
    const double line = std::max(1.0, 64.0 / size);

    cairo_new_sub_path(cr);
    const double r = 10;
    cairo_arc(cr, 62 - r, 2 + r, r, -M_PI / 2, 0);
    cairo_arc(cr, 62 - r, 62 - r, r, 0, M_PI / 2);
    cairo_arc(cr, 2 + r, 62 - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, 2 + r, 2 + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
    cairo_pattern_t* tile = cairo_pattern_create_linear(0, 2, 0, 62);
    cairo_pattern_add_color_stop_rgb(tile, 0, 1.0, 1.0, 1.0);
    cairo_pattern_add_color_stop_rgb(tile, 1, 0.82, 0.9, 0.98);
    cairo_set_source(cr, tile);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(tile);
    cairo_set_source_rgb(cr, 0.2, 0.4, 0.65);
    cairo_set_line_width(cr, 2 * line);
    cairo_stroke(cr);

    // Axis.
    cairo_set_source_rgb(cr, 0.25, 0.25, 0.3);
    cairo_set_line_width(cr, 1.5 * line);
    cairo_move_to(cr, 6, 44);
    cairo_line_to(cr, 58, 44);
    cairo_stroke(cr);

    // Candle: body standing on the axis, flame above.
    cairo_rectangle(cr, 11, 24, 9, 20);
    cairo_set_source_rgb(cr, 0.85, 0.15, 0.12);
    cairo_fill(cr);
    cairo_move_to(cr, 15.5, 9);
    cairo_curve_to(cr, 19, 15, 20.5, 18, 15.5, 22.5);
    cairo_curve_to(cr, 10.5, 18, 12, 15, 15.5, 9);
    cairo_set_source_rgb(cr, 1.0, 0.65, 0.05);
    cairo_fill(cr);

    // Biconvex lens crossing the axis.
    cairo_move_to(cr, 40, 8);
    cairo_curve_to(cr, 49, 20, 49, 44, 40, 56);
    cairo_curve_to(cr, 31, 44, 31, 20, 40, 8);
    cairo_close_path(cr);
    cairo_set_source_rgba(cr, 0.1, 0.75, 0.9, 0.85);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.0, 0.42, 0.58);
    cairo_set_line_width(cr, 1.5 * line);
    cairo_stroke(cr);
    cairo_restore(cr);
}

}  // namespace pictures
