// The scene as painted: pictures, scales, marks, texts and rays at the
// pixels the geometry gives. Text is checked by where its ink lies, never by
// glyph shapes, so the same checks hold under Windows.
#include "ViewProbe.h"

#include "context/AppContext.h"
#include "images/ImageDrawing.h"
#include "tests/support/Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 600;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRayColour = RGB(222, 62, 33);

bool IsDark(COLORREF c)
{
    return GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128;
}

bool IsMarkRed(COLORREF c)
{
    return GetRValue(c) > 200 && GetGValue(c) < 40 && GetBValue(c) < 40;
}

bool IsRay(COLORREF c)
{
    return c == kRayColour;
}

// The smallest rectangle holding every pixel of `region` that `test` accepts;
// empty when there is none.
RECT BoxWhere(const RECT& region, const std::function<bool(int, int)>& test)
{
    RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = region.top; y < region.bottom; ++y) {
        for (int x = region.left; x < region.right; ++x) {
            if (!test(x, y))
                continue;
            box.left = std::min<LONG>(box.left, x);
            box.top = std::min<LONG>(box.top, y);
            box.right = std::max<LONG>(box.right, x + 1);
            box.bottom = std::max<LONG>(box.bottom, y + 1);
        }
    }
    return box.left > box.right ? RECT{0, 0, 0, 0} : box;
}

RECT InkBox(const Canvas& canvas, const RECT& region, const std::function<bool(COLORREF)>& test)
{
    return BoxWhere(region, [&](int x, int y) { return test(canvas.Pixel(x, y)); });
}

bool Empty(const RECT& r)
{
    return r.right <= r.left;
}

// Ray pixels on the segment's own pixels, as a share of them.
double RayShare(const Canvas& canvas, POINT from, POINT to)
{
    const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
    int hits = 0;
    for (int i = 0; i < steps; ++i) {
        const int x = from.x + (to.x - from.x) * i / steps;
        const int y = from.y + (to.y - from.y) * i / steps;
        // Line algorithms may round the minor axis either way.
        bool hit = false;
        for (int d = -1; d <= 1 && !hit; ++d)
            hit = std::abs(to.x - from.x) >= std::abs(to.y - from.y) ? IsRay(canvas.Pixel(x, y + d))
                                                                     : IsRay(canvas.Pixel(x + d, y));
        hits += hit ? 1 : 0;
    }
    return steps == 0 ? 0.0 : static_cast<double>(hits) / steps;
}

class ScenePaint : public ::testing::Test {
protected:
    static void SetUpTestSuite() { AppContext::Instance().Initialize(); }

    template <typename View>
    std::unique_ptr<Canvas> PaintOf(View& view)
    {
        auto canvas = std::make_unique<Canvas>(kWidth, kHeight);
        SetBkMode(canvas->Dc(), TRANSPARENT);
        view.Paint(canvas->Dc(), RECT{0, 0, kWidth, kHeight});
        return canvas;
    }

    // Where painting the scene with and without `picture` differs, looked
    // for around `box`.
    template <typename View>
    RECT PictureFootprint(View& view, KyImage& picture, const PictureBox& box)
    {
        const auto with = PaintOf(view);
        KyImage kept;
        kept.LoadFromImage(picture, true);
        picture.Release();
        const auto without = PaintOf(view);
        picture.LoadFromImage(kept, true);
        return BoxWhere(Around(box), [&](int x, int y) { return with->Pixel(x, y) != without->Pixel(x, y); });
    }

    static RECT Around(const PictureBox& box)
    {
        return RECT{box.left - 10, box.top - 10, box.left + box.width + 10, box.top + box.height + 10};
    }

    // The ink of `picture` drawn alone into `box`.
    static RECT InkAlone(const KyImage& picture, const PictureBox& box)
    {
        Canvas canvas(kWidth, kHeight);
        const RECT& source = picture.SourceRect();
        DrawImage(canvas.Dc(), picture, box.left, box.top, box.width, box.height, 0, source.right - source.left,
                  source.bottom - source.top);
        return InkBox(canvas, Around(box), [](COLORREF c) { return c != kWhite; });
    }

    // Lines drawn later may hide up to `hidden` rows or columns at an edge
    // (the lens line runs through the lens's tips, the axis along the top
    // of a hanging image), never add one.
    template <typename View>
    void ExpectPictureAt(View& view, KyImage& picture, const PictureBox& box, int hidden)
    {
        const RECT drawn = PictureFootprint(view, picture, box);
        const RECT alone = InkAlone(picture, box);
        ASSERT_FALSE(Empty(alone));
        EXPECT_EQ(drawn.left, alone.left);
        EXPECT_EQ(drawn.right, alone.right);
        EXPECT_GE(drawn.top, alone.top);
        EXPECT_LE(drawn.top, alone.top + hidden);
        EXPECT_LE(drawn.bottom, alone.bottom);
        EXPECT_GE(drawn.bottom, alone.bottom - hidden);
    }

    AppContext& context = AppContext::Instance();
};

template <typename View>
void Open(View& view)
{
    ASSERT_TRUE(OpenView(view, kWidth, kHeight));
}

}  // namespace

