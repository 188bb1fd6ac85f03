#include "images/ImageDrawing.h"
#include "images/KyImagePool.h"
#include "tests/support/Canvas.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const LPCWSTR kCandle = MAKEINTRESOURCEW(180);

}  // namespace

TEST(ResourcePictures, SameModuleTypeAndNameShareOneDecodedPicture)
{
    KyImagePool& pool = KyImagePool::Instance();
    const size_t entries = pool.Size();
    HMODULE module = GetModuleHandleW(nullptr);
    static const wchar_t kBin[] = L"BIN";
    KyImage first, second;
    ASSERT_TRUE(first.LoadFromResource(module, kBin, kCandle, true));
    ASSERT_TRUE(second.LoadFromResource(module, kBin, kCandle, true));
    EXPECT_EQ(first.SharedId(), second.SharedId());
    EXPECT_EQ(pool.Size(), entries + 1);
    EXPECT_EQ(pool.RefCountOf(first.SharedId()), 2);
    EXPECT_EQ(first.SourceRect().right, 50);
    EXPECT_EQ(first.SourceRect().bottom, 170);

    const int32_t id = first.SharedId();
    first.Release();
    Canvas canvas(50, 170);
    EXPECT_TRUE(DrawImage(canvas.Dc(), second, 0, 0, 50, 170, 0, 50, 170));
    EXPECT_FALSE(canvas.Untouched());
    second.Release();
    EXPECT_EQ(pool.BitmapOf(id), nullptr);
    EXPECT_EQ(pool.Size(), entries);
}

// A type given as text is told apart by its address, not its letters.
TEST(ResourcePictures, TextualTypesCompareByAddressAndPrivateOnesShareNothing)
{
    HMODULE module = GetModuleHandleW(nullptr);
    static const wchar_t kBin[] = L"BIN";
    const std::wstring sameText = L"BIN";
    KyImage first, second, privateOne, copy;
    ASSERT_TRUE(first.LoadFromResource(module, kBin, kCandle, true));
    ASSERT_TRUE(second.LoadFromResource(module, sameText.c_str(), kCandle, true));
    EXPECT_NE(first.SharedId(), second.SharedId());
    ASSERT_TRUE(privateOne.LoadFromResource(module, kBin, kCandle, false));
    EXPECT_EQ(privateOne.SharedId(), 0);
    EXPECT_EQ(privateOne.SourceRect().bottom, 170);
    ASSERT_TRUE(copy.LoadFromImage(first, false));  // decoded again from the pool's bytes
    EXPECT_EQ(copy.SharedId(), 0);
    EXPECT_EQ(copy.SourceRect().bottom, 170);
}

TEST(ResourcePictures, TheCandleAtItsOwnSizeIsBlendedByItsAlpha)
{
    KyImage candle;
    ASSERT_TRUE(candle.LoadFromResource(GetModuleHandleW(nullptr), L"BIN", kCandle, true));
    Canvas overRed(50, 170, RGB(255, 0, 0));
    Canvas overBlue(50, 170, RGB(0, 0, 255));
    ASSERT_TRUE(DrawImage(overRed.Dc(), candle, 0, 0, 50, 170, 0, 50, 170));
    ASSERT_TRUE(DrawImage(overBlue.Dc(), candle, 0, 0, 50, 170, 0, 50, 170));

    // Transparent pixels keep each background, opaque ones cover both alike,
    // and the soft edges show a mix that differs between the two.
    int transparent = 0, opaque = 0, blended = 0;
    for (int y = 0; y < 170; ++y) {
        for (int x = 0; x < 50; ++x) {
            const COLORREF red = overRed.Pixel(x, y);
            const COLORREF blue = overBlue.Pixel(x, y);
            if (red == RGB(255, 0, 0) && blue == RGB(0, 0, 255))
                ++transparent;
            else if (red == blue)
                ++opaque;
            else
                ++blended;
        }
    }
    EXPECT_EQ(overRed.Pixel(0, 0), RGB(255, 0, 0));
    EXPECT_GT(transparent, 0);
    EXPECT_GT(opaque, 0);
    EXPECT_GT(blended, 0);
}
