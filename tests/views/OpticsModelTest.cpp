// The optics model on views that have no window: scenes with exact status
// lines, the tolerance edges, and the lens equation over a sweep of positions.
#include "ModelProbe.h"
#include "RoundedLine.h"
#include "base/Text.h"

#include <gtest/gtest.h>

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
    ConvexProbe view;
    view.Recompute();
    EXPECT_TRUE(view.hasImage);
    EXPECT_EQ(view.imageX, 30.0f);
    EXPECT_EQ(view.imageHeight, 20.0f);
    EXPECT_EQ(view.statusLines, (Lines{L"焦距 f = 10.00 cm", L"物高 h = 10.00 cm", L"当前物距 u = 15.00 cm",
                                       L"当前像距 = 30.00 cm", L"当前像高 = 20.00 cm（放大率 = 2.00）"}));
}

TEST(ConvexModel, ObjectAtTwiceTheFocalLengthIsImagedExactlyAtTwiceIt)
{
    ConvexProbe view;
    Place(view, 10.0f, -20.0f);
    EXPECT_EQ(view.imageX, 20.0f);
    EXPECT_EQ(view.imageHeight, 10.0f);
    EXPECT_EQ(view.statusLines[3], L"当前像距 = 20.00 cm");
    EXPECT_EQ(view.statusLines[4], L"当前像高 = 10.00 cm（放大率 = 1.00）");

    // Within the tolerance on the lens side of 2f still counts as 2f ...
    Place(view, 3.5f, std::nextafter(-7.0f, 0.0f));
    EXPECT_EQ(view.imageX, 7.0f);
    // ... on the far side it does not.
    Place(view, 3.5f, std::nextafter(-7.0f, -100.0f));
    EXPECT_NE(view.imageX, 7.0f);
    EXPECT_NEAR(view.imageX, 7.0f, 1e-5f);
}

TEST(ConvexModel, ObjectAtTheFocalPointFormsNoImageAndKeepsTheLastPosition)
{
    ConvexProbe view;
    view.Recompute();
    // Ten steps of 0.5 cm towards the lens, as the arrow keys make them.
    for (int step = 0; step < 10; ++step) {
        view.objectX += 0.5f;
        view.Recompute();
    }
    EXPECT_EQ(view.objectX, -10.0f);
    EXPECT_FALSE(view.hasImage);
    EXPECT_EQ(view.statusLines, (Lines{L"焦距 f = 10.00 cm", L"物高 h = 10.00 cm", L"当前物距 u = 10.00 cm",
                                       L"当前不成像"}));
    // The image position of u = 10.5 stays; its height follows from it.
    EXPECT_EQ(view.imageX, 210.0f);
    EXPECT_EQ(view.imageHeight, 210.0f);

    // Moving on past the focal point forms an image again.
    view.objectX += 0.5f;
    view.Recompute();
    EXPECT_TRUE(view.hasImage);
    EXPECT_EQ(view.imageX, -190.0f);
}

TEST(ConvexModel, ObjectInsideTheFocalLengthGivesAnUprightVirtualImage)
{
    ConvexProbe view;
    Place(view, 10.0f, -5.0f);
    EXPECT_TRUE(view.hasImage);
    EXPECT_EQ(view.imageX, -10.0f);
    EXPECT_EQ(view.imageHeight, -20.0f);
    EXPECT_EQ(view.statusLines[3], L"当前像距 = 10.00 cm");
    EXPECT_EQ(view.statusLines[4], L"当前像高 = 20.00 cm（放大率 = 2.00）");
}

TEST(ConvexModel, FocalLengthChangedToTheObjectDistanceRemovesTheImage)
{
    ConvexProbe view;
    view.Recompute();
    Place(view, 15.0f, -15.0f);
    EXPECT_FALSE(view.hasImage);
    EXPECT_EQ(view.statusLines, (Lines{L"焦距 f = 15.00 cm", L"物高 h = 10.00 cm", L"当前物距 u = 15.00 cm",
                                       L"当前不成像"}));
}

TEST(ConvexModel, TheToleranceAroundTheFocalPoint)
{
    ConvexProbe view;
    // Inside the focal length by less than the tolerance: the general formula,
    // a huge but finite virtual image.
    Place(view, 10.0f, std::nextafter(-10.0f, 0.0f));
    EXPECT_TRUE(view.hasImage);
    EXPECT_TRUE(std::isfinite(view.imageX));
    EXPECT_LT(view.imageX, -1e7f);
    ASSERT_EQ(view.statusLines.size(), 5u);

    // Outside by less than the tolerance: treated as at the focal point.
    Place(view, 10.0f, std::nextafter(-10.0f, -100.0f));
    EXPECT_FALSE(view.hasImage);
    EXPECT_EQ(view.statusLines.back(), L"当前不成像");
}

