// The context is one per process, so its whole life is walked through in
// order inside one test; this executable carries the program's resources.
#include "context/AppContext.h"

#include "context/ModulePaths.h"
#include "gdi/FontCache.h"
#include "gdi/PenCache.h"
#include "images/KyImagePool.h"
#include "platform/testing/TestPlatform.h"
#include "platform/testing/TestVersionBlock.h"
#include "tests/context/VersionRecordBuilder.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

struct Census {
    unsigned gdiObjects;
    std::size_t fonts;
    std::size_t pens;
    std::size_t pictures;
    bool operator==(const Census&) const = default;
};

Census Count()
{
    return {kytest::LiveGdiObjectCount(), FontCache::Instance().Size(), PenCache::Instance().Size(),
            KyImagePool::Instance().Size()};
}

std::vector<const KyImage*> Pictures(const AppContext& c)
{
    return {&c.candlePicture,     &c.uprightImagePicture, &c.invertedImagePicture,
            &c.convexLensPicture, &c.concaveLensPicture,  &c.buttonSkin};
}

std::vector<int32_t> Fonts(const AppContext& c)
{
    return {c.titleFont, c.font18, c.boldFont30, c.font28, c.font30};
}

std::vector<int32_t> Pens(const AppContext& c)
{
    return {c.rayPen, c.dashedRayPen, c.redPen};
}

void ExpectEmpty(const AppContext& c)
{
    EXPECT_EQ(c.module, nullptr);
    for (int32_t id : Fonts(c))
        EXPECT_EQ(id, AppContext::kNoObject);
    for (int32_t id : Pens(c))
        EXPECT_EQ(id, AppContext::kNoObject);
    for (const KyImage* picture : Pictures(c)) {
        EXPECT_EQ(picture->SharedId(), 0);
        EXPECT_EQ(picture->Bitmap(), nullptr);
    }
    EXPECT_EQ(c.statusDisplay, nullptr);
}

}  // namespace

TEST(WindowTitle, FullWidthParenthesesAndAnAsciiColon)
{
    EXPECT_EQ(WindowTitle(L"Optics", {1, 6, 0, 0}), L"Optics \xFF08" L"1.6\xFF09:");
    EXPECT_EQ(WindowTitle(L"", {10, 65535, 2, 3}), L" （10.65535）:");

    // The product version, not the file version, and the first table only.
    const std::vector<BYTE> record = kytest::VersionRecordBuilder()
                                          .FileVersion(0x00020000, 0)
                                          .ProductVersion(0x00010006, 0x00020003)
                                          .Table({u"080404b0", {{u"ProductName", u"光学"}}})
                                          .Table({u"040904b0", {{u"ProductName", u"Optics"}}})
                                          .Translations({{0x804, 0x4B0}, {0x409, 0x4B0}})
                                          .Build();
    const std::vector<BYTE> block = kytest::VersionBlockOf(record);
    VersionInfo info;
    ASSERT_TRUE(info.ReadRecord(L"x", block.data(), block.size()));
    EXPECT_EQ(WindowTitle(info.stringTables[0].productNameText, info.productVersion), L"光学 （1.6）:");
}

TEST(AppContext, FillsOnceAndEmptiesOnce)
{
    AppContext& context = AppContext::Instance();
    EXPECT_EQ(&AppContext::Instance(), &context);
    ExpectEmpty(context);
    EXPECT_TRUE(context.title.empty());
    const Census before = Count();

    context.Initialize();
    EXPECT_EQ(context.module, GetModuleHandleW(nullptr));
    EXPECT_EQ(context.modulePath, ModulePath());
    EXPECT_EQ(context.moduleDirectory + context.moduleFileName, context.modulePath);

    EXPECT_EQ(context.title, L"凸透镜与凹透镜成像演示 （1.6）:");

    const std::vector<int32_t> fonts = Fonts(context);
    const std::vector<int32_t> pens = Pens(context);
    std::set<int32_t> distinct(fonts.begin(), fonts.end());
    distinct.insert(pens.begin(), pens.end());
    EXPECT_EQ(distinct.size(), 8u);
    for (int32_t id : fonts)
        EXPECT_NE(FontHandle(id), nullptr) << id;
    for (int32_t id : pens)
        EXPECT_NE(PenHandle(id), nullptr) << id;

    const std::vector<RECT> sizes{{0, 0, 50, 170}, {0, 0, 50, 170}, {0, 0, 50, 170},
                                  {0, 0, 73, 517}, {0, 0, 73, 517}, {0, 0, 256, 22}};
    const std::vector<const KyImage*> pictures = Pictures(context);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_NE(pictures[i]->SharedId(), 0) << i;
        const RECT& r = pictures[i]->SourceRect();
        EXPECT_EQ(r.right, sizes[i].right) << i;
        EXPECT_EQ(r.bottom, sizes[i].bottom) << i;
    }

    const Census filled = Count();
    EXPECT_EQ(filled.fonts, before.fonts + 5);
    EXPECT_EQ(filled.pens, before.pens + 3);
    EXPECT_EQ(filled.pictures, before.pictures + 6);
    // Five fonts and three pens; Wine keeps no count (both read 0).
    if (filled.gdiObjects != 0) {
        EXPECT_EQ(filled.gdiObjects, before.gdiObjects + 8);
    }
    const std::vector<int32_t> firstFonts = fonts;
    context.Initialize();
    EXPECT_EQ(Count(), filled);
    EXPECT_EQ(Fonts(context), firstFonts);

    const std::wstring title = context.title;
    context.Shutdown();
    ExpectEmpty(context);
    EXPECT_EQ(Count(), before);
    for (int32_t id : fonts)
        EXPECT_EQ(FontHandle(id), nullptr);
    // What was read stays until the process ends.
    EXPECT_EQ(context.title, title);
    EXPECT_FALSE(context.modulePath.empty());
    EXPECT_EQ(context.versionInfo.productVersion, (std::array<WORD, 4>{1, 6, 0, 0}));

    context.Shutdown();
    EXPECT_EQ(Count(), before);

    // A later Initialize fills it again; the process exit empties it then.
    context.Initialize();
    EXPECT_EQ(Count(), filled);
    EXPECT_EQ(context.title, title);
}