TEST_F(ScenePaint, PicturesOfTheDefaultConvexView)
{
    ConvexView view;
    Open(view);
    ExpectPictureAt(view, context.convexLensPicture, PictureBox{489, 190, 23, 160}, 2);
    ExpectPictureAt(view, context.candlePicture, PictureBox{368, 190, 24, 80}, 0);
    ExpectPictureAt(view, context.invertedImagePicture, PictureBox{716, 270, 47, 160}, 1);
}

// Ticks rise 5 pixels from the axis (row 265 is the excluded end point),
// labels centred under them; the red focal marks are two pixels wide, in the
// focal-mark colour exactly, labelled above; "CM" hangs from (950, 325).
TEST_F(ScenePaint, TicksMarksAndUnitsOfTheDefaultConvexView)
{
    ConvexView view;
    Open(view);
    const auto canvas = PaintOf(view);
    for (int x : {20, 100, 180, 260, 740, 820, 900, 980}) {
        SCOPED_TRACE(x);
        for (int y = 266; y <= 270; ++y)
            EXPECT_TRUE(IsDark(canvas->Pixel(x, y)));
        EXPECT_EQ(canvas->Pixel(x, 265), kWhite);
        EXPECT_EQ(canvas->Pixel(x + 1, 267), kWhite);
        const RECT label = InkBox(*canvas, RECT{x - 40, 271, x + 40, 300}, IsDark);
        EXPECT_NEAR((label.left + label.right) / 2.0, x, 3.0);
        EXPECT_LE(label.bottom, 295);
    }
    for (int y : {350, 430, 510, 590, 110, 30}) {
        SCOPED_TRACE(y);
        EXPECT_TRUE(IsDark(canvas->Pixel(504, y)));
        EXPECT_EQ(canvas->Pixel(505, y), kWhite);
        EXPECT_GE(InkBox(*canvas, RECT{506, y - 13, 600, y + 13}, IsDark).left, 510);
    }
    for (int x : {580, 420, 660, 340}) {
        SCOPED_TRACE(x);
        int red = 0;
        for (int dx = -3; dx <= 3; ++dx) {
            const COLORREF c = canvas->Pixel(x + dx, 263);
            if (IsMarkRed(c)) {
                ++red;
                EXPECT_EQ(c, RGB(250, 0, 0)) << dx;
            }
        }
        EXPECT_EQ(red, 2);
        EXPECT_FALSE(IsMarkRed(canvas->Pixel(x, 257)));
        const RECT label = InkBox(*canvas, RECT{x - 20, 200, x + 20, 259}, IsMarkRed);
        EXPECT_GE(label.top, 230);
        EXPECT_NEAR((label.left + label.right) / 2.0, x, 3.0);
    }
    const RECT axisUnit = InkBox(*canvas, RECT{930, 310, 1000, 370}, IsDark);
    EXPECT_GE(axisUnit.left, 950);
    EXPECT_LE(axisUnit.left, 955);
    EXPECT_GE(axisUnit.top, 325);
    EXPECT_LE(axisUnit.top, 335);
}

// Through the centre and from the lens through F' (580, 270), both ending at
// the image's tip (740, 430): nothing dashed, nothing beyond.
TEST_F(ScenePaint, RaysOfTheDefaultConvexViewMeetAtTheImageTip)
{
    ConvexView view;
    Open(view);
    const auto canvas = PaintOf(view);
    const RECT rays = InkBox(*canvas, RECT{0, 0, kWidth, kHeight}, IsRay);
    EXPECT_EQ(rays.left, 380);
    EXPECT_EQ(rays.top, 190);
    EXPECT_EQ(rays.right, 740);
    EXPECT_EQ(rays.bottom, 430);
    EXPECT_EQ(RayShare(*canvas, {380, 190}, {740, 430}), 1.0);
    EXPECT_EQ(RayShare(*canvas, {500, 190}, {740, 430}), 1.0);
}

TEST_F(ScenePaint, AVirtualConvexImageHasTwoDashedExtensionsMeetingAtItsTip)
{
    ConvexView view;
    Open(view);
    view.objectX = -5.0f;
    view.Recompute();
    const auto canvas = PaintOf(view);
    for (POINT from : {POINT{460, 190}, POINT{500, 190}}) {
        const double share = RayShare(*canvas, from, {420, 110});
        EXPECT_GT(share, 0.3);
        EXPECT_LT(share, 0.95) << "dashed, with gaps";
    }
    EXPECT_EQ(RayShare(*canvas, {500, 190}, {909, 599}), 1.0);
    EXPECT_EQ(RayShare(*canvas, {460, 190}, {665, 600}), 1.0);
    EXPECT_FALSE(Empty(InkBox(*canvas, RECT{396, 110, 443, 270}, [](COLORREF c) { return c != kWhite; })));
}

