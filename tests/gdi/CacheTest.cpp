#include "gdi/BrushCache.h"
#include "gdi/FontCache.h"
#include "gdi/PenCache.h"
#include "tests/support/Canvas.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A small canvas to find out what a cached object draws like.
class Probe : public Canvas {
public:
    Probe() : Canvas(16, 16) {}
    COLORREF Draw(HPEN pen)
    {
        HGDIOBJ old = SelectObject(Dc(), pen);
        MoveToEx(Dc(), 0, 8, nullptr);
        LineTo(Dc(), 16, 8);
        SelectObject(Dc(), old);
        return GetPixel(Dc(), 0, 8);
    }
    COLORREF Draw(HBRUSH brush)
    {
        RECT all{0, 0, 16, 16};
        FillRect(Dc(), &all, brush);
        return GetPixel(Dc(), 3, 3);
    }
    TEXTMETRICW Metrics(HFONT font)
    {
        TEXTMETRICW metrics{};
        HGDIOBJ old = SelectObject(Dc(), font);
        GetTextMetricsW(Dc(), &metrics);
        SelectObject(Dc(), old);
        return metrics;
    }
};

// Each cache's descriptions: Acquire(n) asks for the n-th of several that
// differ in one field only, so each must be an entry of its own.
struct Pens {
    using Cache = PenCache;
    static constexpr int32_t kNone = PenCache::kNoPen;
    static int32_t Acquire(PenCache& c, int n)
    {
        static const struct { COLORREF colour; int style, width; } kinds[] = {
            {RGB(255, 0, 0), PS_SOLID, 1}, {RGB(255, 0, 0), PS_SOLID, 2},
            {RGB(255, 0, 0), PS_DASH, 1}, {RGB(255, 0, 1), PS_SOLID, 1}};
        return c.Acquire(kinds[n].colour, kinds[n].style, kinds[n].width);
    }
    static constexpr int kKinds = 4;
    static void ExpectDrawsFirst(Probe& p, HPEN h) { EXPECT_EQ(p.Draw(h), RGB(255, 0, 0)); }
};
struct Brushes {
    using Cache = BrushCache;
    static constexpr int32_t kNone = BrushCache::kNoBrush;
    static int32_t Acquire(BrushCache& c, int n) { return c.Acquire(RGB(0, 0, 255 - n)); }
    static constexpr int kKinds = 3;
    static void ExpectDrawsFirst(Probe& p, HBRUSH h) { EXPECT_EQ(p.Draw(h), RGB(0, 0, 255)); }
};
struct Fonts {
    using Cache = FontCache;
    static constexpr int32_t kNone = FontCache::kNoFont;
    static int32_t Acquire(FontCache& c, int n)
    {
        // The face's case counts.
        static const struct { int height; const wchar_t* face; int weight; } kinds[] = {
            {30, L"宋体", FW_BOLD}, {30, L"宋体", FW_NORMAL}, {31, L"宋体", FW_BOLD},
            {30, L"simsun", FW_BOLD}, {30, L"SimSun", FW_BOLD}};
        return c.Acquire(kinds[n].height, kinds[n].face, kinds[n].weight);
    }
    static constexpr int kKinds = 5;
    static void ExpectDrawsFirst(Probe& p, HFONT h)
    {
        const TEXTMETRICW m = p.Metrics(h);
        EXPECT_EQ(m.tmHeight, 30);  // the cell height
        EXPECT_EQ(m.tmWeight, FW_BOLD);
    }
};

template <typename T>
class CacheTest : public ::testing::Test {};
using Caches = ::testing::Types<Pens, Brushes, Fonts>;
TYPED_TEST_SUITE(CacheTest, Caches);

TYPED_TEST(CacheTest, SharesOneObjectPerDescriptionAndCountsHolders)
{
    IdGenerator ids;
    typename TypeParam::Cache cache(ids);
    EXPECT_EQ(cache.Handle(TypeParam::kNone), nullptr);
    EXPECT_FALSE(cache.Release(TypeParam::kNone));

    int32_t id[TypeParam::kKinds];
    for (int n = 0; n < TypeParam::kKinds; ++n) {
        id[n] = TypeParam::Acquire(cache, n);
        ASSERT_NE(id[n], TypeParam::kNone);
        for (int m = 0; m < n; ++m)
            EXPECT_NE(id[n], id[m]) << n << " " << m;
    }
    EXPECT_EQ(cache.Size(), size_t(TypeParam::kKinds));
    EXPECT_EQ(TypeParam::Acquire(cache, 0), id[0]);
    Probe probe;
    TypeParam::ExpectDrawsFirst(probe, cache.Handle(id[0]));

    // Releasing one entry keeps the others findable under their ids.
    const auto last = cache.Handle(id[TypeParam::kKinds - 1]);
    EXPECT_TRUE(cache.Release(id[1]));
    EXPECT_EQ(cache.Handle(id[1]), nullptr);
    EXPECT_EQ(cache.Handle(id[TypeParam::kKinds - 1]), last);
    EXPECT_EQ(TypeParam::Acquire(cache, TypeParam::kKinds - 1), id[TypeParam::kKinds - 1]);

    const auto first = cache.Handle(id[0]);
    EXPECT_TRUE(cache.Release(id[0]));
    EXPECT_EQ(cache.Handle(id[0]), first);  // one holder left
    EXPECT_TRUE(cache.Release(id[0]));
    EXPECT_EQ(cache.Handle(id[0]), nullptr);
    EXPECT_FALSE(cache.Release(id[0]));
    EXPECT_EQ(cache.Size(), size_t(TypeParam::kKinds - 2));
}

}  // namespace

TEST(IdGenerator, WrapsToOneBeforeIntMax)
{
    IdGenerator ids(INT32_MAX - 2);
    for (int32_t expected : {INT32_MAX - 2, INT32_MAX - 1, 1, 2})
        EXPECT_EQ(ids.Next(), expected);
}

TEST(FontCache, TheNormalFaceIsLighterThanBold)
{
    IdGenerator ids;
    FontCache fonts(ids);
    Probe probe;
    // The normal face may itself be light (Wine reports 300 for it).
    EXPECT_LT(probe.Metrics(fonts.Handle(fonts.Acquire(30, L"宋体", FW_NORMAL))).tmWeight, FW_BOLD);
}

TEST(FontCache, RefusesAMissingFaceAndOneTooLongForTheDescription)
{
    IdGenerator ids;
    FontCache fonts(ids);
    EXPECT_EQ(fonts.Acquire(18, nullptr, FW_NORMAL), FontCache::kNoFont);
    const std::wstring longest(31, L'A');
    EXPECT_NE(fonts.Acquire(18, longest.c_str(), FW_NORMAL), FontCache::kNoFont);
    // Cut to 31 characters it would silently share the font above.
    EXPECT_EQ(fonts.Acquire(18, (longest + L"B").c_str(), FW_NORMAL), FontCache::kNoFont);
    EXPECT_EQ(fonts.Size(), 1u);
    EXPECT_EQ(ids.Next(), 2);  // refusals took no identifier
}
