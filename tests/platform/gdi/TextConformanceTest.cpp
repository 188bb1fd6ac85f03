// Fonts and text placement, judged by metrics, extents and the rectangle
// the ink falls in, never by glyph pixels.
#include "tests/support/Canvas.h"
#include "tests/support/RectMatchers.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

class Text : public ::testing::Test {
protected:
    void Use(int height, int weight = FW_NORMAL, const wchar_t* face = L"宋体")
    {
        LOGFONTW logFont{height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, {}};
        wcsncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
        HFONT font = CreateFontIndirectW(&logFont);
        ASSERT_NE(font, nullptr);
        DeleteObject(SelectObject(canvas.Dc(), font));  // the stock font the first time: a no-op
        GetTextMetricsW(canvas.Dc(), &metrics);
        SetBkMode(canvas.Dc(), TRANSPARENT);
    }
    void TearDown() override { DeleteObject(SelectObject(canvas.Dc(), GetStockObject(SYSTEM_FONT))); }

    SIZE Extent(const wchar_t* text)
    {
        SIZE size{};
        GetTextExtentPoint32W(canvas.Dc(), text, static_cast<int>(wcslen(text)), &size);
        return size;
    }
    // Draws on a blank canvas and expects the ink within [left, right) x [top, bottom).
    void ExpectInk(const wchar_t* text, RECT rect, UINT format, RECT within)
    {
        canvas.Clear(RGB(255, 255, 255));
        DrawTextW(canvas.Dc(), text, -1, &rect, format);
        const RECT ink = canvas.Ink();
        EXPECT_TRUE(Inside(ink, within));
    }

    Canvas canvas{400, 200};
    TEXTMETRICW metrics{};
};

TEST_F(Text, PositiveHeightIsTheCellHeight)
{
    for (int weight : {FW_NORMAL, FW_BOLD}) {
        for (int height : {18, 28, 30}) {
            Use(height, weight);
            EXPECT_EQ(metrics.tmHeight, height);
            EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, height);
            // Windows reports the weight of the face it found, a light one
            // for a normal request where that is all there is.
            EXPECT_EQ(metrics.tmWeight >= FW_BOLD, weight == FW_BOLD);
            EXPECT_EQ(Extent(L"透镜").cy, height);
        }
    }
}

// Glyphs advance by whole pixels: a text's extent is the sum of its characters'.
TEST_F(Text, MappedFacesMeasureLikeFullWidthIdeographs)
{
    for (const wchar_t* face : {L"宋体", L"楷体"}) {
        Use(18, FW_NORMAL, face);
        const SIZE one = Extent(L"焦");
        EXPECT_GT(one.cx, 10) << face;
        EXPECT_EQ(Extent(L"焦距厘米").cx, 4 * one.cx) << face;
        EXPECT_EQ(Extent(L"0000").cx, 4 * Extent(L"0").cx) << face;
    }
}

TEST_F(Text, DrawTextPlacesTheLineByItsExtentAndClipsToItsRectangle)
{
    Use(18);
    const wchar_t* text = L"焦距f";
    const SIZE size = Extent(text);
    const RECT box{50, 40, 250, 100};
    const LONG middle = box.top + (box.bottom - box.top) / 2 - size.cy / 2;
    const LONG centre = (box.left + box.right - size.cx) / 2;
    const struct { UINT format; LONG left, top; } cases[] = {
        {0, box.left, box.top},
        {DT_VCENTER | DT_CENTER, centre, middle},
        {DT_BOTTOM | DT_CENTER, centre, box.bottom - size.cy},
        {DT_VCENTER | DT_RIGHT, box.right - size.cx, middle},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        ExpectInk(text, box, DT_SINGLELINE | c.format, {c.left, c.top, c.left + size.cx + 1, c.top + size.cy});
    }
    Use(30);
    ExpectInk(L"透镜焦距透镜焦距", RECT{10, 10, 40, 25}, DT_SINGLELINE, RECT{10, 10, 40, 25});
}

TEST_F(Text, EndEllipsisFitsTheWidth)
{
    Use(18);
    const RECT box{10, 10, 100, 40};
    ExpectInk(L"透镜焦距（厘米）透镜焦距（厘米）", box, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS, box);
    EXPECT_GT(canvas.Ink().right - canvas.Ink().left, 45);
}

TEST_F(Text, TextOutPutsTheCellAtThePoint)
{
    Use(28);
    const SIZE size = Extent(L"CM");
    canvas.Clear(RGB(255, 255, 255));
    EXPECT_TRUE(TextOutW(canvas.Dc(), 100, 60, L"CM", 2));
    const RECT ink = canvas.Ink();
    EXPECT_TRUE(Inside(ink, RECT{100, 60, 101 + size.cx, 60 + size.cy}));
    EXPECT_GT(ink.right - ink.left, size.cx / 2);
}

}  // namespace
