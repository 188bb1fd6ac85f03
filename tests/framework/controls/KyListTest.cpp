// The list window with real messages: layout as rows arrive, painting that
// stays inside each row's visible part, selection, scrolling and timers.
#include "platform/testing/TestPlatform.h"
#include "tests/support/RecordingWnd.h"
#include "ProbeItem.h"
#include "framework/controls/KyList.h"
#include "framework/controls/KyListMessages.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <utility>

namespace {

constexpr COLORREF kColours[] = {RGB(200, 30, 30), RGB(30, 160, 40), RGB(40, 60, 220), RGB(230, 200, 0),
                                 RGB(0, 200, 200), RGB(150, 0, 150)};
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class ListWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateShownTopLevel(host, 300, 200));
        ASSERT_TRUE(list.CreateChild(host.GetHwnd(), nullptr));
        list.SetRowHeight(20);
        MoveWindow(list.GetHwnd(), 0, 140, 300, 60, TRUE);
        ShowWindow(list.GetHwnd(), SW_SHOW);
        kytest::PumpUntilIdle();
    }

    int32_t Add(int count)
    {
        int32_t id = INT_MAX;
        for (int i = 0; i < count; ++i) {
            const size_t n = list.ItemCount();
            id = list.AddItem(ProbeItem(kColours[n % 6], &record));
        }
        kytest::PumpUntilIdle();
        return id;
    }

    COLORREF Pixel(int x, int y) { return kytest::ReadPixel(list.GetHwnd(), x, y); }

    LRESULT Mouse(UINT message, int x, int y, WPARAM keys = 0)
    {
        LRESULT result = SendMessageW(list.GetHwnd(), message, keys, MAKELPARAM(x, y));
        kytest::PumpUntilIdle();
        return result;
    }

    bool Selected(size_t index) { return list.ItemAt(index).IsSelected(); }

    RecordingWnd host;
    KyList list;
    ProbeRecord record;
};

}  // namespace

TEST_F(ListWindow, RowsFillTheAreaAndTheNewestIsScrolledIntoView)
{
    Add(2);
    EXPECT_EQ(list.ContentHeight(), 40);
    EXPECT_EQ(list.VerticalOffset(), 0);
    RECT area = list.ItemArea();
    EXPECT_EQ((std::array{area.left, area.top, area.right, area.bottom}), (std::array<LONG, 4>{1, 1, 299, 59}));

    Add(1);
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
    area = list.ItemArea();
    EXPECT_EQ(area.right, 299 - barWidth);
    EXPECT_EQ(list.VerticalOffset(), 2);
    ASSERT_NE(list.VerticalBar().GetHwnd(), nullptr);
    EXPECT_TRUE(IsWindowVisible(list.VerticalBar().GetHwnd()));
    RECT bar{};
    GetWindowRect(list.VerticalBar().GetHwnd(), &bar);
    POINT corners[] = {{bar.left, bar.top}, {bar.right, bar.bottom}};
    for (POINT& corner : corners)
        ScreenToClient(list.GetHwnd(), &corner);
    EXPECT_EQ((std::array{corners[0].x, corners[0].y, corners[1].y}), (std::array<LONG, 3>{area.right, 1, 59}));
    EXPECT_EQ(list.VerticalBar().Position(), 2u);

    Add(1);
    EXPECT_EQ(list.VerticalOffset(), 22);
    // Ids come from the shared sequence, in order.
    EXPECT_EQ(list.ItemAt(3).Id(), list.ItemAt(2).Id() + 1);
}

