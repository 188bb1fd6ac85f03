#include "gdi/BrushCache.h"
#include "gdi/FontCache.h"
#include "gdi/PenCache.h"
#include "platform/testing/TestPlatform.h"

#include <gtest/gtest.h>

TEST(CacheFailure, AFailedPenOrBrushSpendsAnIdentifierAFailedFontDoesNot)
{
    IdGenerator ids;
    PenCache pens(ids);
    BrushCache brushes(ids);
    FontCache fonts(ids);

    if (!kytest::FailNextGdiCreations(kytest::GdiKind::Pen, 1))
        GTEST_SKIP() << "the real GDI cannot be made to fail on request";
    EXPECT_EQ(pens.Acquire(RGB(1, 2, 3), PS_SOLID, 1), PenCache::kNoPen);  // spent 1

    ASSERT_TRUE(kytest::FailNextGdiCreations(kytest::GdiKind::Brush, 1));
    EXPECT_EQ(brushes.Acquire(RGB(1, 2, 3)), BrushCache::kNoBrush);  // spent 2

    ASSERT_TRUE(kytest::FailNextGdiCreations(kytest::GdiKind::Font, 1));
    EXPECT_EQ(fonts.Acquire(18, L"宋体", FW_NORMAL), FontCache::kNoFont);  // spent none

    // Nothing of the failures was listed: the same requests now create.
    EXPECT_EQ(fonts.Acquire(18, L"宋体", FW_NORMAL), 3);
    EXPECT_EQ(pens.Acquire(RGB(1, 2, 3), PS_SOLID, 1), 4);
    EXPECT_EQ(brushes.Acquire(RGB(1, 2, 3)), 5);
}
