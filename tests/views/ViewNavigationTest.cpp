// Moving the candle, zooming and setting the focal length through the view's
// messages, as the window procedure delivers them.
#include "ViewProbe.h"

#include "context/AppContext.h"
#include "framework/controls/KyStatusShower.h"
#include "views/ViewCommands.h"

#include <string>
#include <vector>

namespace {

std::wstring TextOf(HWND window)
{
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    return text;
}

using ConvexNavigation = ViewTest<ConvexView>;
using ConcaveNavigation = ViewTest<ConcaveView>;

}  // namespace

TEST_F(ConvexNavigation, AZeroSizeIsIgnoredAndAResizeNeverMovesTheModel)
{
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(0, 300));
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 0));
    EXPECT_EQ(view.clientWidth, 1000);
    EXPECT_EQ(view.originY, 270.0f);
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(40, 600));
    EXPECT_EQ(view.objectX, -15.0f);
}

// Keys and buttons, in order on one view: the candle stops half a centimetre
// before the lens, the zoom at 20 and 6; only a real change asks for a repaint.
TEST_F(ConvexNavigation, StepsStopAtTheLimits)
{
    const struct { UINT message; WPARAM code; int times; float objectX, scale; bool redraw; } steps[] = {
        {WM_KEYDOWN, VK_RIGHT, 28, -1.0f, 8, true},  {WM_KEYDOWN, VK_RIGHT, 1, -0.5f, 8, true},
        {WM_KEYDOWN, VK_RIGHT, 1, -0.5f, 8, false},  {KYWM_BUTTONCLICK, CMD_MOVE_RIGHT, 1, -0.5f, 8, false},
        {WM_KEYDOWN, VK_LEFT, 1, -1.0f, 8, true},    {WM_KEYDOWN, VK_UP, 12, -1.0f, 20, true},
        {WM_KEYDOWN, VK_UP, 1, -1.0f, 20, false},    {WM_KEYDOWN, VK_DOWN, 14, -1.0f, 6, true},
        {KYWM_BUTTONCLICK, CMD_ZOOM_OUT, 1, -1.0f, 6, false}, {KYWM_BUTTONCLICK, CMD_ZOOM_IN, 1, -1.0f, 7, true},
        {KYWM_BUTTONCLICK, CMD_MOVE_LEFT, 1, -1.5f, 7, true},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(&s - steps);
        ValidateRect(hwnd, nullptr);
        for (int i = 0; i < s.times; ++i)
            Send(s.message, s.code);
        EXPECT_EQ(view.objectX, s.objectX);
        EXPECT_EQ(view.scale, s.scale);
        RECT update{};
        EXPECT_EQ(GetUpdateRect(hwnd, &update, FALSE) != FALSE, s.redraw);
    }
}

TEST_F(ConcaveNavigation, ZoomStopsAtThirty)
{
    for (int i = 0; i < 25; ++i)
        Send(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(view.scale, 30.0f);
}

// The candle is drawn from x 368.2 to 391.8, y 190 to 270; a press captures
// the mouse on the candle or on a button.
TEST_F(ConvexNavigation, TheCandleIsHitExactlyWhereItIsDrawn)
{
    const struct { int x, y; bool candle, capture; } points[] = {
        {380, 190, 1, 1}, {380, 270, 1, 1}, {380, 271, 0, 0}, {380, 189, 0, 0}, {368, 230, 0, 0},
        {369, 230, 1, 1}, {391, 230, 1, 1}, {392, 230, 0, 0}, {550, 549, 0, 1}, {615, 549, 0, 0}};
    for (const auto& p : points) {
        EXPECT_EQ(view.HitCandle(p.x, p.y), p.candle) << p.x << "," << p.y;
        EXPECT_EQ(view.CaptureOnPress(p.x, p.y), p.capture) << p.x << "," << p.y;
    }
}

// The centre line follows the pointer, wherever the candle was grabbed, and
// stops at the lens and at the left edge (x -61.03 at scale 8); a press
// beside the candle drags nothing; leaving the window ends a drag.
TEST_F(ConvexNavigation, DraggingStopsAtTheLensAndAtTheLeftEdge)
{
    const struct { UINT message; int x, y; bool dragging; float objectX; } steps[] = {
        {WM_LBUTTONDOWN, 375, 200, true, -15},   {WM_MOUSEMOVE, 420, 100, true, -10},
        {WM_MOUSEMOVE, 900, 200, true, -0.5f},   {WM_MOUSEMOVE, -50, 200, true, -61.029f},
        {WM_LBUTTONUP, -50, 200, false, -61.029f}, {WM_MOUSEMOVE, 300, 200, false, -61.029f},
        {WM_LBUTTONDOWN, 700, 100, false, -61.029f}, {WM_LBUTTONUP, 700, 100, false, -61.029f},
        {WM_LBUTTONDOWN, 12, 230, true, -61.029f}, {WM_MOUSELEAVE, 0, 0, false, -61.029f}};
    for (const auto& s : steps) {
        Send(s.message, s.message == WM_LBUTTONDOWN || s.dragging ? MK_LBUTTON : 0, Point(s.x, s.y));
        EXPECT_EQ(view.dragging, s.dragging) << &s - steps;
        EXPECT_NEAR(view.objectX, s.objectX, 1e-3) << &s - steps;
    }
    EXPECT_EQ(CandleBox(view.Scene(), 50, 170).left, 0);
}

TEST_F(ConvexNavigation, MovingLeftAfterZoomingPutsTheCandleOnTheNewLimit)
{
    view.objectX = -60.0f;
    view.Recompute();
    for (int i = 0; i < 12; ++i)
        Send(WM_KEYDOWN, VK_UP);
    Send(WM_KEYDOWN, VK_LEFT);
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
    const LPARAM onLeft = Point(view.buttons[0].rect.left + 5, view.buttons[0].rect.top + 5);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, onLeft);
    EXPECT_TRUE(view.buttons[0].pressed);
    kytest::AdvanceClock(350);
    EXPECT_EQ(view.objectX, -16.5f);
    Send(WM_LBUTTONUP, 0, Point(300, 100));
    kytest::AdvanceClock(300);
    EXPECT_EQ(view.objectX, -16.5f) << "released outside: no further move";
    EXPECT_FALSE(view.buttons[0].pressed);

    const struct { int advance; float objectX; } holds[] = {
        {120, -17.5f}, {0, -18.0f}};  // the tick at 700 and the release inside; a short click
    for (const auto& h : holds) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, onLeft);
        kytest::AdvanceClock(h.advance);
        Send(WM_LBUTTONUP, 0, onLeft);
        kytest::PumpUntilIdle();
        EXPECT_EQ(view.objectX, h.objectX);
    }
    EXPECT_TRUE(view.buttons[0].hover);
}

