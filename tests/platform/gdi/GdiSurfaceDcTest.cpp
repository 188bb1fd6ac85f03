// The DC USER hands out for a window: drawing lands at the window's origin
// in the shared surface and never outside the window's clip.
#include "platform/gdi/SurfaceDc.h"
#include "tests/support/Canvas.h"

#include <cairo.h>
#include <gtest/gtest.h>

namespace {

TEST(GdiSurfaceDc, DrawsAtTheOriginWithinTheClip) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 50, 40);
    HDC dc = platform::CreateSurfaceDc(surface, POINT{10, 5}, RECT{10, 5, 30, 25});
    ASSERT_NE(dc, nullptr);
    cairo_surface_destroy(surface);  // the DC keeps its own reference
    const COLORREF red = RGB(255, 0, 0);
    HBRUSH brush = CreateSolidBrush(red);
    RECT everything{-100, -100, 100, 100};
    FillRect(dc, &everything, brush);
    DeleteObject(brush);
    EXPECT_EQ(GetPixel(dc, 20, 0), CLR_INVALID);
    MoveToEx(dc, -5, 2, nullptr);
    LineTo(dc, 40, 2);

    Canvas copy(50, 40, 0);
    EXPECT_TRUE(BitBlt(copy.Dc(), 0, 0, 50, 40, dc, -10, -5, SRCCOPY));
    // Surface pixel (10, 5) is the DC's (0, 0); the line ran at surface y 7.
    const struct { int x, y; COLORREF colour; } probes[] = {
        {10, 5, red}, {29, 24, red}, {9, 5, 0}, {30, 5, 0}, {10, 7, 0}, {29, 7, 0}, {10, 25, 0}};
    for (const auto& p : probes) EXPECT_EQ(copy.Pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
    // Surface DCs are released only through USER's path, not DeleteDC.
    EXPECT_FALSE(DeleteDC(dc));
    platform::DestroySurfaceDc(dc);

    cairo_surface_t* narrow = cairo_image_surface_create(CAIRO_FORMAT_A8, 10, 10);
    EXPECT_EQ(platform::CreateSurfaceDc(narrow, POINT{0, 0}, RECT{0, 0, 10, 10}), nullptr);
    cairo_surface_destroy(narrow);
    EXPECT_EQ(platform::CreateSurfaceDc(nullptr, POINT{0, 0}, RECT{0, 0, 10, 10}), nullptr);
}

}  // namespace
