#include "images/JigsawLayout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Piece = std::tuple<LONG, LONG, LONG, LONG, LONG, LONG>;  // left, top, right, bottom, sx, sy

std::vector<Piece> Lay(LONG sw, LONG sh, RECT margins, RECT d)
{
    std::vector<Piece> out;
    for (const JigsawPiece& p : LayJigsaw(sw, sh, margins, d))
        out.emplace_back(p.destination.left, p.destination.top, p.destination.right,
                         p.destination.bottom, p.sourceX, p.sourceY);
    return out;
}

}  // namespace

TEST(JigsawLayout, WithoutMarginsTheWholePictureIsTiledFromTheCorner)
{
    const std::vector<Piece> expected{
        {0, 0, 64, 22, 0, 0},    {0, 22, 64, 30, 0, 0},
        {64, 0, 128, 22, 0, 0},  {64, 22, 128, 30, 0, 0},
        {128, 0, 150, 22, 0, 0}, {128, 22, 150, 30, 0, 0},
    };
    EXPECT_EQ(Lay(64, 22, RECT{0, 0, 0, 0}, RECT{0, 0, 150, 30}), expected);
}

TEST(JigsawLayout, MarginsOfFourAtTheSourceSizeReproduceThePicture)
{
    const std::vector<Piece> expected{
        {10, 20, 14, 24, 0, 0},    // top-left
        {14, 20, 30, 24, 4, 0},    // top edge
        {30, 20, 34, 24, 20, 0},   // top-right
        {10, 24, 14, 36, 0, 4},    // left edge
        {14, 24, 30, 36, 4, 4},    // centre
        {30, 24, 34, 36, 20, 4},   // right edge
        {10, 36, 14, 40, 0, 16},   // bottom-left
        {14, 36, 30, 40, 4, 16},   // bottom edge
        {30, 36, 34, 40, 20, 16},  // bottom-right
    };
    EXPECT_EQ(Lay(24, 20, RECT{4, 4, 4, 4}, RECT{10, 20, 34, 40}), expected);
}

TEST(JigsawLayout, EdgesRepeatTheirMiddleBandInsteadOfStretching)
{
    // Source 10 x 10 with margins 2: the middle band is 6 wide and high.
    const std::vector<Piece> pieces = Lay(10, 10, RECT{2, 2, 2, 2}, RECT{0, 0, 20, 10});
    const std::vector<Piece> topEdge(pieces.begin() + 1, pieces.begin() + 4);
    const std::vector<Piece> expected{{2, 0, 8, 2, 2, 0}, {8, 0, 14, 2, 2, 0}, {14, 0, 18, 2, 2, 0}};
    EXPECT_EQ(topEdge, expected);
    EXPECT_EQ(pieces[4], Piece(18, 0, 20, 2, 8, 0));  // top-right corner at its own size
}

TEST(JigsawLayout, ADestinationNarrowerThanBothMarginsKeepsTheCornersOnly)
{
    // L < DW < L + R: the top-right corner starts at D.left + L and is cut
    // at D.right; no top edge, bottom edge or centre.
    const std::vector<Piece> expected{
        {0, 0, 5, 5, 0, 0},      // top-left
        {5, 0, 8, 5, 15, 0},     // top-right, cut
        {0, 5, 5, 15, 0, 5},     // left edge
        {5, 5, 8, 15, 15, 5},    // right edge, cut
        {0, 15, 5, 20, 0, 15},   // bottom-left
        {5, 15, 8, 20, 15, 15},  // bottom-right, cut
    };
    EXPECT_EQ(Lay(20, 20, RECT{5, 5, 5, 5}, RECT{0, 0, 8, 20}), expected);
}

TEST(JigsawLayout, NothingForEmptySizesOrNegativeMargins)
{
    EXPECT_TRUE(Lay(64, 22, RECT{0, 0, 0, 0}, RECT{0, 0, 0, 30}).empty());
    EXPECT_TRUE(Lay(64, 22, RECT{0, 0, 0, 0}, RECT{10, 0, 5, 30}).empty());
    EXPECT_TRUE(Lay(0, 22, RECT{0, 0, 0, 0}, RECT{0, 0, 150, 30}).empty());
    EXPECT_TRUE(Lay(64, 22, RECT{-1, 0, 0, 0}, RECT{0, 0, 150, 30}).empty());
    EXPECT_TRUE(Lay(64, 22, RECT{0, 0, 0, 0}, RECT{INT32_MIN, 0, INT32_MAX, 30}).empty());
}