TEST_F(ConvexNavigation, LeavingTheWindowDropsAPressButKeepsAHighlight)
        {
    const LPARAM onZoom = Point(view.buttons[2].rect.left + 1, view.buttons[2].rect.top + 1);
    Send(WM_MOUSEMOVE, 0, onZoom);
    Send(WM_MOUSELEAVE);
    EXPECT_TRUE(view.buttons[2].hover);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, onZoom);
    EXPECT_TRUE(view.buttons[2].pressed);
    Send(WM_MOUSELEAVE);
    EXPECT_FALSE(view.buttons[2].pressed);
    EXPECT_FALSE(view.buttons[2].hover);
    Send(WM_TIMER, REPEAT_TIMER);
    kytest::PumpUntilIdle();
    EXPECT_EQ(view.scale, 8.0f);
}

// Every text goes through the same road as a click on "更新". A refused text
// stays in the box with one status message; an accepted one is shown back as
// "%.2f" unless it changes nothing; the candle never moves.
TEST_F(ConvexNavigation, FocalLengthTexts)
        {
    ASSERT_NE(view.focalEdit, nullptr);
    EXPECT_EQ(TextOf(view.focalEdit), L"10.00") << "the view's own box shows the focal length in force";
    // The view only sets and reads the box's text: a window that keeps any
    // text as given stands in for it.
    view.focalEdit = CreateWindowExW(0, L"button", L"", WS_CHILD, 0, 0, 9, 9, hwnd, nullptr, nullptr, nullptr);
    KyStatusShower status;
    ASSERT_TRUE(status.Show(hwnd, nullptr));
    AppContext::Instance().statusDisplay = &status;
    const struct {
        const wchar_t* typed;
        float focalLength;  // 0: refused
        const wchar_t* shown;
    } cases[] = {
        {L"1e1", 10, L"1e1"},  {L"2.99", 0, L"2.99"}, {L"3", 3, L"3.00"},   {L"50.0", 50, L"50.00"},
        {L"50.01", 0, L"50.01"}, {L"12abc", 12, L"12.00"}, {L"", 0, L""},  {L" 7 ", 7, L"7.00"},
        {L"NAN", 0, L"NAN"},   {L"７", 0, L"７"},      {L"\t 12\r\n.5\t", 12.5f, L"12.50"}, {L"-10", 0, L"-10"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const float before = view.focalLength;
        const size_t messages = status.List().ItemCount();
        SetWindowTextW(view.focalEdit, c.typed);
        PostMessageW(hwnd, KYWM_BUTTONCLICK, CMD_UPDATE, 0);
        kytest::PumpUntilIdle();
        EXPECT_EQ(view.objectX, -15.0f);
        EXPECT_EQ(view.focalLength, c.focalLength == 0 ? before : c.focalLength);
        EXPECT_EQ(TextOf(view.focalEdit), c.shown);
        ASSERT_EQ(status.List().ItemCount(), messages + (c.focalLength == 0 ? 1 : 0));
        if (c.focalLength == 0) {
            std::vector<std::wstring> texts;
            status.List().ItemAt(messages).GetTexts(texts);
            EXPECT_EQ(texts, std::vector<std::wstring>{L"透镜焦距必须在 [3.0, 50.0] 区间内"});
        }
    }
    AppContext::Instance().statusDisplay = nullptr;
}
