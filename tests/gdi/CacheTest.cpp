#include "gdi/BrushCache.h"
#include "gdi/FontCache.h"
#include "gdi/PenCache.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A small 32-bit memory surface to find out what a cached object draws like.
class Probe {
public:
    Probe()
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = 16;
        info.bmiHeader.biHeight = -16;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~Probe()
    {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }

    COLORREF LineColour(HPEN pen)
    {
        HGDIOBJ old = SelectObject(dc_, pen);
        MoveToEx(dc_, 0, 8, nullptr);
        LineTo(dc_, 16, 8);
        SelectObject(dc_, old);
        return GetPixel(dc_, 0, 8);
    }

    COLORREF FillColour(HBRUSH brush)
    {
        RECT all{0, 0, 16, 16};
        FillRect(dc_, &all, brush);
        return GetPixel(dc_, 3, 3);
    }

    TEXTMETRICW Metrics(HFONT font)
    {
        TEXTMETRICW metrics{};
        HGDIOBJ old = SelectObject(dc_, font);
        GetTextMetricsW(dc_, &metrics);
        SelectObject(dc_, old);
        return metrics;
    }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

}  // namespace

TEST(IdGenerator, WrapsToOneBeforeIntMax)
{
    IdGenerator ids(INT32_MAX - 2);
    EXPECT_EQ(ids.Next(), INT32_MAX - 2);
    EXPECT_EQ(ids.Next(), INT32_MAX - 1);
    EXPECT_EQ(ids.Next(), 1);
    EXPECT_EQ(ids.Next(), 2);
}

TEST(FontCache, SharesOneFontPerDescriptionAndCountsHolders)
{
    IdGenerator ids;
    FontCache fonts(ids);
    const int32_t first = fonts.Acquire(18, L"宋体", FW_NORMAL);
    ASSERT_NE(first, FontCache::kNoFont);
    EXPECT_EQ(fonts.Acquire(18, L"宋体", FW_NORMAL), first);
    HFONT handle = fonts.Handle(first);
    ASSERT_NE(handle, nullptr);

    EXPECT_TRUE(fonts.Release(first));
    EXPECT_EQ(fonts.Handle(first), handle);  // one holder left
    EXPECT_TRUE(fonts.Release(first));
    EXPECT_EQ(fonts.Handle(first), nullptr);
    EXPECT_FALSE(fonts.Release(first));
    EXPECT_EQ(fonts.Size(), 0u);
}

TEST(FontCache, WeightHeightAndFaceCaseMakeDistinctFonts)
{
    IdGenerator ids;
    FontCache fonts(ids);
    const int32_t normal = fonts.Acquire(30, L"宋体", FW_NORMAL);
    const int32_t bold = fonts.Acquire(30, L"宋体", FW_BOLD);
    const int32_t taller = fonts.Acquire(31, L"宋体", FW_NORMAL);
    const int32_t lower = fonts.Acquire(30, L"simsun", FW_NORMAL);
    const int32_t upper = fonts.Acquire(30, L"SimSun", FW_NORMAL);
    EXPECT_EQ(fonts.Size(), 5u);
    EXPECT_NE(normal, bold);
    EXPECT_NE(lower, upper);
    EXPECT_NE(normal, taller);

    // The height is the cell height, the weight as asked.
    Probe probe;
    const TEXTMETRICW boldMetrics = probe.Metrics(fonts.Handle(bold));
    EXPECT_EQ(boldMetrics.tmHeight, 30);
    EXPECT_EQ(boldMetrics.tmWeight, FW_BOLD);
    // The normal face may itself be light (Wine reports 300 for it).
    EXPECT_LT(probe.Metrics(fonts.Handle(normal)).tmWeight, FW_BOLD);
}

