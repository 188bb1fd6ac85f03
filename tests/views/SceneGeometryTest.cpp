// The scene's pixel geometry without a window: rounding, picture boxes,
// ticks, rays, and the layout of both views.
#include "views/SceneGeometry.h"
#include "views/ViewLayout.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace {

// The default convex scene in a 1000 x 600 client.
SceneModel ConvexDefault()
{
    return SceneModel{8.0f, 500.0f, 270.0f, 10.0f, 10.0f, -15.0f, 30.0f, 20.0f, true, 1000, 600};
}

SceneModel ConcaveDefault()
{
    return SceneModel{10.0f, 750.0f, 450.0f, 10.0f, 10.0f, -15.0f, -6.0f, -4.0f, true, 1000, 600};
}

void ExpectBox(const PictureBox& box, int left, int top, int width, int height)
{
    EXPECT_EQ((std::vector<int>{box.left, box.top, box.width, box.height}), (std::vector<int>{left, top, width, height}));
}

void ExpectRect(const RECT& r, int left, int top, int right, int bottom)
{
    EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}), (std::vector<LONG>{left, top, right, bottom}));
}

struct Segment {
    int x1, y1, x2, y2;
    bool dashed;
};

void ExpectRays(const std::vector<RaySegment>& rays, const std::vector<Segment>& expected)
{
    ASSERT_EQ(rays.size(), expected.size());
    for (size_t i = 0; i < rays.size(); ++i) {
        const RaySegment& r = rays[i];
        const Segment& e = expected[i];
        EXPECT_EQ((std::vector<int>{r.from.x, r.from.y, r.to.x, r.to.y, r.dashed}),
                  (std::vector<int>{e.x1, e.y1, e.x2, e.y2, e.dashed})) << i;
    }
}

}  // namespace

TEST(SceneGeometry, RoundsHalvesAwayFromZeroAndNeverOverflows)
{
    EXPECT_EQ(RoundToInt(0.5f), 1);
    EXPECT_EQ(RoundToInt(-0.5f), -1);
    EXPECT_EQ(RoundToInt(1.49f), 1);
    EXPECT_EQ(RoundToInt(-2.5f), -3);
    EXPECT_EQ(RoundToInt(0.0f), 0);
    EXPECT_EQ(RoundToInt(NAN), 0);
    EXPECT_EQ(RoundToInt(1e20f), INT_MAX);
    EXPECT_EQ(RoundToInt(-1e20f), INT_MIN);
    EXPECT_EQ(RoundToInt(INFINITY), INT_MAX);
    EXPECT_EQ(TruncToInt(-7.9f), -7);
    EXPECT_EQ(TruncToInt(269.99998f), 269);
}

TEST(SceneGeometry, LineYAtRefusesVerticalLines)
{
    float y = -1.0f;
    EXPECT_TRUE(LineYAt(380, 190, 500, 270, 740, y));
    EXPECT_FLOAT_EQ(y, 430.0f);
    EXPECT_FALSE(LineYAt(500, 100, 500.0000001f, 300, 740, y));
    EXPECT_EQ(y, 0.0f);
}

TEST(SceneGeometry, PictureBoxesOfTheDefaultConvexScene)
{
    const SceneModel scene = ConvexDefault();
    ExpectBox(LensBox(scene, 73, 517), 489, 190, 23, 160);
    ExpectBox(CandleBox(scene, 50, 170), 368, 190, 24, 80);
    ExpectBox(ImageBox(scene, 50, 170), 716, 270, 47, 160);
    // An empty picture gives a box without width, not a division by zero.
    EXPECT_EQ(CandleBox(scene, 0, 0).width, 0);
}

TEST(SceneGeometry, UprightImagesStandOnTheAxis)
{
    SceneModel scene = ConvexDefault();
    scene.objectX = -5.0f;
    scene.imageX = -10.0f;
    scene.imageHeight = -20.0f;
    // Twice the candle, centred at ox - 10 s.
    ExpectBox(ImageBox(scene, 50, 170), 396, 110, 47, 160);
    ExpectBox(ImageBox(ConcaveDefault(), 50, 170), 684, 410, 12, 40);
}