TEST(ConcaveModel, DefaultSceneGivesAVirtualDiminishedImage)
{
    ConcaveProbe view;
    view.Recompute();
    EXPECT_TRUE(view.hasImage);
    EXPECT_EQ(view.imageX, -6.0f);
    EXPECT_EQ(view.imageHeight, -4.0f);
    EXPECT_EQ(view.statusLines,
              (Lines{L"焦距 f = 10.00 cm", L"物高 h = 10.00 cm", L"当前物距 u = 15.00 cm", L"当前像距 v = 6.00 cm",
                     L"当前像高 h' = 4.00 cm", L"当前放大率 : 0.40"}));
}

TEST(ModelRecompute, EveryRecomputeReplacesTheLines)
{
    ConcaveProbe view;
    view.Recompute();
    view.Recompute();
    EXPECT_EQ(view.statusLines.size(), 6u);
    ConvexProbe convex;
    convex.Recompute();
    Place(convex, 10.0f, -10.0f);
    EXPECT_EQ(convex.statusLines.size(), 4u);
}

// For both focal lengths and every position from 0.5 to 60 cm in half steps:
// the lens equation holds and every printed number is the value rounded.
TEST(ModelSweep, LensEquationAndPrintedValues)
{
    for (float focal : {10.0f, 3.5f}) {
        const double f = focal;
        const std::wstring focalLine = Format(L"焦距 f = %.2f cm", f);
        for (int halfSteps = 1; halfSteps <= 120; ++halfSteps) {
            const double u = halfSteps * 0.5;
            SCOPED_TRACE(testing::Message() << "f = " << f << ", u = " << u);
            const Lines head{focalLine, L"物高 h = 10.00 cm", Format(L"当前物距 u = %.2f cm", u)};

            ConvexProbe convex;
            Place(convex, focal, static_cast<float>(-u));
            ASSERT_GE(convex.statusLines.size(), 4u);
            EXPECT_EQ(Lines(convex.statusLines.begin(), convex.statusLines.begin() + 3), head);
            if (u == f) {
                EXPECT_FALSE(convex.hasImage);
                EXPECT_EQ(convex.statusLines, (Lines{head[0], head[1], head[2], L"当前不成像"}));
            } else {
                ASSERT_TRUE(convex.hasImage);
                const double v = convex.imageX;
                EXPECT_NEAR(1.0 / u + 1.0 / v, 1.0 / f, 1e-6 / f);
                EXPECT_EQ(v > 0, u > f);
                const double exactV = u * f / (u - f);
                const double exactHeight = 10.0 * std::fabs(exactV) / u;
                ASSERT_EQ(convex.statusLines.size(), 5u);
                EXPECT_TRUE(MatchesRounded(convex.statusLines[3], L"当前像距 = %.2f cm", {std::fabs(exactV)}));
                EXPECT_TRUE(MatchesRounded(convex.statusLines[4], L"当前像高 = %.2f cm（放大率 = %.2f）",
                                           {exactHeight, exactHeight / 10.0}));
            }

            ConcaveProbe concave;
            Place(concave, focal, static_cast<float>(-u));
            const double exactV = -u * f / (u + f);
            const double exactHeight = 10.0 * std::fabs(exactV) / u;
            EXPECT_TRUE(concave.hasImage);
            EXPECT_NEAR(concave.imageX, exactV, 1e-6 * std::fabs(exactV));
            EXPECT_LT(concave.imageHeight, 0.0f);
            EXPECT_LT(-concave.imageHeight / 10.0f, 1.0f);
            ASSERT_EQ(concave.statusLines.size(), 6u);
            EXPECT_EQ(Lines(concave.statusLines.begin(), concave.statusLines.begin() + 3), head);
            EXPECT_TRUE(MatchesRounded(concave.statusLines[3], L"当前像距 v = %.2f cm", {std::fabs(exactV)}));
            EXPECT_TRUE(MatchesRounded(concave.statusLines[4], L"当前像高 h' = %.2f cm", {exactHeight}));
            EXPECT_TRUE(MatchesRounded(concave.statusLines[5], L"当前放大率 : %.2f", {exactHeight / 10.0}));
        }
    }
}
