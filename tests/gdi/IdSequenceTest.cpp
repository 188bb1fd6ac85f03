#include "gdi/BrushCache.h"
#include "gdi/FontCache.h"
#include "gdi/PenCache.h"

#include <gtest/gtest.h>

// One test only: it relies on being the first to draw from the process-wide
// sequence.
TEST(IdSequence, FontsPensAndBrushesDrawFromOneSequenceStartingAtOne)
{
    EXPECT_EQ(AcquirePen(RGB(255, 0, 0), 1), 1);
    EXPECT_EQ(AcquireDashedPen(), 2);
    EXPECT_EQ(AcquireFont(18, L"宋体"), 3);
    EXPECT_EQ(AcquireBrush(RGB(0, 0, 255)), 4);
    EXPECT_EQ(NextId(), 5);  // as the list window numbers its items

    // Hits take no identifier.
    EXPECT_EQ(AcquirePen(RGB(255, 0, 0), 1), 1);
    EXPECT_EQ(AcquireFont(18, L"宋体"), 3);
    EXPECT_EQ(AcquireBoldFont(18, L"宋体"), 6);

    // A refused face takes none either.
    EXPECT_EQ(AcquireFont(18, nullptr), INT32_MAX);
    EXPECT_EQ(AcquireBrush(RGB(0, 255, 0)), 7);

    for (int32_t pen : {1, 1, 2})
        EXPECT_TRUE(ReleasePen(pen));
    for (int32_t font : {3, 3, 6})
        EXPECT_TRUE(ReleaseFont(font));
    EXPECT_TRUE(ReleaseBrush(4));
    EXPECT_TRUE(ReleaseBrush(7));
    EXPECT_EQ(PenCache::Instance().Size(), 0u);
    EXPECT_EQ(FontCache::Instance().Size(), 0u);
    EXPECT_EQ(BrushCache::Instance().Size(), 0u);

    // Released numbers are not handed out again.
    EXPECT_EQ(AcquirePen(RGB(255, 0, 0), 1), 8);
    EXPECT_TRUE(ReleasePen(8));
}
