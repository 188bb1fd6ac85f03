// Fonts and text placement, judged by metrics, extents and the rectangle
// the ink falls in, never by glyph pixels.
#include "tests/support/Canvas.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

HFONT MakeFont(int height, int weight, const wchar_t* face) {
    LOGFONTW logFont{};
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    logFont.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(logFont.lfFaceName, face, LF_FACESIZE - 1);
    return CreateFontIndirectW(&logFont);
}

class TextTest : public ::testing::Test {
protected:
    void Use(int height, int weight = FW_NORMAL, const wchar_t* face = L"宋体") {
        Release();
        font_ = MakeFont(height, weight, face);
        ASSERT_NE(font_, nullptr);
        previous_ = SelectObject(canvas_.Dc(), font_);
        GetTextMetricsW(canvas_.Dc(), &metrics_);
        SetBkMode(canvas_.Dc(), TRANSPARENT);
    }
    void Release() {
        if (!font_) return;
        SelectObject(canvas_.Dc(), previous_);
        DeleteObject(font_);
        font_ = nullptr;
    }
    void TearDown() override { Release(); }

    SIZE Extent(const wchar_t* text) {
        SIZE size{};
        GetTextExtentPoint32W(canvas_.Dc(), text, static_cast<int>(wcslen(text)), &size);
        return size;
    }
    RECT Draw(const wchar_t* text, RECT rect, UINT format) {
        canvas_.Clear(RGB(255, 255, 255));
        DrawTextW(canvas_.Dc(), text, -1, &rect, format);
        return canvas_.Ink();
    }

    Canvas canvas_{400, 200};
    HFONT font_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    TEXTMETRICW metrics_{};
};

TEST_F(TextTest, PositiveHeightIsTheCellHeight) {
    for (int height : {12, 18, 28, 30}) {
        Use(height);
        EXPECT_EQ(metrics_.tmHeight, height);
        EXPECT_EQ(metrics_.tmAscent + metrics_.tmDescent, height);
        EXPECT_EQ(Extent(L"透镜").cy, height);
    }
    Use(30, FW_BOLD);
    EXPECT_EQ(metrics_.tmHeight, 30);
    EXPECT_EQ(metrics_.tmWeight, FW_BOLD);
}

TEST_F(TextTest, NegativeHeightIsTheCharacterHeight) {
    Use(-18);
    EXPECT_EQ(metrics_.tmHeight - metrics_.tmInternalLeading, 18);
}

TEST_F(TextTest, MappedFacesMeasureLikeFullWidthIdeographs) {
    for (const wchar_t* face : {L"宋体", L"新宋体", L"SimSun", L"NSimSun", L"楷体", L"KaiTi"}) {
        Use(18, FW_NORMAL, face);
        SIZE one = Extent(L"焦");
        SIZE four = Extent(L"焦距厘米");
        EXPECT_GT(one.cx, 10) << face;
        EXPECT_NEAR(four.cx, 4 * one.cx, 2) << face;
    }
}

void ExpectWithin(RECT ink, LONG left, LONG top, LONG right, LONG bottom) {
    EXPECT_GE(ink.left, left);
    EXPECT_GE(ink.top, top);
    EXPECT_LE(ink.right, right);
    EXPECT_LE(ink.bottom, bottom);
}

TEST_F(TextTest, DrawTextPlacesTheLineByItsExtent) {
    Use(18);
    const wchar_t* text = L"焦距f";
    const SIZE size = Extent(text);
    const RECT box{50, 40, 250, 100};
    const LONG middle = box.top + (box.bottom - box.top) / 2 - size.cy / 2;
    const LONG centre = (box.left + box.right - size.cx) / 2;
    const struct {
        UINT format;
        LONG left, top;
    } cases[] = {
        {0, box.left, box.top},
        {DT_VCENTER | DT_CENTER, centre, middle},
        {DT_BOTTOM | DT_CENTER, centre, box.bottom - size.cy},
        {DT_VCENTER | DT_RIGHT, box.right - size.cx, middle},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        ExpectWithin(Draw(text, box, DT_SINGLELINE | c.format), c.left, c.top, c.left + size.cx + 1,
                     c.top + size.cy);
    }
}

TEST_F(TextTest, DrawTextClipsToItsRectangle) {
    Use(30);
    ExpectWithin(Draw(L"透镜焦距透镜焦距", RECT{10, 10, 40, 25}, DT_SINGLELINE), 10, 10, 40, 25);
}

TEST_F(TextTest, EndEllipsisFitsTheWidth) {
    Use(18);
    const RECT ink = Draw(L"透镜焦距（厘米）透镜焦距（厘米）", RECT{10, 10, 100, 40},
                          DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    ExpectWithin(ink, 10, 10, 100, 40);
    EXPECT_GT(ink.right - ink.left, 45);
}

TEST_F(TextTest, AmpersandIsAMnemonicUnlessNoPrefix) {
    Use(18);
    const struct {
        const wchar_t *text, *shown;
        UINT format;
    } cases[] = {{L"ab&c", L"abc", 0}, {L"ab&c", L"ab&c", DT_NOPREFIX}, {L"a&&b", L"a&b", 0}};
    for (const auto& c : cases) {
        RECT rect{0, 0, 300, 50};
        DrawTextW(canvas_.Dc(), c.text, -1, &rect, DT_SINGLELINE | DT_CALCRECT | c.format);
        EXPECT_EQ(rect.right - rect.left, Extent(c.shown).cx) << c.shown;
        EXPECT_EQ(rect.bottom - rect.top, metrics_.tmHeight);
    }
}

TEST_F(TextTest, TextOutPutsTheCellAtThePoint) {
    Use(28);
    SIZE size = Extent(L"CM");
    canvas_.Clear(RGB(255, 255, 255));
    SetTextColor(canvas_.Dc(), RGB(255, 0, 0));
    EXPECT_TRUE(TextOutW(canvas_.Dc(), 100, 60, L"CM", 2));
    ExpectWithin(canvas_.Ink(), 100, 60, 100 + size.cx + 1, 60 + size.cy);
    // An opaque background fills the whole cell.
    SetBkMode(canvas_.Dc(), OPAQUE);
    SetBkColor(canvas_.Dc(), RGB(0, 0, 255));
    canvas_.Clear(RGB(255, 255, 255));
    TextOutW(canvas_.Dc(), 100, 60, L"CM", 2);
    const COLORREF blue = RGB(0, 0, 255), white = RGB(255, 255, 255);
    const struct { int x, y; COLORREF colour; } probes[] = {
        {100, 60, blue}, {100 + size.cx - 1, 60, blue}, {100, 60 + size.cy - 1, blue},
        {99, 60, white}, {100 + size.cx, 60, white}, {100, 59, white}, {100, 60 + size.cy, white}};
    for (const auto& p : probes)
        EXPECT_EQ(GetPixel(canvas_.Dc(), p.x, p.y), p.colour) << p.x << "," << p.y;
}

}  // namespace
