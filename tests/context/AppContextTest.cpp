// The context is one per process, so its whole life is walked through in
// order inside one test; this executable carries the program's resources.
#include "context/AppContext.h"

#include "context/ModulePaths.h"
#include "gdi/FontCache.h"
#include "gdi/PenCache.h"
#include "images/KyImagePool.h"
#include "platform/testing/TestPlatform.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// GDI objects, cached fonts, cached pens, pooled pictures.
auto Count()
{
    return std::tuple{kytest::LiveGdiObjectCount(), FontCache::Instance().Size(), PenCache::Instance().Size(),
                      KyImagePool::Instance().Size()};
}

std::vector<const KyImage*> Pictures(const AppContext& c)
{
    return {&c.candlePicture,     &c.uprightImagePicture, &c.invertedImagePicture,
            &c.convexLensPicture, &c.concaveLensPicture,  &c.buttonSkin};
}

std::vector<int32_t> FontsAndPens(const AppContext& c)
{
    return {c.titleFont, c.font18, c.boldFont30, c.font28, c.font30, c.rayPen, c.dashedRayPen, c.redPen};
}

void ExpectEmpty(const AppContext& c)
{
    EXPECT_EQ(c.module, nullptr);
    EXPECT_EQ(FontsAndPens(c), std::vector<int32_t>(8, AppContext::kNoObject));
    for (const KyImage* picture : Pictures(c))
        EXPECT_EQ(picture->Bitmap(), nullptr);
    EXPECT_EQ(c.statusDisplay, nullptr);
}

}  // namespace

TEST(WindowTitle, FullWidthParenthesesAndAnAsciiColon)
{
    EXPECT_EQ(WindowTitle(L"Optics", {1, 6, 0, 0}), L"Optics \xFF08" L"1.6\xFF09:");
    EXPECT_EQ(WindowTitle(L"", {10, 65535, 2, 3}), L" （10.65535）:");
}

TEST(AppContext, FillsOnceAndEmptiesOnce)
{
    AppContext& context = AppContext::Instance();
    ExpectEmpty(context);
    const auto before = Count();

    context.Initialize();
    EXPECT_EQ(context.module, GetModuleHandleW(nullptr));
    EXPECT_EQ(context.moduleDirectory + context.moduleFileName, ModulePath());
    EXPECT_EQ(context.title, L"凸透镜与凹透镜成像演示 （1.6）:");
    const std::vector<int32_t> ids = FontsAndPens(context);
    EXPECT_EQ(std::set<int32_t>(ids.begin(), ids.end()).size(), 8u);
    // The cache shares one font per description: asking again for the exact
    // face, height and weight gives the same font back.
    const struct { int32_t id; int height; bool bold; const wchar_t* face; } fonts[] = {
        {context.titleFont, 30, true, L"楷体"}, {context.font18, 18, false, L"宋体"},
        {context.boldFont30, 30, true, L"宋体"}, {context.font28, 28, false, L"宋体"},
        {context.font30, 30, false, L"宋体"}};
    for (const auto& f : fonts) {
        const int32_t same = f.bold ? AcquireBoldFont(f.height, f.face) : AcquireFont(f.height, f.face);
        EXPECT_EQ(same, f.id) << &f - fonts;
        ReleaseFont(same);
    }
    for (int32_t pen : {context.rayPen, context.dashedRayPen, context.redPen})
        EXPECT_NE(PenHandle(pen), nullptr);
    const std::vector<std::pair<LONG, LONG>> sizes{{50, 170}, {50, 170}, {50, 170}, {73, 517}, {73, 517}, {256, 22}};
    const std::vector<const KyImage*> pictures = Pictures(context);
    for (std::size_t i = 0; i < pictures.size(); ++i)
        EXPECT_EQ(std::pair(pictures[i]->SourceRect().right, pictures[i]->SourceRect().bottom), sizes[i]) << i;

    // Five fonts and three pens; Wine keeps no count of GDI objects (both read 0).
    const auto filled = Count();
    const unsigned objects = std::get<0>(before) == 0 && std::get<0>(filled) == 0 ? 0 : 8;
    EXPECT_EQ(filled, std::tuple(std::get<0>(before) + objects, std::get<1>(before) + 5, std::get<2>(before) + 3,
                                 std::get<3>(before) + 6));
    context.Initialize();
    EXPECT_EQ(Count(), filled);
    EXPECT_EQ(FontsAndPens(context), ids);

    const std::wstring title = context.title;
    context.Shutdown();
    ExpectEmpty(context);
    EXPECT_EQ(Count(), before);
    EXPECT_EQ(FontHandle(ids[0]), nullptr);
    // What was read stays until the process ends.
    EXPECT_EQ(context.title, title);
    EXPECT_EQ(context.versionInfo.productVersion, (std::array<WORD, 4>{1, 6, 0, 0}));
    context.Shutdown();
    EXPECT_EQ(Count(), before);

    // A later Initialize fills it again; the process exit empties it then.
    context.Initialize();
    EXPECT_EQ(Count(), filled);
    EXPECT_EQ(context.title, title);
}
