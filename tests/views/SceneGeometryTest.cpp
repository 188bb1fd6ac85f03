// The scene's pixel geometry without a window: rounding, picture boxes,
// ticks, rays, and the layout of both views.
#include "views/SceneGeometry.h"
#include "views/ViewLayout.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

namespace {

// The default scenes in a 1000 x 600 client.
const SceneModel kConvex{8.0f, 500.0f, 270.0f, 10.0f, 10.0f, -15.0f, 30.0f, 20.0f, true, 1000, 600};
const SceneModel kConcave{10.0f, 750.0f, 450.0f, 10.0f, 10.0f, -15.0f, -6.0f, -4.0f, true, 1000, 600};

// The convex scene of a virtual image: u = 5, v = -10, twice the candle.
SceneModel ConvexVirtual()
{
    SceneModel scene = kConvex;
    scene.objectX = -5.0f;
    scene.imageX = -10.0f;
    scene.imageHeight = -20.0f;
    return scene;
}

std::vector<int> Edges(const PictureBox& b) { return {b.left, b.top, b.width, b.height}; }
std::vector<int> Edges(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// Each ray as from x, from y, to x, to y, dashed.
std::vector<std::vector<int>> Segments(const std::vector<RaySegment>& rays)
{
    std::vector<std::vector<int>> segments;
    for (const RaySegment& r : rays)
        segments.push_back({r.from.x, r.from.y, r.to.x, r.to.y, r.dashed});
    return segments;
}

}  // namespace

TEST(SceneGeometry, RoundsHalvesAwayFromZeroAndNeverOverflows)
{
    const struct { float value; int rounded; } cases[] = {
        {0.5f, 1},  {-0.5f, -1},      {1.49f, 1},        {-2.5f, -3},        {0.0f, 0},
        {NAN, 0},   {1e20f, INT_MAX}, {-1e20f, INT_MIN}, {INFINITY, INT_MAX}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundToInt(c.value), c.rounded) << c.value;
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

// Hanging images below the axis, upright ones standing on it (a virtual
// image centred at ox - 10 s); an empty picture gives a box without width,
// not a division by zero.
TEST(SceneGeometry, PictureBoxes)
{
    EXPECT_EQ(Edges(LensBox(kConvex, 73, 517)), (std::vector<int>{489, 190, 23, 160}));
    EXPECT_EQ(Edges(CandleBox(kConvex, 50, 170)), (std::vector<int>{368, 190, 24, 80}));
    EXPECT_EQ(Edges(ImageBox(kConvex, 50, 170)), (std::vector<int>{716, 270, 47, 160}));
    EXPECT_EQ(Edges(ImageBox(ConvexVirtual(), 50, 170)), (std::vector<int>{396, 110, 47, 160}));
    EXPECT_EQ(Edges(ImageBox(kConcave, 50, 170)), (std::vector<int>{684, 410, 12, 40}));
    EXPECT_EQ(CandleBox(kConvex, 0, 0).width, 0);
}

// Ticks every ten centimetres inside the client, longer only at high zoom;
// the limit itself still gets its tick, nonsense ends at once.
TEST(SceneGeometry, Ticks)
{
    EXPECT_EQ(TickLength(29.0f), 5);
    EXPECT_EQ(TickLength(30.0f), 6);
    EXPECT_EQ(TickPositions(500, 8, -1, 1000), (std::vector<int>{420, 340, 260, 180, 100, 20}));
    EXPECT_EQ(TickPositions(270, 8, 1, 600), (std::vector<int>{350, 430, 510, 590}));
    EXPECT_EQ(TickPositions(0, 10, 1, 200), (std::vector<int>{100, 200}));
    EXPECT_TRUE(TickPositions(NAN, 8, 1, 600).empty());
    EXPECT_LE(TickPositions(1e30f, 8, -1, 600).size(), 100001u);
    EXPECT_TRUE(TickPositions(270, 0, 1, 600).empty());
}

// A virtual image's two dashed extensions meet at its tip (420, 110); a
// concave lens's rays diverge from the near focal point; no object left of
// the lens, no rays.
TEST(SceneGeometry, Rays)
{
    using S = std::vector<std::vector<int>>;
    EXPECT_EQ(Segments(ConvexRays(ConvexVirtual())), (S{{460, 190, 1001, 1272, 0}, {460, 190, 420, 110, 1},
                                                       {460, 190, 500, 190, 0}, {500, 190, 1001, 691, 0},
                                                       {500, 190, 420, 110, 1}}));
    EXPECT_EQ(Segments(ConcaveRays(kConcave)), (S{{600, 350, 1001, 617, 0}, {600, 350, 750, 350, 0},
                                                  {750, 350, 1001, 99, 0}, {750, 350, 650, 450, 1}}));
    SceneModel onTheLens = kConvex;
    onTheLens.objectX = 0.0f;
    EXPECT_TRUE(ConvexRays(onTheLens).empty());
    EXPECT_TRUE(ConcaveRays(onTheLens).empty());
}

// The layout of both views in a 1000 x 600 client, checked here only.
TEST(ViewLayoutTest, ConvexAndConcaveAt1000x600)
{
    const struct { bool convex; float originX, originY; int lefts[ViewLayout::kButtonCount]; RECT status; } cases[] = {
        {true, 500, 270, {550, 619, 688, 757, 245}, {10, 340, 480, 530}},
        {false, 750, 450, {340, 409, 478, 547, 245}, {10, 10, 730, 430}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.convex);
        const ViewLayout layout = LayOutView(c.convex, 1000, 600);
        EXPECT_EQ(layout.originX, c.originX);
        EXPECT_EQ(layout.originY, c.originY);
        for (int i = 0; i < ViewLayout::kButtonCount; ++i)
            EXPECT_EQ(Edges(layout.buttons[i]), (std::vector<int>{c.lefts[i], 549, c.lefts[i] + 65, 571}));
        EXPECT_EQ(Edges(layout.focalEdit), (std::vector<int>{180, 550, 240, 573}));
        EXPECT_EQ(Edges(layout.status), Edges(c.status));
    }
}
