// The census counts the surfaces behind pictures and drawing copies while
// they live, and only while they live.
#include "platform/testing/SurfaceTesting.h"
#include "tests/support/Canvas.h"
#include "tests/platform/gdiplus/TestPictures.h"

#include <gtest/gtest.h>

namespace {

using namespace Gdiplus;

class SurfaceCensus : public ::testing::Test {
protected:
    void SetUp() override
    {
        GdiplusStartupInput input;
        ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    }
    void TearDown() override { GdiplusShutdown(token); }

    GpBitmap* Decode()
    {
        return testpictures::Decode(testpictures::kOpaqueGreen, sizeof testpictures::kOpaqueGreen);
    }

    ULONG_PTR token = 0;
};

TEST_F(SurfaceCensus, APictureCountsUntilItIsDisposed)
{
    const unsigned before = kytest::LiveSurfaceCount();
    GpBitmap* picture = Decode();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(kytest::LiveSurfaceCount(), before + 1);
    GpBitmap* clone = nullptr;
    ASSERT_EQ(DllExports::GdipCloneBitmapAreaI(0, 0, 2, 2, PixelFormat32bppARGB, picture, &clone), Ok);
    EXPECT_EQ(kytest::LiveSurfaceCount(), before + 2);
    DllExports::GdipDisposeImage(clone);
    DllExports::GdipDisposeImage(picture);
    EXPECT_EQ(kytest::LiveSurfaceCount(), before);
}

TEST_F(SurfaceCensus, DrawingLeavesNoSurfaceBehind)
{
    Canvas canvas(40, 40);
    GpBitmap* picture = Decode();
    const unsigned before = kytest::LiveSurfaceCount();
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(DllExports::GdipCreateFromHDC(canvas.Dc(), &graphics), Ok);
    DllExports::GdipDrawImageRectRectI(graphics, picture, 0, 0, 30, 20, 0, 0, 3, 2, UnitPixel, nullptr, nullptr,
                                       nullptr);
    DllExports::GdipDeleteGraphics(graphics);
    BitBlt(canvas.Dc(), 5, 5, 20, 20, canvas.Dc(), 0, 0, SRCCOPY);  // a copy within one surface
    EXPECT_EQ(kytest::LiveSurfaceCount(), before);
    DllExports::GdipDisposeImage(picture);
}

}  // namespace
