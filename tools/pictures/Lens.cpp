#include "tools/pictures/Pictures.h"

#include <cmath>

namespace pictures {
namespace {

constexpr double kInset = 1.0;
constexpr double kTop = kInset;
constexpr double kBottom = kLensHeight - kInset;
constexpr double kMiddleY = kLensHeight / 2.0;
constexpr double kCentreX = kLensWidth / 2.0;

// The circle arc through (x, kTop), (apexX, kMiddleY) and (x, kBottom),
// from top to bottom or bottom to top; it stands for one lens surface.
void SurfaceArc(cairo_t* cr, double x, double apexX, bool downwards) {
    const double halfHeight = (kBottom - kTop) / 2.0;
    const double sagitta = std::fabs(apexX - x);
    const double radius = (halfHeight * halfHeight + sagitta * sagitta) / (2.0 * sagitta);
    const double centreX = apexX < x ? apexX + radius : apexX - radius;
    const double angle = std::asin(halfHeight / radius);
    const double mid = apexX < x ? M_PI : 0.0;
    const bool clockwise = (apexX < x) != downwards;
    const double from = downwards ? (apexX < x ? mid + angle : mid - angle) : (apexX < x ? mid - angle : mid + angle);
    const double to = downwards ? (apexX < x ? mid - angle : mid + angle) : (apexX < x ? mid + angle : mid - angle);
    if (clockwise)
        cairo_arc(cr, centreX, kMiddleY, radius, from, to);
    else
        cairo_arc_negative(cr, centreX, kMiddleY, radius, from, to);
}

// Glass: cyan, more opaque at the thick parts, with a soft highlight band
// left of the middle so the lens reads as a solid body on a projector.
void FillGlass(cairo_t* cr, bool convex) {
    cairo_pattern_t* glass = cairo_pattern_create_linear(0, 0, kLensWidth, 0);
    const double edge = convex ? 0.55 : 0.75;
    const double middle = convex ? 0.75 : 0.5;
    cairo_pattern_add_color_stop_rgba(glass, 0.0, 0.0, 0.68, 0.85, edge);
    cairo_pattern_add_color_stop_rgba(glass, 0.3, 0.55, 0.92, 1.0, middle);
    cairo_pattern_add_color_stop_rgba(glass, 0.5, 0.25, 0.82, 0.95, middle);
    cairo_pattern_add_color_stop_rgba(glass, 1.0, 0.0, 0.6, 0.78, edge);
    cairo_set_source(cr, glass);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(glass);
    cairo_set_source_rgba(cr, 0.0, 0.45, 0.6, 1.0);
    cairo_set_line_width(cr, 1.6);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

}  // namespace

void DrawConvexLens(cairo_t* cr) {
    const double left = kInset + 0.5;
    const double right = kLensWidth - kInset - 0.5;
    cairo_move_to(cr, kCentreX, kTop);
    SurfaceArc(cr, kCentreX, right, true);
    SurfaceArc(cr, kCentreX, left, false);
    cairo_close_path(cr);
    FillGlass(cr, true);
}

void DrawConcaveLens(cairo_t* cr) {
    const double left = kInset + 0.5;
    const double right = kLensWidth - kInset - 0.5;
    const double waist = 5.0;
    cairo_move_to(cr, left, kTop);
    cairo_line_to(cr, right, kTop);
    SurfaceArc(cr, right, kCentreX + waist, true);
    cairo_line_to(cr, left, kBottom);
    SurfaceArc(cr, left, kCentreX - waist, false);
    cairo_close_path(cr);
    FillGlass(cr, false);
}

}  // namespace pictures
