// One small scene through every drawing path the program uses, with the
// expectations both platforms must meet: lines and fills exactly, the
// picture by its rectangle and blend, text by the rectangle it falls in.
#include "tests/support/Canvas.h"
#include "tests/platform/gdiplus/TestPictures.h"

#include <gtest/gtest.h>

namespace {

using namespace Gdiplus;

TEST(GdiScene, EveryPathMeetsItsExpectations) {
    ULONG_PTR token = 0;
    GdiplusStartupInput input;
    ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    Canvas canvas(200, 120);
    ASSERT_TRUE(canvas.Valid());
    HDC dc = canvas.Dc();
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF black = RGB(0, 0, 0);
    const COLORREF red = RGB(255, 0, 0);

    RECT all{0, 0, 200, 120};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetBkMode(dc, TRANSPARENT);

    // The picture, doubled.
    GpBitmap* picture = testpictures::Decode(testpictures::kTwoHalves, sizeof testpictures::kTwoHalves);
    ASSERT_NE(picture, nullptr);
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(DllExports::GdipCreateFromHDC(dc, &graphics), Ok);
    EXPECT_EQ(DllExports::GdipDrawImageRectRectI(graphics, picture, 20, 20, 16, 8, 0, 0, 8, 4, UnitPixel,
                                                 nullptr, nullptr, nullptr),
              Ok);
    DllExports::GdipDeleteGraphics(graphics);

    // Axis and lens line with the default pen.
    MoveToEx(dc, 0, 60, nullptr);
    LineTo(dc, 200, 60);
    MoveToEx(dc, 100, 0, nullptr);
    LineTo(dc, 100, 120);

    // A label.
    LOGFONTW logFont{18, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"宋体"};
    HFONT font = CreateFontIndirectW(&logFont);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetTextColor(dc, red);
    RECT label{120, 70, 200, 100};
    DrawTextW(dc, L"焦距", -1, &label, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    SIZE size{};
    GetTextExtentPoint32W(dc, L"焦距", 2, &size);

    for (int x = 0; x < 200; ++x) EXPECT_EQ(GetPixel(dc, x, 60), black) << x;
    for (int y = 0; y < 120; ++y) EXPECT_EQ(GetPixel(dc, 100, y), black) << y;
    EXPECT_EQ(GetPixel(dc, 99, 59), white);
    EXPECT_EQ(GetPixel(dc, 101, 61), white);

    const auto picture_ink = canvas.Painted({0, 0, 99, 59});
    ASSERT_FALSE(picture_ink.empty());
    EXPECT_EQ(*picture_ink.begin(), std::make_pair(20, 20));
    EXPECT_EQ(*picture_ink.rbegin(), std::make_pair(35, 27));
    EXPECT_EQ(picture_ink.size(), 16u * 8u);

    const LONG textLeft = (label.left + label.right - size.cx) / 2;
    const LONG textTop = label.top + (label.bottom - label.top) / 2 - size.cy / 2;
    auto text = canvas.Painted({101, 61, 200, 120});
    ASSERT_FALSE(text.empty());
    for (const auto& [x, y] : text) {
        EXPECT_GE(x, textLeft);
        EXPECT_LE(x, textLeft + size.cx);
        EXPECT_GE(y, textTop);
        EXPECT_LT(y, textTop + size.cy);
    }

    SelectObject(dc, oldFont);
    DeleteObject(font);
    DllExports::GdipDisposeImage(picture);
    GdiplusShutdown(token);
}

}  // namespace
