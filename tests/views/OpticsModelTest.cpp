// The optics model on views that have no window: scenes with exact status
// lines, the tolerance edges, and the lens equation over a sweep of positions.
#include "ViewProbe.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::wstring>;

template <typename Probe>
void Place(Probe& view, float focal, float object)
{
    view.focalLength = focal;
    view.objectX = object;
    view.Recompute();
}

}  // namespace

TEST(ConvexModel, DefaultSceneGivesARealMagnifiedImage)
{
    ConvexView view;
    view.Recompute();
    EXPECT_TRUE(view.hasImage);
    EXPECT_EQ(view.imageX, 30.0f);
    EXPECT_EQ(view.imageHeight, 20.0f);
    EXPECT_EQ(view.statusLines, (Lines{L"焦距 f = 10.00 cm", L"物高 h = 10.00 cm", L"当前物距 u = 15.00 cm",
                                       L"当前像距 = 30.00 cm", L"当前像高 = 20.00 cm（放大率 = 2.00）"}));
}

TEST(ConvexModel, ObjectAtTheFocalPointFormsNoImageAndKeepsTheLastPosition)
{
    ConvexView view;
    view.Recompute();
    // Ten steps of 0.5 cm towards the lens, as the arrow keys make them; every
    // recompute replaces the lines.
    for (int step = 0; step < 10; ++step)
        Place(view, 10.0f, view.objectX + 0.5f);
    EXPECT_FALSE(view.hasImage);
    EXPECT_EQ(view.statusLines, (Lines{L"焦距 f = 10.00 cm", L"物高 h = 10.00 cm", L"当前物距 u = 10.00 cm",
                                       L"当前不成像"}));
    // The image position of u = 10.5 stays; its height follows from it.
    EXPECT_EQ(view.imageX, 210.0f);
    EXPECT_EQ(view.imageHeight, 210.0f);
    Place(view, 10.0f, -9.5f);
    EXPECT_TRUE(view.hasImage);
    EXPECT_EQ(view.imageX, -190.0f);
}

// Inside the focal length by less than the tolerance: the general formula, a
// huge but finite virtual image; outside by less: at the focal point.
TEST(ConvexModel, TheToleranceAroundTheFocalPoint)
{
    ConvexView view;
    Place(view, 10.0f, std::nextafter(-10.0f, 0.0f));
    EXPECT_TRUE(std::isfinite(view.imageX));
    EXPECT_LT(view.imageX, -1e7f);
    EXPECT_EQ(view.statusLines.size(), 5u);
    Place(view, 10.0f, std::nextafter(-10.0f, -100.0f));
    EXPECT_FALSE(view.hasImage);
}

TEST(ConcaveModel, DefaultSceneGivesAVirtualDiminishedImage)
{
    ConcaveView view;
    view.Recompute();
    view.Recompute();
    EXPECT_TRUE(view.hasImage);
    EXPECT_EQ(view.imageX, -6.0f);
    EXPECT_EQ(view.imageHeight, -4.0f);
    EXPECT_EQ(view.statusLines,
              (Lines{L"焦距 f = 10.00 cm", L"物高 h = 10.00 cm", L"当前物距 u = 15.00 cm", L"当前像距 v = 6.00 cm",
                     L"当前像高 h' = 4.00 cm", L"当前放大率 : 0.40"}));
}

// For both focal lengths and every position from 0.5 to 60 cm in half steps
// the lens equation holds, and only u = f forms no image.
TEST(ModelSweep, LensEquation)
{
    for (float focal : {10.0f, 3.5f}) {
        const double f = focal;
        for (int halfSteps = 1; halfSteps <= 120; ++halfSteps) {
            const double u = halfSteps * 0.5;
            SCOPED_TRACE(testing::Message() << "f = " << f << ", u = " << u);
            ConvexView convex;
            Place(convex, focal, static_cast<float>(-u));
            EXPECT_EQ(convex.hasImage, u != f);
            if (u != f) {
                const double v = convex.imageX;
                EXPECT_NEAR(1.0 / u + 1.0 / v, 1.0 / f, 1e-6 / f);
                EXPECT_EQ(v > 0, u > f);
            }
            ConcaveView concave;
            Place(concave, focal, static_cast<float>(-u));
            const double exactV = -u * f / (u + f);
            EXPECT_NEAR(concave.imageX, exactV, 1e-6 * std::fabs(exactV));
            EXPECT_LT(concave.imageHeight, 0.0f);
            EXPECT_GT(concave.imageHeight, -10.0f);
        }
    }
}
