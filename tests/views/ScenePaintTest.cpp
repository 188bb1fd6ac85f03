// The scene as painted: pictures, scales, marks, texts and rays at the
// pixels the geometry gives. Text is checked by where its ink lies, never by
// glyph shapes, so the same checks hold under Windows.
#include "ViewProbe.h"

#include "context/AppContext.h"
#include "images/ImageDrawing.h"
#include "tests/support/Canvas.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 600;
constexpr COLORREF kWhite = RGB(255, 255, 255);

bool IsDark(COLORREF c) { return GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128; }
bool IsMarkRed(COLORREF c) { return GetRValue(c) > 200 && GetGValue(c) < 40 && GetBValue(c) < 40; }
bool IsRay(COLORREF c) { return c == RGB(222, 62, 33); }
bool IsInk(COLORREF c) { return c != kWhite; }

// The smallest rectangle holding every pixel of `region` that `test` accepts;
// empty when there is none.
RECT BoxWhere(const RECT& region, const std::function<bool(int, int)>& test)
{
    RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = region.top; y < region.bottom; ++y)
        for (int x = region.left; x < region.right; ++x)
            if (test(x, y))
                box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                           std::max<LONG>(box.bottom, y + 1)};
    return box.left > box.right ? RECT{0, 0, 0, 0} : box;
}

RECT InkBox(const Canvas& canvas, const RECT& region, bool (*test)(COLORREF))
{
    return BoxWhere(region, [&](int x, int y) { return test(canvas.Pixel(x, y)); });
}

bool Empty(const RECT& r) { return r.right <= r.left; }

// Ray pixels on the segment's own pixels inside the canvas (line algorithms
// may round the minor axis either way), as a share of them.
double RayShare(const Canvas& canvas, POINT from, POINT to)
{
    const bool flat = std::abs(to.x - from.x) >= std::abs(to.y - from.y);
    const int steps = std::max(std::abs(to.x - from.x), std::abs(to.y - from.y));
    int hits = 0, inside = 0;
    for (int i = 0; i < steps; ++i) {
        const int x = from.x + (to.x - from.x) * i / steps, y = from.y + (to.y - from.y) * i / steps;
        if (x < 1 || y < 1 || x >= kWidth - 1 || y >= kHeight - 1) continue;
        bool hit = false;
        for (int d = -1; d <= 1; ++d)
            hit = hit || IsRay(flat ? canvas.Pixel(x, y + d) : canvas.Pixel(x + d, y));
        hits += hit ? 1 : 0;
        ++inside;
    }
    return inside ? static_cast<double>(hits) / inside : 0.0;
}

class ScenePaint : public ViewTest<ConvexView> {
protected:
    static void SetUpTestSuite() { AppContext::Instance().Initialize(); }

    template <typename View>
    static std::unique_ptr<Canvas> PaintOf(View& view)
    {
        auto canvas = std::make_unique<Canvas>(kWidth, kHeight);
        SetBkMode(canvas->Dc(), TRANSPARENT);
        view.Paint(canvas->Dc(), RECT{0, 0, kWidth, kHeight});
        return canvas;
    }

    void Place(float objectX)
    {
        view.objectX = objectX;
        view.Recompute();
    }

    AppContext& context = AppContext::Instance();
};

}  // namespace

// Where painting with and without a picture differs is where the picture,
// drawn alone into its box, has ink; lines drawn later may hide up to
// `hidden` rows at an edge (the lens line runs through the lens's tips, the
// axis along the top of a hanging image), never add one.
TEST_F(ScenePaint, PicturesStandInTheirBoxes)
{
    // Every candle picture is measured by the upright image's rectangle.
    using BoxOf = PictureBox (*)(const SceneModel&, int, int);
    const struct { float objectX; KyImage AppContext::*picture; BoxOf boxOf; KyImage AppContext::*measure; int hidden; } pictures[] = {
        {-15, &AppContext::convexLensPicture, LensBox, &AppContext::convexLensPicture, 2},
        {-15, &AppContext::candlePicture, CandleBox, &AppContext::uprightImagePicture, 0},
        {-15, &AppContext::invertedImagePicture, ImageBox, &AppContext::uprightImagePicture, 1},
        {-5, &AppContext::uprightImagePicture, ImageBox, &AppContext::uprightImagePicture, 1}};
    for (const auto& p : pictures) {
        SCOPED_TRACE(&p - pictures);
        Place(p.objectX);
        const RECT& measure = (context.*p.measure).SourceRect();
        const PictureBox box = p.boxOf(view.Scene(), measure.right - measure.left, measure.bottom - measure.top);
        KyImage& picture = context.*p.picture;
        const auto with = PaintOf(view);
        KyImage kept;
        kept.LoadFromImage(picture, true);
        picture.Release();
        const auto without = PaintOf(view);
        picture.LoadFromImage(kept, true);
        Canvas alone(kWidth, kHeight);
        const RECT& source = picture.SourceRect();
        DrawImage(alone.Dc(), picture, box.left, box.top, box.width, box.height, 0,
                  source.right - source.left, source.bottom - source.top);
        const RECT around{box.left - 4, box.top - 4, box.left + box.width + 4, box.top + box.height + 4};
        const RECT drawn = BoxWhere(around, [&](int x, int y) { return with->Pixel(x, y) != without->Pixel(x, y); });
        const RECT ink = InkBox(alone, around, IsInk);
        ASSERT_FALSE(Empty(ink));
        EXPECT_EQ(std::pair(drawn.left, drawn.right), std::pair(ink.left, ink.right));
        EXPECT_TRUE(drawn.top >= ink.top && drawn.top <= ink.top + p.hidden) << drawn.top << " " << ink.top;
        EXPECT_TRUE(drawn.bottom <= ink.bottom && drawn.bottom >= ink.bottom - p.hidden) << drawn.bottom;
    }
}

