// The list window with real messages: layout as rows arrive, painting that
// stays inside each row's visible part, selection, scrolling and timers.
#include "platform/testing/TestPlatform.h"
#include "tests/support/RectMatchers.h"
#include "tests/support/RecordingWnd.h"
#include "framework/controls/KyItemBase.h"
#include "framework/controls/KyList.h"
#include "framework/controls/KyListMessages.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <new>
#include <string>
#include <utility>

namespace {

constexpr COLORREF kColours[] = {RGB(200, 30, 30), RGB(30, 160, 40), RGB(40, 60, 220), RGB(230, 200, 0),
                                 RGB(0, 200, 200), RGB(150, 0, 150)};
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct ProbeRecord {
    int clicks = 0, doubleClicks = 0, ticks = 0;
};

// Fills its whole row (not just the visible part) and more, black when
// selected, and counts what the list asked of it.
class ProbeItem : public KyItemBase {
public:
    ProbeItem(COLORREF fill, ProbeRecord* record) : colour(fill), seen(record) {}
    KyItemBase* Clone() const override { return new (std::nothrow) ProbeItem(*this); }
    void Release() override { delete this; }
    void GetTexts(std::vector<std::wstring>& texts) const override { texts.assign(1, L"probe"); }
    void OnTimer(int32_t) override { ++seen->ticks; }
    void OnClick(POINT, const RECT&, const RECT&) override { ++seen->clicks; }
    void OnDoubleClick(POINT, const RECT&, const RECT&) override { ++seen->doubleClicks; }
    void PaintItem(HDC dc, HFONT, const RECT& row, const RECT&, const std::vector<KyListColumn>&, bool) override
    {
        HBRUSH brush = CreateSolidBrush(selected ? RGB(0, 0, 0) : colour);
        RECT spill{row.left - 5, row.top - 5, row.right + 5, row.bottom + 5};
        FillRect(dc, &spill, brush);
        DeleteObject(brush);
    }
    IList* Owner() const { return list; }

private:
    ProbeItem(const ProbeItem&) = default;
    COLORREF colour;
    ProbeRecord* seen;
};

// A list 300 x 60 with rows of 20 at the bottom of its host.
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
        for (int i = 0; i < count; ++i)
            id = list.AddItem(ProbeItem(kColours[list.ItemCount() % 6], &record));
        kytest::PumpUntilIdle();
        return id;
    }

    void Send(UINT message, WPARAM wParam, LPARAM lParam = 0)
    {
        SendMessageW(list.GetHwnd(), message, wParam, lParam);
        kytest::PumpUntilIdle();
    }

    // Where the rows are scrolled to, as the bar shows it.
    int Offset() { return int(list.VerticalBar().Position()); }
    COLORREF Pixel(int x, int y) { return kytest::ReadPixel(list.GetHwnd(), x, y); }
    bool Selected(size_t index) { return list.ItemAt(index).IsSelected(); }

    RecordingWnd host;
    KyList list;
    ProbeRecord record;
};

}  // namespace

