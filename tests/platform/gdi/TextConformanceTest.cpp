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
    EXPECT_GE(metrics_.tmHeight, 18);
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

TEST_F(TextTest, DrawTextPlacesTheLineByItsExtent) {
    Use(18);
    const wchar_t* text = L"焦距f";
    SIZE size = Extent(text);
    const RECT box{50, 40, 250, 100};

    RECT ink = Draw(text, box, DT_SINGLELINE);
    EXPECT_GE(ink.left, box.left);
    EXPECT_LE(ink.right, box.left + size.cx + 1);
    EXPECT_GE(ink.top, box.top);
    EXPECT_LE(ink.bottom, box.top + size.cy);

    LONG top = box.top + (box.bottom - box.top) / 2 - size.cy / 2;
    LONG left = (box.left + box.right - size.cx) / 2;
    ink = Draw(text, box, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    EXPECT_GE(ink.left, left);
    EXPECT_LE(ink.right, left + size.cx + 1);
    EXPECT_GE(ink.top, top);
    EXPECT_LE(ink.bottom, top + size.cy);

    ink = Draw(text, box, DT_SINGLELINE | DT_BOTTOM | DT_CENTER);
    EXPECT_GE(ink.top, box.bottom - size.cy);
    EXPECT_LE(ink.bottom, box.bottom);

    ink = Draw(text, box, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    EXPECT_GE(ink.left, box.right - size.cx);
    EXPECT_LE(ink.right, box.right + 1);
}

TEST_F(TextTest, DrawTextClipsToItsRectangle) {
    Use(30);
    const RECT box{10, 10, 40, 25};
    RECT ink = Draw(L"透镜焦距透镜焦距", box, DT_SINGLELINE);
    EXPECT_GE(ink.left, box.left);
    EXPECT_LE(ink.right, box.right);
    EXPECT_GE(ink.top, box.top);
    EXPECT_LE(ink.bottom, box.bottom);
}

TEST_F(TextTest, EndEllipsisFitsTheWidth) {
    Use(18);
    const RECT box{10, 10, 100, 40};
    RECT ink = Draw(L"透镜焦距（厘米）透镜焦距（厘米）", box,
                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    EXPECT_GE(ink.left, box.left);
    EXPECT_LE(ink.right, box.right);
    EXPECT_GT(ink.right - ink.left, (box.right - box.left) / 2);
}

TEST_F(TextTest, AmpersandIsAMnemonicUnlessNoPrefix) {
    Use(18);
    RECT rect{0, 0, 300, 50};
    DrawTextW(canvas_.Dc(), L"ab&c", -1, &rect, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(rect.right - rect.left, Extent(L"abc").cx);
    EXPECT_EQ(rect.bottom - rect.top, metrics_.tmHeight);
    rect = {0, 0, 300, 50};
    DrawTextW(canvas_.Dc(), L"ab&c", -1, &rect, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(rect.right - rect.left, Extent(L"ab&c").cx);
    rect = {0, 0, 300, 50};
    DrawTextW(canvas_.Dc(), L"a&&b", -1, &rect, DT_SINGLELINE | DT_CALCRECT);
    EXPECT_EQ(rect.right - rect.left, Extent(L"a&b").cx);
}

TEST_F(TextTest, TextOutPutsTheCellAtThePoint) {
    Use(28);
    SIZE size = Extent(L"CM");
    canvas_.Clear(RGB(255, 255, 255));
    SetTextColor(canvas_.Dc(), RGB(255, 0, 0));
    EXPECT_TRUE(TextOutW(canvas_.Dc(), 100, 60, L"CM", 2));
    RECT ink = canvas_.Ink();
    EXPECT_GE(ink.left, 100);
    EXPECT_LE(ink.right, 100 + size.cx + 1);
    EXPECT_GE(ink.top, 60);
    EXPECT_LE(ink.bottom, 60 + size.cy);
    // An opaque background fills the whole cell.
    SetBkMode(canvas_.Dc(), OPAQUE);
    SetBkColor(canvas_.Dc(), RGB(0, 0, 255));
    canvas_.Clear(RGB(255, 255, 255));
    TextOutW(canvas_.Dc(), 100, 60, L"CM", 2);
    const COLORREF blue = RGB(0, 0, 255);
    const COLORREF white = RGB(255, 255, 255);
    EXPECT_EQ(GetPixel(canvas_.Dc(), 100, 60), blue);
    EXPECT_EQ(GetPixel(canvas_.Dc(), 100 + size.cx - 1, 60), blue);
    EXPECT_EQ(GetPixel(canvas_.Dc(), 100, 60 + size.cy - 1), blue);
    EXPECT_EQ(GetPixel(canvas_.Dc(), 99, 60), white);
    EXPECT_EQ(GetPixel(canvas_.Dc(), 100 + size.cx, 60), white);
    EXPECT_EQ(GetPixel(canvas_.Dc(), 100, 59), white);
    EXPECT_EQ(GetPixel(canvas_.Dc(), 100, 60 + size.cy), white);
}

}  // namespace
