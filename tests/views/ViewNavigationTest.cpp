// Moving the candle, zooming and setting the focal length through the view's
// messages, as the window procedure delivers them.
#include "ViewProbe.h"

#include "context/AppContext.h"
#include "framework/controls/KyStatusShower.h"
#include "platform/testing/TestPlatform.h"
#include "views/ViewCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Any window that keeps its text stands in for the focal-length edit box:
// the view only sets and reads its text.
HWND CreateTextHolder(HWND parent)
{
    WNDCLASSEXW holder{};
    holder.cbSize = sizeof(holder);
    holder.lpfnWndProc = DefWindowProcW;
    holder.hInstance = GetModuleHandleW(nullptr);
    holder.lpszClassName = L"KyNavigationTextHolder";
    RegisterClassExW(&holder);
    return CreateWindowExW(0, L"KyNavigationTextHolder", L"", WS_CHILD | WS_VISIBLE, 180, 550, 60, 23, parent,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::wstring TextOf(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

LPARAM Point(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

template <typename View>
class Navigation : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(OpenView(view, 1000, 600));
        kytest::PumpUntilIdle();
        hwnd = view.GetHwnd();
    }

    void Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { SendMessageW(hwnd, message, wParam, lParam); }
    void Key(UINT key) { Send(WM_KEYDOWN, key); }
    void Command(int command)
    {
        PostMessageW(hwnd, KYWM_BUTTONCLICK, static_cast<WPARAM>(command), 0);
        kytest::PumpUntilIdle();
    }
    // True when something asked for a repaint since the last call.
    bool TakeRedraw()
    {
        RECT update{};
        const bool pending = GetUpdateRect(hwnd, &update, FALSE) != FALSE;
        ValidateRect(hwnd, nullptr);
        return pending;
    }

    View view;
    HWND hwnd = nullptr;
};

using ConvexNavigation = Navigation<ConvexView>;
using ConcaveNavigation = Navigation<ConcaveView>;

}  // namespace

TEST_F(ConvexNavigation, AZeroSizeIsIgnored)
{
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(0, 300));
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 0));
    EXPECT_EQ(view.clientWidth, 1000);
    EXPECT_EQ(view.originY, 270.0f);
    // A resize moves the picture, never the model.
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(40, 600));
    EXPECT_EQ(view.objectX, -15.0f);
}

TEST_F(ConvexNavigation, TheRightArrowStopsHalfACentimetreBeforeTheLens)
{
    for (int i = 0; i < 28; ++i)
        Key(VK_RIGHT);
    EXPECT_EQ(view.objectX, -1.0f);
    Key(VK_RIGHT);
    EXPECT_EQ(view.objectX, -0.5f);
    TakeRedraw();
    Key(VK_RIGHT);
    Send(KYWM_BUTTONCLICK, CMD_MOVE_RIGHT);
    EXPECT_EQ(view.objectX, -0.5f);
    EXPECT_FALSE(TakeRedraw()) << "no change, no recompute";
    Key(VK_LEFT);
    EXPECT_EQ(view.objectX, -1.0f);
    EXPECT_TRUE(TakeRedraw());
}

TEST_F(ConvexNavigation, ZoomStopsAtTwentyAndSix)
{
    for (int i = 0; i < 12; ++i)
        Key(VK_UP);
    EXPECT_EQ(view.scale, 20.0f);
    TakeRedraw();
    Key(VK_UP);
    EXPECT_EQ(view.scale, 20.0f);
    EXPECT_FALSE(TakeRedraw());
    for (int i = 0; i < 14; ++i)
        Key(VK_DOWN);
    EXPECT_EQ(view.scale, 6.0f);
    Send(KYWM_BUTTONCLICK, CMD_ZOOM_OUT);
    EXPECT_EQ(view.scale, 6.0f);
    Send(KYWM_BUTTONCLICK, CMD_ZOOM_IN);
    EXPECT_EQ(view.scale, 7.0f);
    // Zooming leaves the model alone.
    EXPECT_EQ(view.objectX, -15.0f);
}

TEST_F(ConcaveNavigation, ZoomStopsAtThirty)
{
    for (int i = 0; i < 25; ++i)
        Key(VK_UP);
    EXPECT_EQ(view.scale, 30.0f);
}

