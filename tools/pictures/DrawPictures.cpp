// Draws the program's pictures and icon into a folder:
//   draw-pictures <folder>
// The results are committed in resources/; run this again after changing a
// drawing.
#include "tools/pictures/IcoFile.h"
#include "tools/pictures/Pictures.h"

#include <cstdio>
#include <functional>
#include <string>

namespace {

bool WritePicture(const std::string& path, int width, int height,
                  const std::function<void(cairo_t*)>& draw) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_BEST);
    draw(cr);
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!ok) std::fprintf(stderr, "draw-pictures: cannot write %s\n", path.c_str());
    return ok;
}

bool WriteIcon(const std::string& path) {
    std::vector<cairo_surface_t*> images;
    for (int size : {16, 32, 48, 64}) {
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
        cairo_t* cr = cairo_create(surface);
        pictures::DrawIcon(cr, size);
        cairo_destroy(cr);
        images.push_back(surface);
    }
    const bool ok = pictures::WriteIcoFile(path, images);
    for (cairo_surface_t* surface : images) cairo_surface_destroy(surface);
    if (!ok) std::fprintf(stderr, "draw-pictures: cannot write %s\n", path.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace pictures;
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw-pictures <folder>\n");
        return 2;
    }
    const std::string folder = std::string(argv[1]) + "/";
    bool ok = true;
    ok &= WritePicture(folder + "candle.png", kCandleWidth, kCandleHeight,
                       [](cairo_t* cr) { DrawCandle(cr, CandleLook::Lit); });
    ok &= WritePicture(folder + "candle-virtual.png", kCandleWidth, kCandleHeight,
                       [](cairo_t* cr) { DrawCandle(cr, CandleLook::Pale); });
    ok &= WritePicture(folder + "candle-real.png", kCandleWidth, kCandleHeight,
                       [](cairo_t* cr) { DrawCandle(cr, CandleLook::Inverted); });
    ok &= WritePicture(folder + "lens-convex.png", kLensWidth, kLensHeight, DrawConvexLens);
    ok &= WritePicture(folder + "lens-concave.png", kLensWidth, kLensHeight, DrawConcaveLens);
    ok &= WritePicture(folder + "button-faces.png", kButtonStripWidth, kButtonStripHeight, DrawButtonStrip);
    ok &= WriteIcon(folder + "lens-demo.ico");
    return ok ? 0 : 1;
}
