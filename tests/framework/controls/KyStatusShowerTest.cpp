// The status display: tips, blinking messages read back from the screen,
// selection colours, the ellipsis and copying to the clipboard.
#include "platform/testing/TestPlatform.h"
#include "tests/support/RecordingWnd.h"
#include "tests/support/Canvas.h"
#include "framework/controls/KyStatusFlickItem.h"
#include "framework/controls/KyStatusShower.h"
#include "gdi/FontCache.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <tuple>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(249, 0, 31);
constexpr COLORREF kSelection = RGB(10, 36, 106);
constexpr COLORREF kInactiveSelection = RGB(212, 208, 200);
const wchar_t kTip1[] = L"提示：鼠标直接拖动蜡烛，或按键盘左、右方向键，可移动蜡烛位置";
const wchar_t kTip2[] = L"提示：滑动鼠标滚轮，或按键盘上、下方向键，可调整显示比例";
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
    }

    const KyStatusFlickItem& Entry(size_t index)
    {
        return static_cast<const KyStatusFlickItem&>(shower.List().ItemAt(index));
    }

    // How many pixels of a band through the middle of a visible row have
    // `colour`, and how many are anything but `background`.
    struct Census {
        int matching = 0;
        int other = 0;
    };
    Census Row(int top, COLORREF colour, COLORREF background = kWhite, int right = 200)
    {
        Census census;
        const Canvas shot(shower.List().GetHwnd(), RECT{0, top, right, top + 20});
        for (int y = top + 2; y < top + 18; ++y) {
            for (int x = 3; x < right; ++x) {
                const COLORREF pixel = shot.Pixel(x, y);
                if (pixel == colour)
                    ++census.matching;
                else if (pixel != background)
                    ++census.other;
            }
        }
        return census;
    }

    // Time passes from the moment the message was added to `milliseconds`.
    void At(unsigned milliseconds)
    {
        if (milliseconds > elapsed)
            kytest::AdvanceClock(milliseconds - elapsed);
        elapsed = milliseconds;
    }

    std::wstring ClipboardText()
    {
        std::wstring text;
        if (!OpenClipboard(nullptr))
            return L"<not opened>";
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        return text;
    }

    void PutOnClipboard(const std::wstring& text)
    {
        KyStatusFlickItem(text, 0, kBlack).OnDoubleClick(POINT{0, 0}, RECT{}, RECT{});
    }

    RecordingWnd host;
    KyStatusShower shower;
    unsigned elapsed = 0;
};

}  // namespace

TEST(StatusDisplayWithoutWindow, RefusesEverythingBeforeShow)
{
    KyStatusShower shower;
    EXPECT_FALSE(shower.AddTip(L"x"));
    EXPECT_FALSE(shower.AddMessage(L"x"));
    EXPECT_FALSE(shower.Move(RECT{0, 0, 10, 10}));
    EXPECT_FALSE(shower.Show(nullptr, nullptr));
}

TEST_F(StatusDisplay, TipsAppearInOrderInBlack)
{
    EXPECT_FALSE(shower.Show(host.GetHwnd(), nullptr));
    EXPECT_FALSE(shower.AddTip(nullptr));
    ASSERT_TRUE(shower.AddTip(kTip1));
    ASSERT_TRUE(shower.AddTip(kTip2));
    kytest::PumpUntilIdle();
    ASSERT_EQ(shower.List().ItemCount(), 2u);
    EXPECT_EQ(Entry(0).Text() + Entry(1).Text(), std::wstring(kTip1) + kTip2);
    EXPECT_GT(Row(1, kBlack).matching, 0);
    EXPECT_GT(Row(21, kBlack).matching, 0);
    EXPECT_EQ(shower.List().RunningTimerCount(Entry(0).Id()), 0u);
}

TEST_F(StatusDisplay, AMessageBlinksTwiceThenStaysRed)
{
    ASSERT_TRUE(shower.AddMessage(kRangeMessage));
    kytest::PumpUntilIdle();
    const int32_t id = Entry(0).Id();
    for (unsigned time = 200; time <= 2200; time += 500) {
        At(time);
        const Census red = Row(1, kRed);
        const bool shown = time % 1000 == 200;
        EXPECT_EQ(red.matching > 0, shown) << time;
        EXPECT_TRUE(shown || red.other == 0) << time;
    }
    EXPECT_EQ(Entry(0).BlinkCounter(), 0u);
    EXPECT_EQ(shower.List().RunningTimerCount(id), 0u);
}

