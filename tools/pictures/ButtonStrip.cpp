#include "tools/pictures/Pictures.h"

#include <cmath>

namespace pictures {
namespace {

struct Face {
    double top[3];
    double bottom[3];
    double border[3];
    double highlight;  // opacity of the white line under the top edge
};

// Normal, hover, pressed, disabled: 64 pixels each, left to right.
constexpr Face kFaces[4] = {
    {{0.36, 0.6, 0.92}, {0.15, 0.4, 0.78}, {0.08, 0.25, 0.55}, 0.45},
    {{0.6, 0.8, 1.0}, {0.35, 0.62, 0.95}, {0.15, 0.4, 0.72}, 0.6},
    {{0.06, 0.22, 0.52}, {0.12, 0.32, 0.66}, {0.03, 0.12, 0.35}, 0.0},
    {{0.84, 0.84, 0.84}, {0.7, 0.7, 0.7}, {0.52, 0.52, 0.52}, 0.5},
};
constexpr int kFaceWidth = kButtonStripWidth / 4;

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void DrawFace(cairo_t* cr, const Face& face, double x) {
    RoundedRect(cr, x + 0.5, 0.5, kFaceWidth - 1, kButtonStripHeight - 1, 4);
    cairo_pattern_t* fill = cairo_pattern_create_linear(0, 0, 0, kButtonStripHeight);
    cairo_pattern_add_color_stop_rgb(fill, 0, face.top[0], face.top[1], face.top[2]);
    cairo_pattern_add_color_stop_rgb(fill, 1, face.bottom[0], face.bottom[1], face.bottom[2]);
    cairo_set_source(cr, fill);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(fill);
    cairo_set_source_rgb(cr, face.border[0], face.border[1], face.border[2]);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (face.highlight > 0) {
        cairo_set_source_rgba(cr, 1, 1, 1, face.highlight);
        cairo_move_to(cr, x + 4, 1.5);
        cairo_line_to(cr, x + kFaceWidth - 4, 1.5);
        cairo_stroke(cr);
    }
}

}  // namespace

void DrawButtonStrip(cairo_t* cr) {
    for (int i = 0; i < 4; ++i) DrawFace(cr, kFaces[i], i * kFaceWidth);
}

}  // namespace pictures