TEST_F(ConvexNavigation, TheCandleIsHitExactlyWhereItIsDrawn)
{
    // Drawn from x 368.2 to 391.8, y 190 to 270.
    EXPECT_TRUE(view.HitCandle(380, 190));
    EXPECT_TRUE(view.HitCandle(380, 270));
    EXPECT_FALSE(view.HitCandle(380, 271));
    EXPECT_FALSE(view.HitCandle(380, 189));
    EXPECT_FALSE(view.HitCandle(368, 230));
    EXPECT_TRUE(view.HitCandle(369, 230));
    EXPECT_TRUE(view.HitCandle(391, 230));
    EXPECT_FALSE(view.HitCandle(392, 230));

    EXPECT_TRUE(view.CaptureOnPress(380, 230));
    EXPECT_TRUE(view.CaptureOnPress(550, 549));
    EXPECT_FALSE(view.CaptureOnPress(615, 549));
    EXPECT_FALSE(view.CaptureOnPress(100, 100));
}

TEST_F(ConvexNavigation, DraggingStopsAtTheLensAndAtTheLeftEdge)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(375, 200));
    EXPECT_TRUE(view.dragging);
    // The centre line follows the pointer, wherever the candle was grabbed.
    Send(WM_MOUSEMOVE, MK_LBUTTON, Point(420, 100));
    EXPECT_EQ(view.objectX, -10.0f);
    EXPECT_FALSE(view.hasImage);
    Send(WM_MOUSEMOVE, MK_LBUTTON, Point(900, 200));
    EXPECT_EQ(view.objectX, -0.5f);
    Send(WM_MOUSEMOVE, MK_LBUTTON, Point(-50, 200));
    EXPECT_EQ(CandleBox(view.Scene(), 50, 170).left, 0);
    Send(WM_LBUTTONUP, 0, Point(-50, 200));
    EXPECT_FALSE(view.dragging);
    const float left = view.objectX;
    Send(WM_MOUSEMOVE, 0, Point(300, 200));
    EXPECT_EQ(view.objectX, left);

    // A press beside the candle drags nothing; leaving the window ends a drag.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(700, 100));
    EXPECT_FALSE(view.dragging);
    Send(WM_LBUTTONUP, 0, Point(700, 100));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(12, 230));
    EXPECT_TRUE(view.dragging);
    Send(WM_MOUSELEAVE);
    EXPECT_FALSE(view.dragging);
}

TEST_F(ConvexNavigation, MovingLeftAfterZoomingPutsTheCandleOnTheNewLimit)
{
    view.objectX = -60.0f;
    view.Recompute();
    for (int i = 0; i < 12; ++i)
        Key(VK_UP);
    Key(VK_LEFT);
    // (58.82 / 2 - 500) / 20: the left edge at x = 0 again.
    EXPECT_NEAR(view.objectX, -23.529f, 1e-3);
    EXPECT_EQ(CandleBox(view.Scene(), 50, 170).left, 0);
}

// The clock only stands still on our own platform; under Windows time runs
// and the number of ticks during a hold is not fixed.
TEST_F(ConvexNavigation, AHeldButtonRepeatsOnEveryTick)
{
    if (!kytest::HasManualClock())
        GTEST_SKIP() << "needs the manual clock";
    // The timer started with the window at t = 0: ticks at 100, 200, ...
    const RECT& left = view.buttons[0].rect;
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(left.left + 5, left.top + 5));
    EXPECT_TRUE(view.buttons[0].pressed);
    kytest::AdvanceClock(350);
    EXPECT_EQ(view.objectX, -16.5f);
    Send(WM_LBUTTONUP, 0, Point(300, 100));
    kytest::AdvanceClock(300);
    EXPECT_EQ(view.objectX, -16.5f) << "released outside: no further move";
    EXPECT_FALSE(view.buttons[0].pressed);

    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(left.left + 5, left.top + 5));
    kytest::AdvanceClock(120);  // from 650 to 770: the tick at 700
    Send(WM_LBUTTONUP, 0, Point(left.left + 5, left.top + 5));
    kytest::PumpUntilIdle();
    EXPECT_EQ(view.objectX, -17.5f) << "one tick and the release inside";

    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(left.left + 5, left.top + 5));
    Send(WM_LBUTTONUP, 0, Point(left.left + 5, left.top + 5));
    kytest::PumpUntilIdle();
    EXPECT_EQ(view.objectX, -18.0f) << "a short click moves once";
    EXPECT_TRUE(view.buttons[0].hover);
}