TEST_F(ListWindow, RowsFillTheAreaPaintOnlyTheirVisiblePartAndTheNewestIsScrolledIntoView)
{
    Add(2);
    RECT area = list.ItemArea();
    EXPECT_EQ(area, (RECT{1, 1, 299, 59}));
    EXPECT_EQ(Offset(), 0);

    Add(1);
    area = list.ItemArea();
    EXPECT_EQ(area.right, 299 - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(Offset(), 2);
    // The bar stands right of the rows, inside the frame.
    HWND bar = list.VerticalBar().GetHwnd();
    ASSERT_TRUE(bar != nullptr && IsWindowVisible(bar));
    RECT barRect{};
    GetWindowRect(bar, &barRect);
    POINT corners[] = {{barRect.left, barRect.top}, {barRect.right, barRect.bottom}};
    for (POINT& corner : corners)
        ScreenToClient(list.GetHwnd(), &corner);
    EXPECT_EQ((std::array{corners[0].x, corners[0].y, corners[1].y}), (std::array<LONG, 3>{area.right, 1, 59}));

    // Scrolled by 2: row 0 shows y 1..18, row 1 19..38, row 2 39..58; the
    // frame stays although rows spill over it.
    const struct { int x, y; COLORREF colour; } pixels[] = {
        {10, 0, kBlack}, {10, 1, kColours[0]}, {10, 18, kColours[0]}, {10, 19, kColours[1]}, {10, 38, kColours[1]},
        {10, 39, kColours[2]}, {10, 58, kColours[2]}, {10, 59, kBlack}, {0, 30, kBlack}, {area.right - 1, 30, kColours[1]}};
    for (const auto& p : pixels)
        EXPECT_EQ(Pixel(p.x, p.y), p.colour) << p.x << "," << p.y;
    EXPECT_NE(Pixel(area.right, 30), kColours[1]);

    Add(1);
    EXPECT_EQ(Offset(), 22);
}

TEST_F(ListWindow, ClicksSelectOneRowAtATime)
{
    Add(2);
    // Clicking the selected row deselects it, double clicking keeps it; Ctrl
    // changes nothing; Shift selects without the item hearing of it; the
    // frame is no row. The probe paints selected rows black.
    const struct { UINT message; WPARAM keys; int y; bool first, second; int clicks, doubleClicks; } cases[] = {
        {WM_LBUTTONDOWN, 0, 25, false, true, 1, 0},           {WM_LBUTTONDOWN, 0, 5, true, false, 2, 0},
        {WM_LBUTTONDOWN, 0, 5, false, false, 3, 0},           {WM_LBUTTONDOWN, MK_CONTROL, 25, false, false, 3, 0},
        {WM_LBUTTONDOWN, MK_SHIFT, 25, false, true, 3, 0},    {WM_LBUTTONDOWN, 0, 0, false, true, 3, 0},
        {WM_LBUTTONDBLCLK, 0, 25, false, true, 3, 1},         {WM_LBUTTONDBLCLK, 0, 5, true, false, 3, 2},
        {WM_LBUTTONDBLCLK, MK_CONTROL, 25, true, false, 3, 2}, {WM_LBUTTONDBLCLK, MK_SHIFT, 25, false, true, 3, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.message << " " << c.keys << " " << c.y);
        Send(c.message, c.keys, MAKELPARAM(50, c.y));
        EXPECT_EQ((std::array{Selected(0), Selected(1)}), (std::array{c.first, c.second}));
        EXPECT_EQ((std::array{record.clicks, record.doubleClicks}), (std::array{c.clicks, c.doubleClicks}));
        EXPECT_EQ(Pixel(50, 25), c.second ? kBlack : kColours[1]);
    }
    list.DeselectAll();
    EXPECT_FALSE(Selected(1));
}

TEST_F(ListWindow, WheelAndKeysScrollThroughTheBar)
{
    Add(10);  // 200 pixels in 58: largest offset 142
    ASSERT_EQ(Offset(), 142);
    const struct { UINT message; WPARAM wParam; int offset; } steps[] = {
        {WM_KEYDOWN, VK_HOME, 0}, {WM_MOUSEWHEEL, MAKEWPARAM(0, -120), 5}, {WM_KEYDOWN, VK_NEXT, 53},
        {WM_KEYDOWN, VK_END, 142}};
    for (const auto& step : steps) {
        Send(step.message, step.wParam);
        EXPECT_EQ(Offset(), step.offset) << step.message << " " << step.wParam;
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
    HWND window = list.GetHwnd();

    // No interval, an endless one, or an unknown entry: no timer.
    for (const auto& [id, interval] : {std::pair{first, 0u}, {first, ~0u}, {INT_MAX - 5, 100u}})
        EXPECT_EQ(owner->StartItemTimer(id, interval), INT_MAX) << id << " " << interval;
    const int32_t a = owner->StartItemTimer(first, 50);
    const int32_t b = owner->StartItemTimer(second, 50);
    ASSERT_TRUE(a != INT_MAX && b != INT_MAX && a != b);
    Send(WM_TIMER, static_cast<WPARAM>(b));
    EXPECT_EQ(record.ticks, 1);
    EXPECT_FALSE(owner->StopItemTimer(first, b));
    EXPECT_TRUE(owner->StopItemTimer(second, b));
    EXPECT_TRUE(owner->StopItemTimers(first));
    EXPECT_FALSE(owner->StopItemTimers(INT_MAX - 5));
    EXPECT_FALSE(KillTimer(window, static_cast<UINT_PTR>(a)) || KillTimer(window, static_cast<UINT_PTR>(b)));

    // A tick nobody owns stops its timer.
    ASSERT_NE(SetTimer(window, 77, 1000, nullptr), 0u);
    Send(WM_TIMER, 77);
    EXPECT_EQ(record.ticks, 1);
    EXPECT_FALSE(KillTimer(window, 77));
}

TEST_F(ListWindow, ForeignRequestsMatchNothing)
{
    Add(2);
    // The item in lParam is compared, never followed.
    const std::array<std::pair<WPARAM, LPARAM>, 3> repaints{{{0, 0x1234}, {0, 0}, {987654, 0}}};
    for (const auto& [wParam, lParam] : repaints)
        PostMessageW(list.GetHwnd(), KYWM_LIST_REPAINTITEM, wParam, lParam);
    PostMessageW(list.GetHwnd(), KYWM_LIST_SHOWITEM, 987654, 0);
    Send(KYWM_LIST_VSCROLL, 0);
    EXPECT_EQ(Pixel(10, 5), kColours[0]);
    EXPECT_EQ(Offset(), 0);
}

// Fine-grained wheel deltas: fractions of a notch add up to whole notches
// before the list scrolls, and a notched wheel is unchanged.
struct WheelCase {
    const char* name;
    int deltas[3], offsets[3];
};

class ListWheel : public ListWindow, public ::testing::WithParamInterface<WheelCase> {};

// Ten rows of 20 pixels in 58 visible: offsets 0 to 142, five per notch.
const WheelCase kWheelCases[] = {
    {"HalfANotchScrollsNothing", {-60, 0, 0}, {0, 0, 0}},
    {"TwoHalvesScrollOneNotch", {-60, -60, 0}, {0, 5, 5}},
    {"JustShortOfANotchWaits", {-119, -1, 0}, {0, 5, 5}},
    {"NotchesAsBefore", {-120, -360, 240}, {5, 20, 10}},
    {"TurningBackDropsTheOtherWay", {-90, 60, -60}, {0, 0, 0}},
};

TEST_P(ListWheel, ScrollsByWholeNotches)
{
    Add(10);
    Send(WM_KEYDOWN, VK_HOME);
    for (int i = 0; i < 3; ++i) {
        if (GetParam().deltas[i] != 0)
            Send(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(GetParam().deltas[i])));
        EXPECT_EQ(Offset(), GetParam().offsets[i]) << "after message " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Deltas, ListWheel, ::testing::ValuesIn(kWheelCases),
                         [](const ::testing::TestParamInfo<WheelCase>& info) { return std::string(info.param.name); });
