// GDI+ pictures: decoding PNG from memory streams and files, refusing broken
// data cleanly, cloning areas and drawing scaled with alpha onto a DC.
#include "tests/support/Canvas.h"
#include "tests/platform/gdiplus/TestPictures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <tuple>
#include <vector>

namespace {

using namespace Gdiplus;
using testpictures::kOpaqueGreen;
using testpictures::kTwoHalves;

const size_t kIdatLengthAt = 33;  // the IDAT chunk follows the 25-byte IHDR chunk

uint32_t Crc32(const unsigned char* data, size_t size) {
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// The picture with its compressed data replaced by garbage, the chunk's
// checksum kept valid so that only decompression can notice.
std::vector<unsigned char> Corrupted() {
    std::vector<unsigned char> bytes(kTwoHalves, kTwoHalves + sizeof kTwoHalves);
    size_t length = (size_t(bytes[kIdatLengthAt]) << 24) | (size_t(bytes[kIdatLengthAt + 1]) << 16) |
                    (size_t(bytes[kIdatLengthAt + 2]) << 8) | bytes[kIdatLengthAt + 3];
    unsigned char* type = bytes.data() + kIdatLengthAt + 4;
    for (size_t i = 0; i < length; ++i) type[4 + i] = static_cast<unsigned char>(0xA5 ^ (i * 37));
    uint32_t crc = Crc32(type, length + 4);
    unsigned char* end = type + 4 + length;
    end[0] = crc >> 24;
    end[1] = (crc >> 16) & 0xFF;
    end[2] = (crc >> 8) & 0xFF;
    end[3] = crc & 0xFF;
    return bytes;
}

class GdiplusTest : public ::testing::Test {
protected:
    void SetUp() override {
        GdiplusStartupInput input;
        ASSERT_EQ(GdiplusStartup(&token_, &input, nullptr), Ok);
    }
    void TearDown() override { GdiplusShutdown(token_); }

    // Decodes through a stream over a movable block, as the program does.
    Status Decode(const unsigned char* bytes, size_t size, GpBitmap** bitmap) {
        *bitmap = nullptr;
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
        if (!block) return OutOfMemory;
        void* data = GlobalLock(block);
        std::memcpy(data, bytes, size);
        IStream* stream = nullptr;
        EXPECT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
        Status status = DllExports::GdipCreateBitmapFromStream(stream, bitmap);
        stream->Release();
        GlobalUnlock(block);
        blocks_.push_back(block);
        return status;
    }

    void Draw(HDC dc, GpImage* image, int x, int y, int w, int h, int sx, int sy, int sw, int sh) {
        GpGraphics* graphics = nullptr;
        ASSERT_EQ(DllExports::GdipCreateFromHDC(dc, &graphics), Ok);
        EXPECT_EQ(DllExports::GdipDrawImageRectRectI(graphics, image, x, y, w, h, sx, sy, sw, sh, UnitPixel,
                                                     nullptr, nullptr, nullptr),
                  Ok);
        EXPECT_EQ(DllExports::GdipDeleteGraphics(graphics), Ok);
    }

    void FreeBlocks() {
        for (HGLOBAL block : blocks_) GlobalFree(block);
        blocks_.clear();
    }

    ULONG_PTR token_ = 0;
    std::vector<HGLOBAL> blocks_;
};

void ExpectNear(COLORREF actual, COLORREF expected, int tolerance, const char* where) {
    EXPECT_NEAR(GetRValue(actual), GetRValue(expected), tolerance) << where;
    EXPECT_NEAR(GetGValue(actual), GetGValue(expected), tolerance) << where;
    EXPECT_NEAR(GetBValue(actual), GetBValue(expected), tolerance) << where;
}

using Shape = std::tuple<UINT, UINT, bool>;  // width, height, has alpha
Shape ShapeOf(GpImage* image) {
    UINT width = 0, height = 0;
    PixelFormat format = 0;
    EXPECT_EQ(DllExports::GdipGetImageWidth(image, &width), Ok);
    EXPECT_EQ(DllExports::GdipGetImageHeight(image, &height), Ok);
    EXPECT_EQ(DllExports::GdipGetImagePixelFormat(image, &format), Ok);
    if (format & PixelFormatAlpha) {
        EXPECT_EQ(format, PixelFormat32bppARGB);
    }
    return {width, height, (format & PixelFormatAlpha) != 0};
}

TEST_F(GdiplusTest, DecodesSizeAndFormat) {
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(Decode(kTwoHalves, sizeof kTwoHalves, &bitmap), Ok);
    EXPECT_EQ(ShapeOf(bitmap), Shape(8, 4, true));
    EXPECT_EQ(DllExports::GdipDisposeImage(bitmap), Ok);
    ASSERT_EQ(Decode(kOpaqueGreen, sizeof kOpaqueGreen, &bitmap), Ok);
    EXPECT_EQ(ShapeOf(bitmap), Shape(3, 2, false));
    EXPECT_EQ(DllExports::GdipDisposeImage(bitmap), Ok);
    FreeBlocks();
}

TEST_F(GdiplusTest, BrokenDataFailsCleanly) {
    GpBitmap* bitmap = nullptr;
    std::vector<unsigned char> corrupt = Corrupted();
    EXPECT_NE(Decode(corrupt.data(), corrupt.size(), &bitmap), Ok);
    EXPECT_EQ(bitmap, nullptr);
    EXPECT_NE(Decode(kTwoHalves, sizeof kTwoHalves / 2, &bitmap), Ok);
    EXPECT_EQ(bitmap, nullptr);
    const unsigned char text[] = "not a picture at all";
    EXPECT_NE(Decode(text, sizeof text, &bitmap), Ok);
    EXPECT_EQ(bitmap, nullptr);
    FreeBlocks();

    EXPECT_NE(DllExports::GdipCreateBitmapFromFile(L"no-such-picture.png", &bitmap), Ok);
    EXPECT_EQ(bitmap, nullptr);
    GpGraphics* graphics = nullptr;
    EXPECT_EQ(DllExports::GdipCreateFromHDC(nullptr, &graphics), OutOfMemory);
}

TEST_F(GdiplusTest, ClonesAnAreaWithinTheBitmapOnly) {
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(Decode(kTwoHalves, sizeof kTwoHalves, &bitmap), Ok);
    GpBitmap* clone = nullptr;
    ASSERT_EQ(DllExports::GdipCloneBitmapAreaI(4, 0, 4, 4, PixelFormat32bppARGB, bitmap, &clone), Ok);
    EXPECT_EQ(ShapeOf(clone), Shape(4, 4, true));
    GpBitmap* refused = nullptr;
    EXPECT_EQ(DllExports::GdipCloneBitmapAreaI(5, 0, 4, 4, PixelFormat32bppARGB, bitmap, &refused),
              InvalidParameter);
    EXPECT_EQ(DllExports::GdipCloneBitmapAreaI(-1, 0, 4, 4, PixelFormat32bppARGB, bitmap, &refused),
              InvalidParameter);

    // The clone outlives its original.
    EXPECT_EQ(DllExports::GdipDisposeImage(bitmap), Ok);
    Canvas canvas(8, 8);
    ASSERT_TRUE(canvas.Valid());
    Draw(canvas.Dc(), clone, 0, 0, 4, 4, 0, 0, 4, 4);
    ExpectNear(GetPixel(canvas.Dc(), 2, 2), RGB(127, 127, 255), 2, "clone");
    EXPECT_EQ(DllExports::GdipDisposeImage(clone), Ok);
    FreeBlocks();
}

TEST_F(GdiplusTest, DrawsUnscaledAndScaledBlendedOverTheDc) {
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(Decode(kTwoHalves, sizeof kTwoHalves, &bitmap), Ok);
    const COLORREF white = RGB(255, 255, 255), red = RGB(255, 0, 0), blended = RGB(127, 127, 255);
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
        {"a part, squeezed", 40, 30, 2, 8, 4, 4, {40, 30, 42, 38},
         {{40, 33, blended, 3}, {41, 34, blended, 3}}},
    };
    for (const auto& c : cases) {
        Canvas canvas(64, 48);
        ASSERT_TRUE(canvas.Valid());
        Draw(canvas.Dc(), bitmap, c.x, c.y, c.w, c.h, c.sx, 0, c.sw, 4);
        const RECT ink = canvas.Ink(white);
        EXPECT_EQ(std::make_tuple(ink.left, ink.top, ink.right, ink.bottom), c.ink) << c.name;
        for (const auto& p : c.probes) {
            if (p.colour != 0)
                ExpectNear(GetPixel(canvas.Dc(), p.x, p.y), p.colour, p.tolerance, c.name);
        }
    }
    EXPECT_EQ(DllExports::GdipDisposeImage(bitmap), Ok);
    FreeBlocks();
}

TEST(GlobalMemory, MovableBlocksAndStreams) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 10);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 10u);
    auto* data = static_cast<char*>(GlobalLock(block));
    ASSERT_NE(data, nullptr);
    std::memcpy(data, "0123456789", 10);
    EXPECT_FALSE(GlobalUnlock(block));

    IStream* stream = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, FALSE, &stream), S_OK);
    char buffer[16] = {};
    ULONG read = 0;
    EXPECT_EQ(stream->Read(buffer, 4, &read), S_OK);
    EXPECT_EQ(read, 4u);
    EXPECT_EQ(std::memcmp(buffer, "0123", 4), 0);
    EXPECT_EQ(stream->Read(buffer, 16, &read), S_OK);
    EXPECT_EQ(read, 6u);
    EXPECT_EQ(stream->Release(), 0u);
    // The stream did not own the block: it is still there.
    EXPECT_EQ(GlobalSize(block), 10u);
    EXPECT_EQ(GlobalFree(block), nullptr);

    EXPECT_EQ(CreateStreamOnHGlobal(nullptr, TRUE, nullptr), E_INVALIDARG);

    // An empty movable block has nothing to lock.
    HGLOBAL empty = GlobalAlloc(GMEM_MOVEABLE, 0);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(GlobalLock(empty), nullptr);
    EXPECT_EQ(GlobalFree(empty), nullptr);

    EXPECT_TRUE(IsBadReadPtr(nullptr, 1));
    EXPECT_TRUE(IsBadReadPtr(reinterpret_cast<const void*>(uintptr_t{16}), 4));
    EXPECT_FALSE(IsBadReadPtr(buffer, sizeof buffer));
}

}  // namespace