TEST_F(ScenePaint, AtTheFocalPointNoImageAndNoStaleExtensions)
{
    ConvexView view;
    Open(view);
    view.objectX = -5.0f;
    view.Recompute();
    view.objectX = -10.0f;
    view.Recompute();
    ASSERT_FALSE(view.hasImage);
    const auto canvas = PaintOf(view);
    EXPECT_EQ(RayShare(*canvas, {420, 190}, {829, 599}), 1.0);
    EXPECT_EQ(RayShare(*canvas, {500, 190}, {909, 599}), 1.0);
    EXPECT_TRUE(Empty(InkBox(*canvas, RECT{393, 100, 488, 190}, [](COLORREF c) { return c != kWhite; })));
}

// The dashed extension runs 45 degrees from (750, 350) to (650, 450): every
// whole dash is 18 pixels on, every gap 6 off.
TEST_F(ScenePaint, ConcaveRaysHaveOneDashedSegmentToTheFocalPoint)
{
    ConcaveView view;
    Open(view);
    const auto canvas = PaintOf(view);
    std::vector<std::pair<bool, int>> runs;
    for (int i = 0; i < 100; ++i) {
        const bool on = IsRay(canvas->Pixel(750 - i, 350 + i));
        if (runs.empty() || runs.back().first != on)
            runs.push_back({on, 0});
        ++runs.back().second;
    }
    ASSERT_GE(runs.size(), 5u);
    for (std::size_t i = 1; i + 1 < runs.size(); ++i)
        EXPECT_EQ(runs[i].second, runs[i].first ? 18 : 6) << "run " << i;
    EXPECT_EQ(RayShare(*canvas, {600, 350}, {690, 410}), 1.0) << "solid through the image's tip";
    EXPECT_EQ(RayShare(*canvas, {750, 350}, {999, 101}), 1.0);
    const RECT rays = InkBox(*canvas, RECT{0, 0, kWidth, kHeight}, IsRay);
    EXPECT_EQ(rays.left, 600);
    EXPECT_EQ(rays.top, 101);
}

// The label "10" right of the lens: the font grows at scale 10 and 15, and
// from 10 on the label sits in a 40-pixel band.
TEST_F(ScenePaint, TickLabelsGrowWithTheZoom)
{
    ConvexView view;
    Open(view);
    auto labelAt = [&](float scale) {
        view.scale = scale;
        const auto canvas = PaintOf(view);
        const int x = RoundToInt(500.0f + 10.0f * scale);
        return InkBox(*canvas, RECT{x - 30, 271, x + 30, 312}, IsDark);
    };
    const RECT at9 = labelAt(9), at10 = labelAt(10), at14 = labelAt(14), at15 = labelAt(15);
    auto height = [](const RECT& r) { return r.bottom - r.top; };
    EXPECT_LE(at9.bottom, 295);
    EXPECT_GT(at10.bottom, 295);
    EXPECT_LE(at10.bottom, 310);
    EXPECT_GT(height(at10), height(at9) + 3);
    EXPECT_EQ(height(at10), height(at14));
    EXPECT_GE(height(at15), height(at14));
    EXPECT_GT(at15.right - at15.left, at14.right - at14.left);
}

// Lines of 25 pixels from y 340: with the area ending at 390 the second line
// (365 to 390) reaches the bottom and is the last one drawn.
TEST_F(ScenePaint, StatusLinesStopAtTheLineThatReachesTheBottom)
{
    ConvexView view;
    Open(view);
    view.statusRect = RECT{10, 340, 480, 390};
    const auto cut = PaintOf(view);
    EXPECT_FALSE(Empty(InkBox(*cut, RECT{10, 366, 480, 390}, IsDark)));
    EXPECT_TRUE(Empty(InkBox(*cut, RECT{10, 390, 480, 480}, IsDark)));
}

TEST_F(ScenePaint, ButtonFacesFollowTheState)
{
    ConvexView view;
    Open(view);
    SkinButton& button = view.buttons[0];
    const RECT& r = button.rect;
    auto faceAt = [&](int face) {
        Canvas alone(kWidth, kHeight);
        const RECT& strip = context.buttonSkin.SourceRect();
        DrawImage(alone.Dc(), context.buttonSkin, r.left, r.top, 65, 22, 64 * face, 65, strip.bottom - strip.top);
        return alone.Pixel(r.left + 3, r.top + 3);
    };
    auto shown = [&] {
        Canvas canvas(kWidth, kHeight);
        SetBkMode(canvas.Dc(), TRANSPARENT);
        button.Draw(canvas.Dc(), RECT{0, 0, kWidth, kHeight});
        return std::make_pair(canvas.Pixel(r.left + 3, r.top + 3), InkBox(canvas, r, IsDark));
    };
    const auto normal = shown();
    EXPECT_EQ(normal.first, faceAt(0));
    button.hover = true;
    const auto hover = shown();
    EXPECT_EQ(hover.first, faceAt(1));
    EXPECT_EQ(hover.second.top, normal.second.top - 1) << "the caption rises with the lit face";
    button.pressed = true;
    EXPECT_EQ(shown().first, faceAt(2));
    button.enabled = false;
    EXPECT_EQ(shown().first, faceAt(3));

    // Outside the update area nothing is drawn.
    Canvas canvas(kWidth, kHeight);
    button.Draw(canvas.Dc(), RECT{0, 0, r.left, r.top});
    EXPECT_TRUE(canvas.Untouched());
}
