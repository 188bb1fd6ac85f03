// Lines, pens and copies, checked pixel by pixel.
#include "tests/support/Canvas.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Pixels = std::set<std::pair<int, int>>;
const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0);

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

using Box = std::tuple<LONG, LONG, LONG, LONG>;
Box Ink(const Canvas& canvas) {
    const RECT r = canvas.Ink();
    return {r.left, r.top, r.right, r.bottom};
}

// Whichever way a line runs, its start is drawn and its end left out.
TEST(GdiDrawing, LinesLeaveOutTheEndAndFollowGdiTieRules) {
    const struct { POINT from, to; Pixels pixels; } cases[] = {
        {{2, 5}, {8, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}}},
        {{4, 7}, {4, 10}, {{4, 7}, {4, 8}, {4, 9}}},
        {{12, 1}, {9, 1}, {{10, 1}, {11, 1}, {12, 1}}},
        {{14, 14}, {14, 11}, {{14, 12}, {14, 13}, {14, 14}}},
        {{0, 0}, {4, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}}},
        {{4, 2}, {0, 0}, {{4, 2}, {3, 1}, {2, 1}, {1, 0}}},  // the same middle
        {{10, 0}, {8, 4}, {{10, 0}, {9, 1}, {9, 2}, {8, 3}}},  // steep, going left
        {{0, 10}, {3, 7}, {{0, 10}, {1, 9}, {2, 8}}},          // diagonal upwards
    };
    for (const auto& c : cases) {
        Canvas canvas(16, 16);
        Line(canvas.Dc(), c.from.x, c.from.y, c.to.x, c.to.y);
        EXPECT_EQ(canvas.Painted({0, 0, 16, 16}), c.pixels) << c.from.x << "," << c.from.y;
        POINT previous{};  // the current position moves to the end point
        MoveToEx(canvas.Dc(), 0, 0, &previous);
        EXPECT_TRUE(previous.x == c.to.x && previous.y == c.to.y);
    }
}

TEST(GdiDrawing, DashedOnePixelPenRepeatsEighteenOnSixOff) {
    Canvas canvas(64, 8);
    HPEN dashed = CreatePen(PS_DASH, 1, kRed);
    HGDIOBJ old = SelectObject(canvas.Dc(), dashed);
    SetBkMode(canvas.Dc(), TRANSPARENT);
    Line(canvas.Dc(), 0, 2, 50, 2);
    for (int x = 0; x < 50; ++x) EXPECT_EQ(GetPixel(canvas.Dc(), x, 2), x % 24 < 18 ? kRed : kWhite) << x;
    SelectObject(canvas.Dc(), old);
    DeleteObject(dashed);
}

TEST(GdiDrawing, WidePenCoversTheLine) {
    const struct { int width; POINT from, to; Box ink; } cases[] = {
        {2, {10, 15}, {10, 5}, {9, 4, 11, 16}}, {2, {3, 10}, {15, 10}, {2, 9, 16, 11}}, {3, {5, 2}, {5, 8}, {4, 1, 7, 10}}};
    for (const auto& c : cases) {
        Canvas canvas(20, 20);
        HPEN pen = CreatePen(PS_SOLID, c.width, kRed);
        HGDIOBJ old = SelectObject(canvas.Dc(), pen);
        Line(canvas.Dc(), c.from.x, c.from.y, c.to.x, c.to.y);
        DeleteObject(SelectObject(canvas.Dc(), old));
        EXPECT_EQ(Ink(canvas), c.ink) << c.width << " " << c.from.x;
        EXPECT_EQ(GetPixel(canvas.Dc(), c.from.x, (c.from.y + c.to.y) / 2), kRed);
    }
}

TEST(GdiDrawing, BitBltCopiesWhatExistsInTheSource) {
    Canvas target(20, 20);
    Canvas source(6, 6);
    source.Clear(kRed);
    for (int x = 0; x < 6; ++x) {
        RECT cell{x, 0, x + 1, 1};
        HBRUSH brush = CreateSolidBrush(RGB(x * 40, 0, 255));
        FillRect(source.Dc(), &cell, brush);
        DeleteObject(brush);
    }
    EXPECT_TRUE(BitBlt(target.Dc(), 4, 5, 10, 10, source.Dc(), 2, 0, SRCCOPY));
    // Source columns 2..5 exist, so four columns arrive, at x 4..7, rows 5..10.
    EXPECT_EQ(Ink(target), Box(4, 5, 8, 11));
    EXPECT_EQ(GetPixel(target.Dc(), 4, 5), RGB(80, 0, 255));
    EXPECT_EQ(GetPixel(target.Dc(), 7, 5), RGB(200, 0, 255));
    EXPECT_EQ(GetPixel(target.Dc(), 7, 6), kRed);
}

TEST(GdiDrawing, LinesStartingOffTheBitmapKeepTheirPixels) {
    // The same lines drawn whole on a wide bitmap and shifted so that they
    // start off a narrow one must light the same pixels where both exist.
    const POINT lines[][2] = {{{-25, 3}, {30, 20}}, {{30, 21}, {-40, 2}}, {{-7, 39}, {12, -30}},
                              {{-60, 0}, {35, 33}}, {{-3, -50}, {9, 39}}};
    for (const auto& line : lines) {
        Canvas narrow(40, 40);
        Canvas wide(140, 140);
        Line(narrow.Dc(), line[0].x, line[0].y, line[1].x, line[1].y);
        Line(wide.Dc(), line[0].x + 100, line[0].y + 100, line[1].x + 100, line[1].y + 100);
        Pixels expected;
        for (const auto& [x, y] : wide.Painted({100, 100, 140, 140})) expected.insert({x - 100, y - 100});
        EXPECT_EQ(narrow.Painted({0, 0, 40, 40}), expected) << line[0].x << "," << line[0].y;
    }
}

}  // namespace
