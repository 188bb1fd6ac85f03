#include "images/JigsawLayout.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Piece = std::tuple<LONG, LONG, LONG, LONG, LONG, LONG>;  // left, top, right, bottom, sx, sy

struct Case {
    const char* name;
    LONG sw, sh;
    RECT margins, d;
    std::vector<Piece> expected;
};

const Case kCases[] = {
    // A picture at its own size is drawn whole in the drawing tests.
    {"edges repeat their middle band instead of stretching", 10, 10, {2, 2, 2, 0},
     {0, 0, 20, 2},
     {{0, 0, 2, 2, 0, 0}, {2, 0, 8, 2, 2, 0}, {8, 0, 14, 2, 2, 0}, {14, 0, 18, 2, 2, 0},
      {18, 0, 20, 2, 8, 0}}},
    // L < DW < L + R: the right column starts at D.left + L and is cut at D.right.
    {"a destination narrower than both margins keeps the corners only", 20, 20, {5, 5, 5, 5},
     {0, 0, 8, 20},
     {{0, 0, 5, 5, 0, 0}, {5, 0, 8, 5, 15, 0}, {0, 5, 5, 15, 0, 5}, {5, 5, 8, 15, 15, 5},
      {0, 15, 5, 20, 0, 15}, {5, 15, 8, 20, 15, 15}}},
    // T == SH: the bottom corners are drawn from the top margin's last row on.
    {"a source only as high as the top margin keeps the bottom corners", 10, 2, {2, 2, 2, 2},
     {0, 0, 10, 10},
     {{0, 0, 2, 2, 0, 0}, {2, 0, 8, 2, 2, 0}, {8, 0, 10, 2, 8, 0}, {0, 8, 2, 10, 0, 2},
      {8, 8, 10, 10, 8, 2}}},
    {"nothing for an empty destination", 64, 22, {0, 0, 0, 0}, {0, 0, 0, 30}, {}},
    {"nothing for a reversed destination", 64, 22, {0, 0, 0, 0}, {10, 0, 5, 30}, {}},
    {"nothing for an empty source", 0, 22, {0, 0, 0, 0}, {0, 0, 150, 30}, {}},
    {"nothing for a negative margin", 64, 22, {-1, 0, 0, 0}, {0, 0, 150, 30}, {}},
    {"nothing for a width past 32 bits", 64, 22, {0, 0, 0, 0}, {INT32_MIN, 0, INT32_MAX, 30}, {}},
};

}  // namespace

TEST(JigsawLayout, Table)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        std::vector<Piece> got;
        for (const JigsawPiece& p : LayJigsaw(c.sw, c.sh, c.margins, c.d))
            got.emplace_back(p.destination.left, p.destination.top, p.destination.right,
                             p.destination.bottom, p.sourceX, p.sourceY);
        EXPECT_EQ(got, c.expected);
    }
}
