// The status display: tips, blinking messages read back from the screen,
// selection colours, the ellipsis and copying to the clipboard.
#include "platform/testing/TestPlatform.h"
#include "tests/support/RecordingWnd.h"
#include "tests/support/Canvas.h"
#include "tests/support/ClipboardText.h"
#include "framework/controls/KyStatusFlickItem.h"
#include "framework/controls/KyStatusShower.h"
#include "gdi/FontCache.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(249, 0, 31);
const wchar_t kTip1[] = L"提示：鼠标直接拖动蜡烛，或按键盘左、右方向键，可移动蜡烛位置";
const wchar_t kRangeMessage[] = L"透镜焦距必须在 [3.0, 50.0] 区间内";

class StatusDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateShownTopLevel(host, 400, 200));
        ASSERT_TRUE(shower.Show(host.GetHwnd(), nullptr));
        shower.List().SetItemFont(AcquireFont(12, L"新宋体"));
        ASSERT_TRUE(shower.Move(RECT{0, 140, 400, 200}));
        kytest::PumpUntilIdle();
        list = shower.List().GetHwnd();
    }

    const KyStatusFlickItem& Entry(size_t index)
    {
        return static_cast<const KyStatusFlickItem&>(shower.List().ItemAt(index));
    }

    // Pixels of a band through the middle of the row at `top` that have
    // `colour`, and those that are neither it nor `background`.
    std::pair<int, int> Row(int top, COLORREF colour, COLORREF background = kWhite)
    {
        std::pair<int, int> census{0, 0};
        const Canvas shot(list, RECT{0, top, 200, top + 20});
        for (const auto& [x, y] : shot.Painted(RECT{3, top + 2, 200, top + 18}, background))
            ++(shot.Pixel(x, y) == colour ? census.first : census.second);
        return census;
    }

    // Time passes from the moment the message was added to `milliseconds`.
    void At(unsigned milliseconds)
    {
        kytest::AdvanceClock(milliseconds - elapsed);
        elapsed = milliseconds;
    }

    RecordingWnd host;
    KyStatusShower shower;
    HWND list = nullptr;
    unsigned elapsed = 0;
};

}  // namespace

TEST_F(StatusDisplay, MessagesBlinkTwiceOnTheirOwnTimersThenStayRed)
{
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(shower.AddMessage(kRangeMessage));
    kytest::PumpUntilIdle();
    EXPECT_EQ(shower.List().VerticalBar().Position(), 60u - 58u);  // rows at y 19 and 39 in full
    // Shown at 200, 1200 and 2200 and from then on, white between; every
    // message on its own timer.
    for (unsigned time = 200; time <= 3200; time += 500) {
        At(time);
        const bool shown = time % 1000 == 200 || time > 2200;
        for (int top : {19, 39}) {
            const auto red = Row(top, kRed);
            EXPECT_EQ(red.first > 0, shown) << time << " " << top;
            EXPECT_TRUE(shown || red.second == 0) << time << " " << top;
        }
    }
    // Every blink timer is gone.
    for (UINT_PTR id = 1; id < 16; ++id)
        EXPECT_FALSE(KillTimer(list, id)) << id;
}

TEST_F(StatusDisplay, ASelectedMessageIsWhiteOnTheSelectionColour)
{
    constexpr COLORREF kSelection = RGB(10, 36, 106);
    ASSERT_TRUE(shower.AddMessage(kRangeMessage));
    kytest::PumpUntilIdle();
    SendMessageW(list, WM_LBUTTONDOWN, 0, MAKELPARAM(300, 10));
    kytest::PumpUntilIdle();
    ASSERT_TRUE(Entry(0).IsSelected());
    // Clicking gave the list the focus: the active selection colour, which
    // a white blink phase does not change.
    ASSERT_EQ(GetFocus(), list);
    EXPECT_GT(Row(1, kWhite, kSelection).first, 0);
    At(700);
    EXPECT_GT(Row(1, kWhite, kSelection).first, 0);
    SetFocus(host.GetHwnd());
    kytest::PumpUntilIdle();
    EXPECT_EQ(kytest::ReadPixel(list, 300, 10), RGB(212, 208, 200));
}

TEST_F(StatusDisplay, TipsAreBlackAndALongOneEndsInAnEllipsisInsideTheRow)
{
    EXPECT_FALSE(shower.Show(host.GetHwnd(), nullptr));
    EXPECT_FALSE(shower.AddTip(nullptr));
    // Ideographs alone may be all grey ink on a smoothing system; the
    // tips' punctuation and Latin letters leave full-black pixels.
    std::wstring longText;
    for (int i = 0; i < 40; ++i) longText += kTip1;
    ASSERT_TRUE(shower.AddTip(longText.c_str()));
    ASSERT_TRUE(shower.AddTip(kTip1));
    kytest::PumpUntilIdle();
    EXPECT_GT(Row(1, kBlack).first, 0);
    EXPECT_GT(Row(21, kBlack).first, 0);
    const int right = shower.List().ItemArea().right;
    // Text reaches close to the right edge but leaves the 2-pixel margin.
    const Canvas shot(list, RECT{right - 40, 1, right, 21});
    const RECT ink = shot.Ink();
    EXPECT_GT(ink.right, right - 40);
    EXPECT_LT(ink.right, right - 1);
    std::vector<std::wstring> texts;
    Entry(0).GetTexts(texts);
    EXPECT_EQ(texts, std::vector<std::wstring>{longText});
}

TEST_F(StatusDisplay, DoubleClickCopiesTheExactText)
{
    ASSERT_TRUE(shower.AddTip(kTip1));
    ASSERT_TRUE(shower.AddMessage(kRangeMessage));
    kytest::PumpUntilIdle();
    KyStatusFlickItem(L"before", 0, kBlack).OnDoubleClick(POINT{0, 0}, RECT{}, RECT{});
    // Ctrl and Shift copy nothing.
    const struct { WPARAM keys; int y; const wchar_t* copied; } clicks[] = {
        {MK_CONTROL, 10, L"before"}, {MK_SHIFT, 10, L"before"}, {0, 30, kRangeMessage}, {0, 10, kTip1}};
    for (const auto& c : clicks) {
        SendMessageW(list, WM_LBUTTONDBLCLK, c.keys, MAKELPARAM(50, c.y));
        EXPECT_EQ(cliptext::Get(), c.copied) << c.keys << " " << c.y;
    }
    EXPECT_TRUE(Entry(0).IsSelected());
}

TEST(StatusDisplayWithoutWindow, RefusesEverythingBeforeShowAndMessagesStayRed)
{
    KyStatusShower shower;
    EXPECT_FALSE(shower.AddTip(L"x") || shower.AddMessage(L"x") || shower.Move(RECT{0, 0, 10, 10})
                 || shower.Show(nullptr, nullptr));
    // A list without a window cannot start timers.
    KyList list;
    ASSERT_NE(list.AddItem(KyStatusFlickItem(kRangeMessage, 2, kRed)), INT_MAX);
    const auto& added = static_cast<const KyStatusFlickItem&>(list.ItemAt(0));
    EXPECT_EQ(added.CurrentTextColour(), kRed);
}