TEST_F(StatusDisplay, MessagesBlinkOnTheirOwnTimers)
{
    shower.AddTip(kTip1);
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(shower.AddMessage(kRangeMessage));
    kytest::PumpUntilIdle();
    EXPECT_EQ(shower.List().VerticalOffset(), 80 - 58);
    for (const auto& [time, counter, timers] : {std::tuple{0u, 4u, 1u}, {700u, 3u, 1u}, {2200u, 0u, 0u}}) {
        At(time);
        for (size_t i = 1; i < 4; ++i) {
            EXPECT_EQ(Entry(i).BlinkCounter(), counter) << time;
            EXPECT_EQ(shower.List().RunningTimerCount(Entry(i).Id()), timers) << time;
        }
    }
}

TEST_F(StatusDisplay, ASelectedMessageIsWhiteOnTheSelectionColour)
{
    ASSERT_TRUE(shower.AddMessage(kRangeMessage));
    kytest::PumpUntilIdle();
    SendMessageW(shower.List().GetHwnd(), WM_LBUTTONDOWN, 0, MAKELPARAM(300, 10));
    kytest::PumpUntilIdle();
    ASSERT_TRUE(Entry(0).IsSelected());
    // Clicking gave the list the focus: the active selection colour.
    ASSERT_EQ(GetFocus(), shower.List().GetHwnd());
    const Census bright = Row(1, kWhite, kSelection);
    EXPECT_GT(bright.matching, 0);
    At(700);  // a white blink phase changes nothing
    EXPECT_GT(Row(1, kWhite, kSelection).matching, 0);

    SetFocus(host.GetHwnd());
    kytest::PumpUntilIdle();
    EXPECT_EQ(kytest::ReadPixel(shower.List().GetHwnd(), 300, 10), kInactiveSelection);
}

TEST_F(StatusDisplay, ALongTextEndsInAnEllipsisInsideTheRow)
{
    std::wstring longText(2000, L'宽');
    ASSERT_TRUE(shower.AddTip(longText.c_str()));
    ASSERT_TRUE(shower.AddTip(L"短"));
    kytest::PumpUntilIdle();
    const int right = shower.List().ItemArea().right;
    // Text reaches close to the right edge but leaves the 2-pixel margin.
    int lastInk = -1;
    const Canvas shot(shower.List().GetHwnd(), RECT{0, 0, right, 21});
    for (int x = right - 40; x < right; ++x) {
        for (int y = 1; y < 21; ++y) {
            if (shot.Pixel(x, y) != kWhite)
                lastInk = x;
        }
    }
    EXPECT_GT(lastInk, right - 40);
    EXPECT_LT(lastInk, right - 2);
    EXPECT_EQ(Entry(0).Text(), longText);
}

TEST_F(StatusDisplay, DoubleClickCopiesTheExactText)
{
    ASSERT_TRUE(shower.AddTip(kTip1));
    ASSERT_TRUE(shower.AddMessage(kRangeMessage));
    kytest::PumpUntilIdle();
    HWND list = shower.List().GetHwnd();

    PutOnClipboard(L"before");
    SendMessageW(list, WM_LBUTTONDBLCLK, 0, MAKELPARAM(50, 30));
    EXPECT_EQ(ClipboardText(), kRangeMessage);
    EXPECT_TRUE(Entry(1).IsSelected());

    PutOnClipboard(L"before");
    for (WPARAM keys : {MK_CONTROL, MK_SHIFT}) {
        SendMessageW(list, WM_LBUTTONDBLCLK, keys, MAKELPARAM(50, 10));
        EXPECT_EQ(ClipboardText(), L"before");
    }
    SendMessageW(list, WM_LBUTTONDBLCLK, 0, MAKELPARAM(50, 10));
    EXPECT_EQ(ClipboardText(), kTip1);
}

TEST(StatusItem, WithoutATimerAMessageStaysRed)
{
    // A list without a window cannot start timers.
    KyList list;
    ASSERT_NE(list.AddItem(KyStatusFlickItem(kRangeMessage, 2, kRed)), INT_MAX);
    const auto& added = static_cast<const KyStatusFlickItem&>(list.ItemAt(0));
    EXPECT_EQ(added.BlinkCounter(), 0u);
    EXPECT_EQ(added.CurrentTextColour(), kRed);
    EXPECT_FALSE(added.IsSelected());
}