TEST_F(ConvexNavigation, LeavingTheWindowDropsAPressButKeepsAHighlight)
{
    const RECT& zoom = view.buttons[2].rect;
    Send(WM_MOUSEMOVE, 0, Point(zoom.left + 1, zoom.top + 1));
    EXPECT_TRUE(view.buttons[2].hover);
    Send(WM_MOUSELEAVE);
    EXPECT_TRUE(view.buttons[2].hover);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(zoom.left + 1, zoom.top + 1));
    EXPECT_TRUE(view.buttons[2].pressed);
    Send(WM_MOUSELEAVE);
    EXPECT_FALSE(view.buttons[2].pressed);
    EXPECT_FALSE(view.buttons[2].hover);
    Send(WM_TIMER, REPEAT_TIMER);
    kytest::PumpUntilIdle();
    EXPECT_EQ(view.scale, 8.0f);
}

namespace {

struct FocalCase {
    const wchar_t* typed;
    float focalLength;  // 0: refused
};

}  // namespace

// Every text goes through the same road as a click on "更新". A refused text
// stays in the box; an accepted one is shown back as "%.2f"; the candle
// never moves.
TEST_F(ConvexNavigation, FocalLengthTexts)
{
    ASSERT_NE(view.focalEdit, nullptr);
    EXPECT_EQ(TextOf(view.focalEdit), L"10.00") << "the view's own box shows the focal length in force";
    view.focalEdit = CreateTextHolder(hwnd);
    ASSERT_NE(view.focalEdit, nullptr);
    KyStatusShower status;
    ASSERT_TRUE(status.Show(hwnd, nullptr));
    AppContext::Instance().statusDisplay = &status;
    const FocalCase cases[] = {
        {L"2.99", 0}, {L"3", 3}, {L"50.0", 50}, {L"50.01", 0}, {L"12abc", 12}, {L"", 0}, {L" 7 ", 7},
        {L"NAN", 0},  {L"７", 0}, {L"\t 12\r\n.5\t", 12.5f}, {L"-10", 0},
    };
    for (const FocalCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        const float before = view.focalLength;
        const size_t messages = status.List().ItemCount();
        SetWindowTextW(view.focalEdit, c.typed);
        Command(CMD_UPDATE);
        EXPECT_EQ(view.objectX, -15.0f);
        if (c.focalLength == 0) {
            EXPECT_EQ(view.focalLength, before);
            EXPECT_EQ(TextOf(view.focalEdit), c.typed);
            ASSERT_EQ(status.List().ItemCount(), messages + 1);
            std::vector<std::wstring> texts;
            status.List().ItemAt(messages).GetTexts(texts);
            EXPECT_EQ(texts, std::vector<std::wstring>{L"透镜焦距必须在 [3.0, 50.0] 区间内"});
        } else {
            EXPECT_EQ(status.List().ItemCount(), messages);
            EXPECT_EQ(view.focalLength, c.focalLength);
            wchar_t shown[32];
            swprintf(shown, 32, L"%.2f", static_cast<double>(c.focalLength));
            EXPECT_EQ(TextOf(view.focalEdit), shown);
        }
    }
    AppContext::Instance().statusDisplay = nullptr;
}

TEST_F(ConvexNavigation, AnUnchangedFocalLengthRecomputesNothing)
{
    view.focalEdit = CreateTextHolder(hwnd);
    SetWindowTextW(view.focalEdit, L"1e1");
    TakeRedraw();
    Command(CMD_UPDATE);
    EXPECT_EQ(view.focalLength, 10.0f);
    EXPECT_EQ(TextOf(view.focalEdit), L"1e1");
    EXPECT_FALSE(TakeRedraw());
    // f = u: the status says there is no image, the candle stays.
    SetWindowTextW(view.focalEdit, L"15");
    Command(CMD_UPDATE);
    EXPECT_FALSE(view.hasImage);
    EXPECT_EQ(view.objectX, -15.0f);
    EXPECT_EQ(view.statusLines.back(), L"当前不成像");
}