TEST_F(ListWindow, RowsNeverPaintOutsideTheirVisiblePart)
{
    Add(3);  // scrolled by 2: row 0 shows y 1..18, row 1 19..38, row 2 39..58
    const int right = list.ItemArea().right;
    // The frame stays although rows spill over it.
    const struct { int x, y; COLORREF colour; } pixels[] = {
        {10, 0, kBlack}, {10, 1, kColours[0]}, {10, 18, kColours[0]}, {10, 19, kColours[1]}, {10, 38, kColours[1]},
        {10, 39, kColours[2]}, {10, 58, kColours[2]}, {10, 59, kBlack}, {0, 30, kBlack}};
    for (const auto& p : pixels)
        EXPECT_EQ(Pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
    EXPECT_EQ(Pixel(right - 1, 30), kColours[1]);
    EXPECT_NE(Pixel(right, 30), kColours[1]);
}

TEST_F(ListWindow, ClickSelectsOneRowAtATime)
{
    Add(2);
    // Clicking the selected row deselects it; Ctrl changes nothing; Shift
    // selects without the item hearing of it; the frame is no row. The probe
    // paints selected rows black.
    const struct { WPARAM keys; int y; bool first, second; int heard; } clicks[] = {
        {0, 25, false, true, 1}, {0, 5, true, false, 2}, {0, 5, false, false, 3},
        {MK_CONTROL, 25, false, false, 3}, {MK_SHIFT, 25, false, true, 3}, {0, 0, false, true, 3}};
    for (const auto& click : clicks) {
        Mouse(WM_LBUTTONDOWN, 50, click.y, click.keys);
        EXPECT_EQ(Selected(0), click.first) << click.keys << " " << click.y;
        EXPECT_EQ(Selected(1), click.second) << click.keys << " " << click.y;
        EXPECT_EQ(record.clicks, click.heard) << click.keys << " " << click.y;
        EXPECT_EQ(Pixel(50, 25), click.second ? kBlack : kColours[1]);
    }
    list.DeselectAll();
    EXPECT_FALSE(Selected(1));
}

TEST_F(ListWindow, DoubleClickKeepsTheSelectionAndTellsTheItem)
{
    Add(2);
    Mouse(WM_LBUTTONDOWN, 50, 25);
    // {keys, y, selected row, double clicks heard}: Ctrl is ignored, Shift
    // selects without telling the item.
    const struct { WPARAM keys; int y; size_t selected; int heard; } clicks[] = {
        {0, 25, 1, 1}, {0, 5, 0, 2}, {MK_CONTROL, 25, 0, 2}, {MK_SHIFT, 25, 1, 2}};
    for (const auto& click : clicks) {
        Mouse(WM_LBUTTONDBLCLK, 50, click.y, click.keys);
        EXPECT_TRUE(Selected(click.selected));
        EXPECT_FALSE(Selected(1 - click.selected));
        EXPECT_EQ(record.doubleClicks, click.heard);
    }
}

TEST_F(ListWindow, WheelAndKeysScrollThroughTheBar)
{
    ASSERT_NE(list.VerticalBar().GetHwnd(), nullptr);
    Add(10);  // 200 pixels in 58: largest offset 142
    ASSERT_EQ(list.VerticalOffset(), 142);
    const struct { UINT message; WPARAM wParam; int offset; } steps[] = {
        {WM_KEYDOWN, VK_HOME, 0}, {WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 5}, {WM_MOUSEWHEEL, MAKEWPARAM(0, -60), 5},
        {WM_KEYDOWN, VK_NEXT, 53}, {WM_KEYDOWN, VK_END, 142}};
    for (const auto& step : steps) {
        SendMessageW(list.GetHwnd(), step.message, step.wParam, 0);
        kytest::PumpUntilIdle();
        EXPECT_EQ(list.VerticalOffset(), step.offset) << step.message << " " << step.wParam;
    }
    // Scrolled rows are still clipped to the item area.
    EXPECT_EQ(Pixel(10, 0), kBlack);
    EXPECT_EQ(Pixel(10, 59), kBlack);
}

TEST_F(ListWindow, ItemTimersBelongToTheirEntries)
{
    const int32_t first = Add(1);
    const int32_t second = Add(1);
    IList* owner = static_cast<const ProbeItem&>(list.ItemAt(0)).Owner();
    ASSERT_EQ(owner, static_cast<IList*>(&list));

    // No interval, an endless one, or an unknown entry: no timer.
    for (const auto& [id, interval] : {std::pair{first, 0u}, {first, ~0u}, {INT_MAX - 5, 100u}})
        EXPECT_EQ(owner->StartItemTimer(id, interval), INT_MAX) << id << " " << interval;
    const int32_t a = owner->StartItemTimer(first, 50);
    const int32_t b = owner->StartItemTimer(second, 50);
    EXPECT_EQ((std::array{a, b}), (std::array<int32_t, 2>{3, 4}));

    SendMessageW(list.GetHwnd(), WM_TIMER, static_cast<WPARAM>(b), 0);
    EXPECT_EQ(record.ticks, 1);
    EXPECT_FALSE(owner->StopItemTimer(first, b));
    EXPECT_TRUE(owner->StopItemTimer(second, b));
    EXPECT_EQ(list.RunningTimerCount(second), 0u);
    EXPECT_TRUE(owner->StopItemTimers(first));
    EXPECT_EQ(list.RunningTimerCount(first), 0u);
    EXPECT_FALSE(owner->StopItemTimers(INT_MAX - 5));

    // A tick nobody owns stops its timer.
    ASSERT_NE(SetTimer(list.GetHwnd(), 77, 1000, nullptr), 0u);
    SendMessageW(list.GetHwnd(), WM_TIMER, 77, 0);
    EXPECT_EQ(record.ticks, 1);
    EXPECT_FALSE(KillTimer(list.GetHwnd(), 77));
}

TEST_F(ListWindow, ForeignRepaintRequestsMatchNothing)
{
    Add(2);
    // The item in lParam is compared, never followed.
    PostMessageW(list.GetHwnd(), KYWM_LIST_REPAINTITEM, 0, 0x1234);
    PostMessageW(list.GetHwnd(), KYWM_LIST_REPAINTITEM, 0, 0);
    PostMessageW(list.GetHwnd(), KYWM_LIST_REPAINTITEM, 987654, 0);
    PostMessageW(list.GetHwnd(), KYWM_LIST_SHOWITEM, 987654, 0);
    PostMessageW(list.GetHwnd(), KYWM_LIST_VSCROLL, 0, 0);
    kytest::PumpUntilIdle();
    EXPECT_EQ(Pixel(10, 5), kColours[0]);
    EXPECT_EQ(list.VerticalOffset(), 0);
}
