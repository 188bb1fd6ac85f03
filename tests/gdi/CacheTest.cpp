#include "gdi/BrushCache.h"
#include "gdi/FontCache.h"
#include "gdi/PenCache.h"
#include "tests/support/Canvas.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

TEST(Caches, EveryFieldOfADescriptionMakesAnEntryOfItsOwn)
{
    IdGenerator ids;
    PenCache pens(ids);
    BrushCache brushes(ids);
    FontCache fonts(ids);
    const std::vector<int32_t> all{
        pens.Acquire(RGB(255, 0, 0), PS_SOLID, 1), pens.Acquire(RGB(255, 0, 0), PS_SOLID, 2),
        pens.Acquire(RGB(255, 0, 0), PS_DASH, 1), pens.Acquire(RGB(255, 0, 1), PS_SOLID, 1),
        brushes.Acquire(RGB(0, 0, 255)), brushes.Acquire(RGB(0, 0, 254)),
        // The face's case counts.
        fonts.Acquire(30, L"宋体", FW_BOLD), fonts.Acquire(30, L"宋体", FW_NORMAL), fonts.Acquire(31, L"宋体", FW_BOLD),
        fonts.Acquire(30, L"simsun", FW_BOLD), fonts.Acquire(30, L"SimSun", FW_BOLD)};
    EXPECT_EQ(std::set<int32_t>(all.begin(), all.end()).size(), all.size());
    EXPECT_EQ(pens.Size() + brushes.Size() + fonts.Size(), all.size());
    EXPECT_EQ(pens.Acquire(RGB(255, 0, 1), PS_SOLID, 1), all[3]);
    EXPECT_EQ(brushes.Acquire(RGB(0, 0, 254)), all[5]);
    EXPECT_EQ(fonts.Acquire(30, L"SimSun", FW_BOLD), all[10]);
}

// The three caches share their bookkeeping; the pen cache stands for all.
TEST(Caches, HoldersAreCountedAndReleasingOneEntryKeepsTheOthers)
{
    IdGenerator ids;
    PenCache pens(ids);
    EXPECT_EQ(pens.Handle(PenCache::kNoPen), nullptr);
    EXPECT_FALSE(pens.Release(PenCache::kNoPen));
    const int32_t shared = pens.Acquire(RGB(1, 1, 1), PS_SOLID, 1);
    const int32_t middle = pens.Acquire(RGB(2, 2, 2), PS_SOLID, 1);
    const int32_t last = pens.Acquire(RGB(3, 3, 3), PS_SOLID, 1);
    ASSERT_EQ(pens.Acquire(RGB(1, 1, 1), PS_SOLID, 1), shared);
    const HPEN lastHandle = pens.Handle(last);
    EXPECT_TRUE(pens.Release(middle));
    EXPECT_EQ(pens.Handle(middle), nullptr);
    EXPECT_EQ(pens.Handle(last), lastHandle);
    EXPECT_EQ(pens.Acquire(RGB(3, 3, 3), PS_SOLID, 1), last);

    const HPEN sharedHandle = pens.Handle(shared);
    EXPECT_TRUE(pens.Release(shared));
    EXPECT_EQ(pens.Handle(shared), sharedHandle);  // one holder left
    EXPECT_TRUE(pens.Release(shared));
    EXPECT_EQ(pens.Handle(shared), nullptr);
    EXPECT_FALSE(pens.Release(shared));
    EXPECT_EQ(pens.Size(), 1u);
}

TEST(IdGenerator, WrapsToOneBeforeIntMax)
{
    IdGenerator ids(INT32_MAX - 2);
    for (int32_t expected : {INT32_MAX - 2, INT32_MAX - 1, 1, 2})
        EXPECT_EQ(ids.Next(), expected);
}

TEST(FontCache, HeightIsTheCellAndTheNormalFaceIsLighterThanBold)
{
    IdGenerator ids;
    FontCache fonts(ids);
    Canvas canvas(16, 16);
    auto metrics = [&](int32_t id) {
        TEXTMETRICW m{};
        HGDIOBJ old = SelectObject(canvas.Dc(), fonts.Handle(id));
        GetTextMetricsW(canvas.Dc(), &m);
        SelectObject(canvas.Dc(), old);
        return m;
    };
    const TEXTMETRICW bold = metrics(fonts.Acquire(30, L"宋体", FW_BOLD));
    EXPECT_EQ(bold.tmHeight, 30);
    EXPECT_EQ(bold.tmWeight, FW_BOLD);
    // The normal face may itself be light (Wine reports 300 for it).
    EXPECT_LT(metrics(fonts.Acquire(30, L"宋体", FW_NORMAL)).tmWeight, FW_BOLD);
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
