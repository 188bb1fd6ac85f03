// The DC USER hands out for a window: drawing lands at the window's origin
// in the shared surface and never outside the window's clip.
#include "platform/gdi/SurfaceDc.h"
#include "platform/win32.h"

#include <cairo.h>
#include <gtest/gtest.h>

namespace {

TEST(GdiSurfaceDc, DrawsAtTheOriginWithinTheClip) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 50, 40);
    HDC dc = platform::CreateSurfaceDc(surface, POINT{10, 5}, RECT{10, 5, 30, 25});
    ASSERT_NE(dc, nullptr);
    cairo_surface_destroy(surface);  // the DC keeps its own reference

    RECT everything{-100, -100, 100, 100};
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    FillRect(dc, &everything, red);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 19, 19), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 20, 0), CLR_INVALID);

    MoveToEx(dc, -5, 2, nullptr);
    LineTo(dc, 40, 2);

    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 50, 40);
    HGDIOBJ old = SelectObject(memory, bitmap);
    EXPECT_TRUE(BitBlt(memory, 0, 0, 50, 40, dc, -10, -5, SRCCOPY));
    // Surface pixel (10, 5) is the DC's (0, 0); the line ran at surface y 7.
    EXPECT_EQ(GetPixel(memory, 10, 5), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(memory, 9, 5), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(memory, 30, 5), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(memory, 10, 7), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(memory, 29, 7), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(memory, 30, 7), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(memory, 10, 25), RGB(0, 0, 0));

    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DeleteObject(red);
    // Surface DCs are released only through USER's path, not DeleteDC.
    EXPECT_FALSE(DeleteDC(dc));
    platform::DestroySurfaceDc(dc);
}

TEST(GdiSurfaceDc, RefusesSurfacesItCannotDrawInto) {
    cairo_surface_t* narrow = cairo_image_surface_create(CAIRO_FORMAT_A8, 10, 10);
    EXPECT_EQ(platform::CreateSurfaceDc(narrow, POINT{0, 0}, RECT{0, 0, 10, 10}), nullptr);
    cairo_surface_destroy(narrow);
    EXPECT_EQ(platform::CreateSurfaceDc(nullptr, POINT{0, 0}, RECT{0, 0, 10, 10}), nullptr);
}

}  // namespace
