// GDI+ pictures: decoding PNG from memory streams, refusing broken data
// cleanly, cloning areas and drawing scaled with alpha onto a DC; and the
// movable memory blocks and streams the pictures are read through.
#include "tests/support/Canvas.h"
#include "tests/platform/gdiplus/TestPictures.h"

#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

namespace {

using namespace Gdiplus;
using testpictures::Decode;
using testpictures::kTwoHalves;

class GdiplusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        GdiplusStartupInput input;
        ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    }
    void TearDown() override { GdiplusShutdown(token); }

    ULONG_PTR token = 0;
};

void Draw(HDC dc, GpImage* image, int x, int y, int w, int h, int sx, int sw)
{
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(DllExports::GdipCreateFromHDC(dc, &graphics), Ok);
    EXPECT_EQ(DllExports::GdipDrawImageRectRectI(graphics, image, x, y, w, h, sx, 0, sw, 4, UnitPixel, nullptr,
                                                 nullptr, nullptr),
              Ok);
    DllExports::GdipDeleteGraphics(graphics);
}

using Shape = std::tuple<UINT, UINT, bool>;  // width, height, 32-bit with alpha
Shape ShapeOf(GpImage* image)
{
    UINT width = 0, height = 0;
    PixelFormat format = 0;
    DllExports::GdipGetImageWidth(image, &width);
    DllExports::GdipGetImageHeight(image, &height);
    DllExports::GdipGetImagePixelFormat(image, &format);
    EXPECT_TRUE(format == PixelFormat32bppARGB || !(format & PixelFormatAlpha)) << format;
    return {width, height, format == PixelFormat32bppARGB};
}

TEST_F(GdiplusTest, DecodesSizeAndFormatAndRefusesBrokenData)
{
    GpBitmap* bitmap = Decode(kTwoHalves, sizeof kTwoHalves);
    EXPECT_EQ(ShapeOf(bitmap), Shape(8, 4, true));
    DllExports::GdipDisposeImage(bitmap);
    bitmap = Decode(testpictures::kOpaqueGreen, sizeof testpictures::kOpaqueGreen);
    EXPECT_EQ(ShapeOf(bitmap), Shape(3, 2, false));
    DllExports::GdipDisposeImage(bitmap);

    const unsigned char text[] = "not a picture at all";
    const std::vector<unsigned char> corrupted = testpictures::Corrupted();
    EXPECT_EQ(Decode(corrupted.data(), corrupted.size()), nullptr);
    EXPECT_EQ(Decode(kTwoHalves, sizeof kTwoHalves / 2), nullptr);
    EXPECT_EQ(Decode(text, sizeof text), nullptr);
    EXPECT_NE(DllExports::GdipCreateBitmapFromFile(L"no-such-picture.png", &bitmap), Ok);
    EXPECT_EQ(bitmap, nullptr);
    GpGraphics* graphics = nullptr;
    EXPECT_EQ(DllExports::GdipCreateFromHDC(nullptr, &graphics), OutOfMemory);
}

TEST_F(GdiplusTest, ClonesAnAreaWithinTheBitmapOnly)
{
    GpBitmap* bitmap = Decode(kTwoHalves, sizeof kTwoHalves);
    GpBitmap *clone = nullptr, *refused = nullptr;
    ASSERT_EQ(DllExports::GdipCloneBitmapAreaI(4, 0, 4, 4, PixelFormat32bppARGB, bitmap, &clone), Ok);
    EXPECT_EQ(ShapeOf(clone), Shape(4, 4, true));
    for (int x : {5, -1})
        EXPECT_EQ(DllExports::GdipCloneBitmapAreaI(x, 0, 4, 4, PixelFormat32bppARGB, bitmap, &refused), InvalidParameter);
    // The clone outlives its original.
    DllExports::GdipDisposeImage(bitmap);
    Canvas canvas(8, 8);
    Draw(canvas.Dc(), clone, 0, 0, 4, 4, 0, 4);
    EXPECT_TRUE(NearColour(GetPixel(canvas.Dc(), 2, 2), RGB(127, 127, 255)));
    DllExports::GdipDisposeImage(clone);
}

TEST_F(GdiplusTest, DrawsUnscaledAndScaledBlendedOverTheDc)
{
    GpBitmap* bitmap = Decode(kTwoHalves, sizeof kTwoHalves);
    const COLORREF red = RGB(255, 0, 0), blended = RGB(127, 127, 255);
    const struct {
        const char* name;
        int x, y, w, h, sx, sw;
        std::tuple<LONG, LONG, LONG, LONG> ink;
        struct { int x, y; COLORREF colour; int tolerance; } probes[4];
    } cases[] = {
        {"unscaled", 2, 2, 8, 4, 0, 8, {2, 2, 10, 6},
         {{2, 2, red, 0}, {5, 5, red, 0}, {6, 2, blended, 2}, {9, 5, blended, 2}}},
        // Doubled: the picture fills exactly its destination rectangle.
        {"doubled", 20, 10, 16, 8, 0, 8, {20, 10, 36, 18}, {{23, 13, red, 2}, {32, 13, blended, 3}}},
        {"a part, squeezed", 40, 30, 2, 8, 4, 4, {40, 30, 42, 38}, {{40, 33, blended, 3}, {41, 34, blended, 3}}},
    };
    for (const auto& c : cases) {
        Canvas canvas(64, 48);
        Draw(canvas.Dc(), bitmap, c.x, c.y, c.w, c.h, c.sx, c.sw);
        const RECT ink = canvas.Ink();
        EXPECT_EQ(std::make_tuple(ink.left, ink.top, ink.right, ink.bottom), c.ink) << c.name;
        for (const auto& p : c.probes)
            EXPECT_TRUE(p.colour == 0 || NearColour(GetPixel(canvas.Dc(), p.x, p.y), p.colour, p.tolerance))
                << c.name << " " << p.x << "," << p.y;
    }
    DllExports::GdipDisposeImage(bitmap);
}

TEST(GlobalMemory, MovableBlocksAndStreams)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 10);
    EXPECT_EQ(GlobalSize(block), 10u);
    std::memcpy(GlobalLock(block), "0123456789", 10);
    EXPECT_FALSE(GlobalUnlock(block));
    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    char buffer[16] = {};
    ULONG read = 0;
    EXPECT_EQ(stream->Read(buffer, 16, &read), S_OK);
    EXPECT_EQ(std::string(buffer, read), "0123456789");
    EXPECT_EQ(stream->Release(), 0u);
    // The stream did not own the block: it is still there.
    EXPECT_EQ(GlobalSize(block), 10u);
    EXPECT_EQ(GlobalFree(block), nullptr);
    EXPECT_TRUE(IsBadReadPtr(nullptr, 1));
    EXPECT_TRUE(IsBadReadPtr(reinterpret_cast<const void*>(uintptr_t{16}), 4));
    EXPECT_FALSE(IsBadReadPtr(buffer, sizeof buffer));
}

}  // namespace
