// Drawing at far-away coordinates on a small canvas, and checking which
// pixels took the ink, for the tests of huge coordinates.
#pragma once

#include "tests/support/Canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace hugedrawing {

constexpr int kSize = 100;
constexpr int kBeyondCairo = (1 << 24) + 10;  // wraps to 10 in 24.8 fixed point
constexpr COLORREF kInk = RGB(200, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

inline void Line(HDC dc, int width, POINT from, POINT to)
{
    HPEN pen = CreatePen(PS_SOLID, width, kInk);
    HGDIOBJ previous = SelectObject(dc, pen);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    SelectObject(dc, previous);
    DeleteObject(pen);
}

inline void Fill(HDC dc, RECT area)
{
    HBRUSH brush = CreateSolidBrush(kInk);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

// A 20 x 20 source of ink copied to (x, y) with a width and height of `size`.
inline void Copy(HDC dc, int x, int y, int size)
{
    Canvas source(20, 20);
    source.Clear(kInk);
    BitBlt(dc, x, y, size, size, source.Dc(), 0, 0, SRCCOPY);
}

struct Case {
    const char* name;
    void (*draw)(HDC dc);
    std::vector<POINT> inked;
    std::vector<POINT> blank;
};

// Draws on a fresh canvas and checks the pixels that must and must not be inked.
inline void Check(const Case& c)
{
    Canvas canvas(kSize, kSize);
    ASSERT_TRUE(canvas.Valid());
    c.draw(canvas.Dc());
    for (const POINT& p : c.inked)
        EXPECT_EQ(GetPixel(canvas.Dc(), p.x, p.y), kInk) << "(" << p.x << ", " << p.y << ")";
    for (const POINT& p : c.blank)
        EXPECT_EQ(GetPixel(canvas.Dc(), p.x, p.y), kWhite) << "(" << p.x << ", " << p.y << ")";
}

inline std::string NameOf(const ::testing::TestParamInfo<Case>& info) { return info.param.name; }

}  // namespace hugedrawing