TEST(SceneGeometry, TickLengthGrowsOnlyAtHighZoom)
{
    EXPECT_EQ(TickLength(8.0f), 5);
    EXPECT_EQ(TickLength(29.0f), 5);
    EXPECT_EQ(TickLength(30.0f), 6);
}

TEST(SceneGeometry, TicksEveryTenCentimetresInsideTheClient)
{
    EXPECT_EQ(TickPositions(500, 8, -1, 1000), (std::vector<int>{420, 340, 260, 180, 100, 20}));
    EXPECT_EQ(TickPositions(500, 8, 1, 1000), (std::vector<int>{580, 660, 740, 820, 900, 980}));
    EXPECT_EQ(TickPositions(270, 8, 1, 600), (std::vector<int>{350, 430, 510, 590}));
    EXPECT_EQ(TickPositions(270, 8, -1, 600), (std::vector<int>{190, 110, 30}));
    // The limit itself still gets its tick; nonsense ends at once.
    EXPECT_EQ(TickPositions(0, 10, 1, 200), (std::vector<int>{100, 200}));
    EXPECT_TRUE(TickPositions(NAN, 8, 1, 600).empty());
    EXPECT_LE(TickPositions(1e30f, 8, -1, 600).size(), 100001u);
    EXPECT_TRUE(TickPositions(270, 0, 1, 600).empty());
}

TEST(SceneGeometry, ConvexRaysOfAVirtualImageAreExtendedBackToIt)
{
    SceneModel scene = ConvexDefault();
    scene.objectX = -5.0f;
    scene.imageX = -10.0f;
    scene.imageHeight = -20.0f;
    // The two dashed extensions meet at the virtual image's tip (420, 110).
    ExpectRays(ConvexRays(scene), {{460, 190, 1001, 1272, false},
                                   {460, 190, 420, 110, true},
                                   {460, 190, 500, 190, false},
                                   {500, 190, 1001, 691, false},
                                   {500, 190, 420, 110, true}});
}

TEST(SceneGeometry, ConcaveRaysDivergeFromTheNearFocalPoint)
{
    ExpectRays(ConcaveRays(ConcaveDefault()), {{600, 350, 1001, 617, false},
                                               {600, 350, 750, 350, false},
                                               {750, 350, 1001, 99, false},
                                               {750, 350, 650, 450, true}});
}

TEST(SceneGeometry, NoRaysWithoutAnObjectLeftOfTheLens)
{
    SceneModel scene = ConvexDefault();
    scene.objectX = 0.0f;
    EXPECT_TRUE(ConvexRays(scene).empty());
    EXPECT_TRUE(ConcaveRays(scene).empty());
}

// The layout of both views in a 1000 x 600 client, checked here only.
TEST(ViewLayoutTest, ConvexAndConcaveAt1000x600)
{
    const struct {
        bool convex;
        float originX, originY;
        int lefts[ViewLayout::kButtonCount];
        RECT status;
    } cases[] = {{true, 500, 270, {550, 619, 688, 757, 245}, {10, 340, 480, 530}},
                 {false, 750, 450, {340, 409, 478, 547, 245}, {10, 10, 730, 430}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.convex);
        const ViewLayout layout = LayOutView(c.convex, 1000, 600);
        EXPECT_EQ(layout.originX, c.originX);
        EXPECT_EQ(layout.originY, c.originY);
        for (int i = 0; i < ViewLayout::kButtonCount; ++i)
            ExpectRect(layout.buttons[i], c.lefts[i], 549, c.lefts[i] + 65, 571);
        ExpectRect(layout.focalEdit, 180, 550, 240, 573);
        ExpectRect(layout.status, c.status.left, c.status.top, c.status.right, c.status.bottom);
    }
}
