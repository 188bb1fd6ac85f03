// Leak census of GDI objects, and of the surfaces behind pictures and
// drawing copies (which Windows, having none, counts as 0).
#include "platform/testing/SurfaceTesting.h"
#include "platform/testing/TestPlatform.h"
#include "tests/platform/gdiplus/TestPictures.h"
#include "tests/support/Canvas.h"

#include <gtest/gtest.h>

namespace {

using namespace Gdiplus;

TEST(GdiCensus, EveryCreatedObjectIsCountedUntilDeletedAndStaleHandlesAreRefused)
{
    const unsigned before = kytest::LiveGdiObjectCount();
    HDC dc = CreateCompatibleDC(nullptr);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    LOGFONTW logFont{18, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, {}};
    HFONT font = CreateFontIndirectW(&logFont);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 8, 8);
    ASSERT_TRUE(dc && pen && brush && font && bitmap);
    const unsigned during = kytest::LiveGdiObjectCount();
    EXPECT_TRUE(during == before + 5 || during == 0) << "0: this system keeps no count";

    // Deleting a selected object is deferred until the DC lets go of it.
    HGDIOBJ old = SelectObject(dc, pen);
    EXPECT_TRUE(DeleteObject(pen));
    SelectObject(dc, old);
    EXPECT_EQ(SelectObject(dc, pen), nullptr);
    EXPECT_FALSE(DeleteObject(pen));
    for (HGDIOBJ object : {HGDIOBJ(brush), HGDIOBJ(font), HGDIOBJ(bitmap)}) DeleteObject(object);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(kytest::LiveGdiObjectCount(), during ? before : 0);
}

TEST(GdiCensus, PicturesCountUntilDisposedAndDrawingLeavesNoSurfaceBehind)
{
    ULONG_PTR token = 0;
    GdiplusStartupInput input;
    ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    const unsigned before = kytest::LiveSurfaceCount();
    GpBitmap* picture = testpictures::Decode(testpictures::kOpaqueGreen, sizeof testpictures::kOpaqueGreen);
    GpBitmap* clone = nullptr;
    ASSERT_EQ(DllExports::GdipCloneBitmapAreaI(0, 0, 2, 2, PixelFormat32bppARGB, picture, &clone), Ok);
    const unsigned during = kytest::LiveSurfaceCount();
    EXPECT_TRUE(during == before + 2 || during == 0) << during;

    Canvas canvas(40, 40);
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(DllExports::GdipCreateFromHDC(canvas.Dc(), &graphics), Ok);
    DllExports::GdipDrawImageRectRectI(graphics, picture, 0, 0, 30, 20, 0, 0, 3, 2, UnitPixel, nullptr, nullptr,
                                       nullptr);
    DllExports::GdipDeleteGraphics(graphics);
    BitBlt(canvas.Dc(), 5, 5, 20, 20, canvas.Dc(), 0, 0, SRCCOPY);  // a copy within one surface
    EXPECT_EQ(kytest::LiveSurfaceCount(), during);
    DllExports::GdipDisposeImage(clone);
    DllExports::GdipDisposeImage(picture);
    EXPECT_EQ(kytest::LiveSurfaceCount(), before);
    GdiplusShutdown(token);
}

}  // namespace