// Ticks rise 5 pixels from the axis (row 265 is the excluded end point),
// labels centred under them; the red focal marks are two pixels wide, in the
// focal-mark colour exactly, labelled above; "CM" hangs from (950, 325).
TEST_F(ScenePaint, TicksMarksAndUnitsOfTheDefaultConvexView)
{
    const auto canvas = PaintOf(view);
    const SceneModel scene = view.Scene();
    std::vector<int> marks;  // f and 2f on both sides
    for (int k : {1, -1, 2, -2}) marks.push_back(RoundToInt(scene.originX + k * scene.focalLength * scene.scale));
    std::vector<int> ticks;  // those not under a focal mark
    for (int direction : {-1, 1})
        for (int x : TickPositions(scene.originX, scene.scale, direction, kWidth))
            if (std::find(marks.begin(), marks.end(), x) == marks.end()) ticks.push_back(x);
    ASSERT_EQ(ticks.size(), 8u);
    for (int x : ticks) {
        SCOPED_TRACE(x);
        EXPECT_EQ(InkBox(*canvas, RECT{x - 1, 260, x + 2, 271}, IsInk).top, 266);
        EXPECT_EQ(InkBox(*canvas, RECT{x - 1, 260, x + 2, 270}, IsDark).right - 1, x) << "one pixel wide";
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
    for (int x : marks) {
        SCOPED_TRACE(x);
        std::vector<int> red;  // columns in the mark colour, exactly
        for (int dx = -3; dx <= 3; ++dx) {
            const COLORREF c = canvas->Pixel(x + dx, 263);
            if (IsMarkRed(c)) red.push_back(dx);
            EXPECT_TRUE(!IsMarkRed(c) || c == RGB(250, 0, 0)) << dx;
        }
        EXPECT_EQ(red, (std::vector<int>{-1, 0}));
        EXPECT_FALSE(IsMarkRed(canvas->Pixel(x, 257)));
        const RECT label = InkBox(*canvas, RECT{x - 20, 200, x + 20, 259}, IsMarkRed);
        EXPECT_GE(label.top, 230);
        EXPECT_NEAR((label.left + label.right) / 2.0, x, 3.0);
    }
    const RECT axisUnit = InkBox(*canvas, RECT{930, 310, 1000, 370}, IsDark);
    EXPECT_TRUE(axisUnit.left >= 950 && axisUnit.left <= 955 && axisUnit.top >= 325 && axisUnit.top <= 335);
}

// Every segment the geometry gives is painted, solid along its whole length
// or dashed with gaps; a real image's rays stop at its tip, and at the focal
// point no extension is drawn and no stale virtual image stays behind.
TEST_F(ScenePaint, ConvexRaysOfRealVirtualAndNoImage)
{
    for (float objectX : {-15.0f, -5.0f, -10.0f}) {
        SCOPED_TRACE(objectX);
        Place(objectX);
        const auto canvas = PaintOf(view);
        const std::vector<RaySegment> segments = ConvexRays(view.Scene());
        ASSERT_FALSE(segments.empty());
        for (const RaySegment& s : segments) {
            SCOPED_TRACE(&s - segments.data());
            const double share = RayShare(*canvas, s.from, s.to);
            EXPECT_GE(share, s.dashed ? .3 : 1.0);
            EXPECT_LE(share, s.dashed ? .95 : 1.0);
        }
        if (view.hasImage && view.imageHeight > 0) {
            const POINT tip = segments.back().to;
            EXPECT_EQ(RayShare(*canvas, {tip.x + 3, tip.y + 2}, {tip.x + 60, tip.y + 40}), 0.0);
            EXPECT_EQ(RayShare(*canvas, {tip.x + 2, tip.y + 2}, {tip.x + 60, tip.y + 60}), 0.0);
        }
        const bool extended = std::any_of(segments.begin(), segments.end(), [](const RaySegment& s) { return s.dashed; });
        EXPECT_EQ(extended, view.hasImage && view.imageHeight < 0);
    }
    EXPECT_TRUE(Empty(InkBox(*PaintOf(view), RECT{393, 100, 488, 190}, IsInk))) << "no stale virtual image";
}

// The concave lens's dashed extension runs 45 degrees back to the focal
// point: every whole dash is 18 pixels on, every gap 6 off; the other
// segments are solid, and no ray colour lies left of where they start.
TEST_F(ScenePaint, ConcaveRaysHaveOneDashedSegmentToTheFocalPoint)
{
    ConcaveView concave;
    ASSERT_TRUE(ShowView(concave, kWidth, kHeight));
    const auto canvas = PaintOf(concave);
    const std::vector<RaySegment> segments = ConcaveRays(concave.Scene());
    const auto dashed = std::find_if(segments.begin(), segments.end(), [](const RaySegment& s) { return s.dashed; });
    ASSERT_NE(dashed, segments.end());
    ASSERT_EQ(dashed->to.x - dashed->from.x, -(dashed->to.y - dashed->from.y)) << "45 degrees";
    std::vector<std::pair<bool, int>> runs;
    for (int i = 0; i < 100; ++i) {
        const bool on = IsRay(canvas->Pixel(dashed->from.x - i, dashed->from.y + i));
        if (runs.empty() || runs.back().first != on)
            runs.push_back({on, 0});
        ++runs.back().second;
    }
    ASSERT_GE(runs.size(), 5u);
    for (std::size_t i = 1; i + 1 < runs.size(); ++i)
        EXPECT_EQ(runs[i].second, runs[i].first ? 18 : 6) << "run " << i;
    LONG left = kWidth;
    for (const RaySegment& s : segments) {
        EXPECT_TRUE(s.dashed || RayShare(*canvas, s.from, s.to) == 1.0) << &s - segments.data();
        left = std::min({left, s.from.x, s.to.x});
    }
    EXPECT_EQ(InkBox(*canvas, RECT{0, 0, kWidth, kHeight}, IsRay).left, left) << "nothing left of the candle's tip";
}

// The label "10" right of the lens: the font grows at scale 10 and 15, and
// from 10 on the label sits in a 40-pixel band.
TEST_F(ScenePaint, TickLabelsGrowWithTheZoom)
{
    std::vector<RECT> l;  // at scale 9, 10, 14 and 15
    for (float scale : {9.0f, 10.0f, 14.0f, 15.0f}) {
        view.scale = scale;
        const int x = RoundToInt(500.0f + 10.0f * scale);
        l.push_back(InkBox(*PaintOf(view), RECT{x - 30, 271, x + 30, 312}, IsDark));
    }
    EXPECT_TRUE(l[0].bottom <= 295 && l[1].bottom > 295 && l[1].bottom <= 310) << l[0].bottom << " " << l[1].bottom;
    EXPECT_GT(l[1].bottom - l[1].top, l[0].bottom - l[0].top + 3);
    EXPECT_EQ(l[2].bottom - l[2].top, l[1].bottom - l[1].top);
    EXPECT_GE(l[3].bottom - l[3].top, l[2].bottom - l[2].top);
    EXPECT_GT(l[3].right - l[3].left, l[2].right - l[2].left);
}

// Lines of 25 pixels from y 340: with the area ending at 390 the second line
// (365 to 390) reaches the bottom and is the last one drawn.
TEST_F(ScenePaint, StatusLinesStopAtTheLineThatReachesTheBottom)
{
    view.statusRect = RECT{10, 340, 480, 390};
    const auto cut = PaintOf(view);
    EXPECT_FALSE(Empty(InkBox(*cut, RECT{10, 366, 480, 390}, IsDark)));
    EXPECT_TRUE(Empty(InkBox(*cut, RECT{10, 390, 480, 480}, IsDark)));
}

// Each state shows its face of the skin strip; the caption rises by one
// pixel with the lit face.
TEST_F(ScenePaint, ButtonFacesFollowTheState)
{
    SkinButton& button = view.buttons[0];
    const RECT& r = button.rect;
    const RECT& strip = context.buttonSkin.SourceRect();
    const struct { bool hover, pressed, enabled; int face, captionRise; } states[] = {
        {false, false, true, 0, 0}, {true, false, true, 1, 1}, {true, true, true, 2, -1},
        {true, true, false, 3, -1}};
    int normalTop = 0;
    for (const auto& s : states) {
        SCOPED_TRACE(s.face);
        Canvas alone(kWidth, kHeight), shown(kWidth, kHeight);
        DrawImage(alone.Dc(), context.buttonSkin, r.left, r.top, 65, 22, 64 * s.face, 65, strip.bottom - strip.top);
        std::tie(button.hover, button.pressed, button.enabled) = std::tie(s.hover, s.pressed, s.enabled);
        SetBkMode(shown.Dc(), TRANSPARENT);
        button.Draw(shown.Dc(), RECT{0, 0, kWidth, kHeight});
        EXPECT_EQ(shown.Pixel(r.left + 3, r.top + 3), alone.Pixel(r.left + 3, r.top + 3));
        const int top = InkBox(shown, r, IsDark).top;
        normalTop = s.face == 0 ? top : normalTop;
        EXPECT_TRUE(s.captionRise < 0 || top == normalTop - s.captionRise) << top << " " << normalTop;
    }
}
