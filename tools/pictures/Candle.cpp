#include "tools/pictures/Pictures.h"

#include <cmath>

namespace pictures {
namespace {

struct Colour {
    double r, g, b;
};

// The pale look stands for a virtual image: same shapes, washed towards
// white and partly see-through, so it reads as "not really there".
Colour Tint(Colour c, CandleLook look) {
    if (look != CandleLook::Pale) return c;
    const double keep = 0.6;
    return {c.r * keep + (1 - keep), c.g * keep + (1 - keep), c.b * keep + (1 - keep)};
}

double Opacity(CandleLook look) { return look == CandleLook::Pale ? 0.85 : 1.0; }

void AddStop(cairo_pattern_t* p, double offset, Colour c, CandleLook look, double alpha) {
    const Colour t = Tint(c, look);
    cairo_pattern_add_color_stop_rgba(p, offset, t.r, t.g, t.b, alpha * Opacity(look));
}

void SetSource(cairo_t* cr, Colour c, CandleLook look, double alpha = 1.0) {
    const Colour t = Tint(c, look);
    cairo_set_source_rgba(cr, t.r, t.g, t.b, alpha * Opacity(look));
}

constexpr double kCentre = kCandleWidth / 2.0;
constexpr double kBodyLeft = 11.5;
constexpr double kBodyRight = 38.5;
constexpr double kBodyTop = 66.0;
constexpr double kBodyBottom = kCandleHeight - 0.5;
constexpr double kWickTop = 52.0;

void DrawGlow(cairo_t* cr, CandleLook look) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(kCentre, 36, 0, kCentre, 36, 25);
    AddStop(glow, 0.0, {1.0, 0.93, 0.55}, look, 0.55);
    AddStop(glow, 0.55, {1.0, 0.85, 0.35}, look, 0.2);
    AddStop(glow, 1.0, {1.0, 0.8, 0.3}, look, 0.0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, kCentre, 36, 25, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
}

// A drop shape: round at the bottom, drawn out to a point at the top.
void FlamePath(cairo_t* cr, double top, double bottom, double halfWidth) {
    const double radius = halfWidth;
    const double centreY = bottom - radius;
    cairo_move_to(cr, kCentre, top);
    cairo_curve_to(cr, kCentre + halfWidth * 0.35, top + (centreY - top) * 0.35,
                   kCentre + halfWidth * 1.05, centreY - radius * 1.2, kCentre + halfWidth, centreY);
    cairo_arc(cr, kCentre, centreY, radius, 0, M_PI);
    cairo_curve_to(cr, kCentre - halfWidth * 1.05, centreY - radius * 1.2,
                   kCentre - halfWidth * 0.35, top + (centreY - top) * 0.35, kCentre, top);
    cairo_close_path(cr);
}

void DrawFlame(cairo_t* cr, CandleLook look) {
    FlamePath(cr, 8, 58, 9.5);
    cairo_pattern_t* outer = cairo_pattern_create_linear(0, 8, 0, 58);
    AddStop(outer, 0.0, {1.0, 0.45, 0.05}, look, 0.9);
    AddStop(outer, 0.45, {1.0, 0.7, 0.1}, look, 1.0);
    AddStop(outer, 1.0, {1.0, 0.85, 0.3}, look, 1.0);
    cairo_set_source(cr, outer);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(outer);
    SetSource(cr, {0.85, 0.35, 0.0}, look, 0.8);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    FlamePath(cr, 22, 56, 5.5);
    cairo_pattern_t* inner = cairo_pattern_create_linear(0, 22, 0, 56);
    AddStop(inner, 0.0, {1.0, 0.95, 0.6}, look, 1.0);
    AddStop(inner, 0.7, {1.0, 1.0, 0.92}, look, 1.0);
    AddStop(inner, 1.0, {0.55, 0.7, 1.0}, look, 1.0);
    cairo_set_source(cr, inner);
    cairo_fill(cr);
}

void DrawWick(cairo_t* cr, CandleLook look) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2.2);
    SetSource(cr, {0.18, 0.12, 0.1}, look);
    cairo_move_to(cr, kCentre, kBodyTop + 1);
    cairo_curve_to(cr, kCentre, kBodyTop - 5, kCentre + 1.5, kWickTop + 4, kCentre + 1, kWickTop);
    cairo_stroke(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
}

// The wax: a rounded rim with a shallow dip, a few drips down the side and
// a cylinder shading from a lit left edge to a shaded right edge.
void BodyPath(cairo_t* cr) {
    cairo_move_to(cr, kBodyLeft, kBodyTop + 3);
    cairo_curve_to(cr, kBodyLeft, kBodyTop - 1, kBodyLeft + 3, kBodyTop - 1, kCentre - 6, kBodyTop);
    cairo_curve_to(cr, kCentre - 3, kBodyTop + 2.5, kCentre + 3, kBodyTop + 2.5, kCentre + 6, kBodyTop);
    cairo_curve_to(cr, kBodyRight - 3, kBodyTop - 1, kBodyRight, kBodyTop - 1, kBodyRight, kBodyTop + 3);
    cairo_line_to(cr, kBodyRight, kBodyBottom);
    cairo_line_to(cr, kBodyLeft, kBodyBottom);
    cairo_close_path(cr);
}

void DrawBody(cairo_t* cr, CandleLook look) {
    BodyPath(cr);
    cairo_pattern_t* wax = cairo_pattern_create_linear(kBodyLeft, 0, kBodyRight, 0);
    AddStop(wax, 0.0, {0.78, 0.1, 0.1}, look, 1.0);
    AddStop(wax, 0.28, {0.98, 0.42, 0.38}, look, 1.0);
    AddStop(wax, 0.6, {0.86, 0.16, 0.14}, look, 1.0);
    AddStop(wax, 1.0, {0.55, 0.05, 0.06}, look, 1.0);
    cairo_set_source(cr, wax);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(wax);
    SetSource(cr, {0.42, 0.03, 0.04}, look);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);

    // Drips of molten wax running down from the rim.
    SetSource(cr, {0.95, 0.35, 0.32}, look, 0.9);
    const double drips[][3] = {{kBodyLeft + 5.5, 15, 2.2}, {kCentre + 5, 9, 1.8}};
    for (const auto& d : drips) {
        const double x = d[0], length = d[1], half = d[2];
        cairo_move_to(cr, x - half, kBodyTop + 1);
        cairo_line_to(cr, x - half, kBodyTop + length);
        cairo_arc_negative(cr, x, kBodyTop + length, half, M_PI, 0);
        cairo_line_to(cr, x + half, kBodyTop + 1);
        cairo_close_path(cr);
        cairo_fill(cr);
    }

    // The melted pool at the top.
    cairo_save(cr);
    cairo_translate(cr, kCentre, kBodyTop + 1.5);
    cairo_scale(cr, 11.5, 2.2);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetSource(cr, {1.0, 0.62, 0.55}, look);
    cairo_fill(cr);
}

}  // namespace

void DrawCandle(cairo_t* cr, CandleLook look) {
    cairo_save(cr);
    if (look == CandleLook::Inverted) {
        cairo_translate(cr, 0, kCandleHeight);
        cairo_scale(cr, 1, -1);
    }
    DrawGlow(cr, look);
    DrawBody(cr, look);
    DrawWick(cr, look);
    DrawFlame(cr, look);
    cairo_restore(cr);
}

}  // namespace pictures