TEST(FontCache, RefusesAMissingFaceAndOneTooLongForTheDescription)
{
    IdGenerator ids;
    FontCache fonts(ids);
    EXPECT_EQ(fonts.Acquire(18, nullptr, FW_NORMAL), FontCache::kNoFont);

    const std::wstring longest(31, L'A');
    const int32_t fits = fonts.Acquire(18, longest.c_str(), FW_NORMAL);
    EXPECT_NE(fits, FontCache::kNoFont);
    // Cut to 31 characters it would silently share the font above.
    EXPECT_EQ(fonts.Acquire(18, (longest + L"B").c_str(), FW_NORMAL), FontCache::kNoFont);
    EXPECT_EQ(fonts.Size(), 1u);

    EXPECT_EQ(fonts.Handle(FontCache::kNoFont), nullptr);
    EXPECT_FALSE(fonts.Release(FontCache::kNoFont));
    EXPECT_EQ(ids.Next(), 2);  // refusals took no identifier
}

TEST(PenCache, KeysOnColourStyleAndWidth)
{
    IdGenerator ids;
    PenCache pens(ids);
    const int32_t red = pens.Acquire(RGB(255, 0, 0), PS_SOLID, 1);
    EXPECT_EQ(pens.Acquire(RGB(255, 0, 0), PS_SOLID, 1), red);
    EXPECT_NE(pens.Acquire(RGB(255, 0, 0), PS_SOLID, 2), red);
    EXPECT_NE(pens.Acquire(RGB(255, 0, 0), PS_DASH, 1), red);
    EXPECT_NE(pens.Acquire(RGB(255, 0, 1), PS_SOLID, 1), red);
    EXPECT_EQ(pens.Size(), 4u);

    Probe probe;
    EXPECT_EQ(probe.LineColour(pens.Handle(red)), RGB(255, 0, 0));

    EXPECT_TRUE(pens.Release(red));
    EXPECT_NE(pens.Handle(red), nullptr);
    EXPECT_TRUE(pens.Release(red));
    EXPECT_EQ(pens.Handle(red), nullptr);
    EXPECT_FALSE(pens.Release(red));
    EXPECT_FALSE(pens.Release(PenCache::kNoPen));
    EXPECT_EQ(pens.Handle(PenCache::kNoPen), nullptr);
}

TEST(PenCache, ReleasingOneEntryKeepsTheOthersFindable)
{
    IdGenerator ids;
    PenCache pens(ids);
    const int32_t a = pens.Acquire(RGB(1, 0, 0), PS_SOLID, 1);
    const int32_t b = pens.Acquire(RGB(2, 0, 0), PS_SOLID, 1);
    const int32_t c = pens.Acquire(RGB(3, 0, 0), PS_SOLID, 1);
    HPEN lastPen = pens.Handle(c);
    EXPECT_TRUE(pens.Release(b));
    EXPECT_NE(pens.Handle(a), nullptr);
    EXPECT_EQ(pens.Handle(c), lastPen);
    EXPECT_EQ(pens.Acquire(RGB(3, 0, 0), PS_SOLID, 1), c);
}

TEST(BrushCache, ZeroIsNoBrushAndAListedColourIsShared)
{
    IdGenerator ids;
    BrushCache brushes(ids);
    EXPECT_EQ(brushes.Handle(0), nullptr);
    EXPECT_FALSE(brushes.Release(0));

    const int32_t blue = brushes.Acquire(RGB(0, 0, 255));
    ASSERT_NE(blue, BrushCache::kNoBrush);
    EXPECT_EQ(brushes.Acquire(RGB(0, 0, 255)), blue);
    EXPECT_NE(brushes.Acquire(RGB(0, 0, 254)), blue);

    Probe probe;
    EXPECT_EQ(probe.FillColour(brushes.Handle(blue)), RGB(0, 0, 255));

    EXPECT_TRUE(brushes.Release(blue));
    EXPECT_TRUE(brushes.Release(blue));
    EXPECT_EQ(brushes.Handle(blue), nullptr);
    EXPECT_EQ(brushes.Size(), 1u);
}
