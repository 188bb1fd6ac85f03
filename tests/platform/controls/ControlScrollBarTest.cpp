// The "ScrollBar" control: range, page and position rules, and the
// WM_VSCROLL / WM_HSCROLL requests of arrows, shaft, thumb and keys.
#include "ControlTestSupport.h"

namespace {

struct Scroll {
    WORD code;
    WORD position;
};

class ScrollBar : public controltest::ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        bar = Create(L"ScrollBar", SBS_VERT, 300, 20, 17, 200, 0);
        ASSERT_NE(bar, nullptr);
        SetInfo(0, 99, 10, 0);
        kytest::PumpUntilIdle();
        testwin::ClearLog();
    }
    int SetInfo(int min, int max, UINT page, int pos, UINT mask = SIF_RANGE | SIF_PAGE | SIF_POS)
    {
        SCROLLINFO info{sizeof info, mask, min, max, page, pos, 0};
        return static_cast<int>(SendMessageW(bar, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info)));
    }
    SCROLLINFO Info()
    {
        SCROLLINFO info{sizeof info, SIF_ALL, -1, -1, 0, -1, -1};
        EXPECT_TRUE(SendMessageW(bar, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info)));
        return info;
    }
    std::vector<Scroll> Scrolls(UINT message = WM_VSCROLL)
    {
        std::vector<Scroll> out;
        for (const testwin::Entry& e : testwin::EntriesOf(message, parent))
            if (reinterpret_cast<HWND>(e.lParam) == bar) out.push_back(Scroll{LOWORD(e.wParam), HIWORD(e.wParam)});
        return out;
    }
    std::vector<WORD> Codes(UINT message = WM_VSCROLL)
    {
        std::vector<WORD> codes;
        for (const testwin::Entry& e : testwin::EntriesOf(message, parent)) codes.push_back(LOWORD(e.wParam));
        return codes;
    }
    void Click(int x, int y)
    {
        kytest::PressLeft(bar, x, y);
        kytest::ReleaseLeft(bar, x, y);
        kytest::PumpUntilIdle();
    }

    HWND bar = nullptr;
};

TEST_F(ScrollBar, PositionsClampToMaxMinusPagePlusOne)
{
    EXPECT_EQ(SetInfo(0, 99, 10, 95), 90);
    SCROLLINFO info = Info();
    EXPECT_EQ(std::vector<int>({info.nMin, info.nMax, int(info.nPage), info.nPos, info.nTrackPos}),
              std::vector<int>({0, 99, 10, 90, 90}));
    EXPECT_EQ(SendMessageW(bar, SBM_SETPOS, static_cast<WPARAM>(-5), FALSE), 90);
    EXPECT_EQ(SendMessageW(bar, SBM_GETPOS, 0, 0), 0);
    SCROLLINFO bad{sizeof bad - 8, SIF_POS, 0, 0, 0, 5, 0};
    EXPECT_EQ(SendMessageW(bar, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&bad)), 0);

    SetInfo(0, 9, 50, 3);  // a page larger than the range shrinks to it
    EXPECT_EQ(Info().nPage, 10u);
    EXPECT_EQ(Info().nPos, 0);

    // Only the fields of the mask change.
    SetInfo(0, 200, 0, 0, SIF_RANGE);
    SetInfo(0, 0, 20, 0, SIF_PAGE);
    SetInfo(10, 200, 0, 0, SIF_RANGE);
    EXPECT_EQ(Info().nPage, 20u);
    EXPECT_EQ(SetInfo(0, 0, 0, 150, SIF_POS), 150);
}

TEST_F(ScrollBar, ArrowsShaftAndKeysRequestLinesPagesAndEnds)
{
    const struct { int y; std::vector<WORD> codes; } clicks[] = {
        {5, {SB_LINEUP, SB_ENDSCROLL}}, {195, {SB_LINEDOWN, SB_ENDSCROLL}}, {120, {SB_PAGEDOWN, SB_ENDSCROLL}}};
    for (const auto& c : clicks) {
        testwin::ClearLog();
        Click(8, c.y);
        EXPECT_EQ(Codes(), c.codes) << c.y;
    }
    testwin::ClearLog();
    SendMessageW(bar, SBM_SETPOS, 90, TRUE);
    Click(8, 60);
    EXPECT_EQ(Codes(), (std::vector<WORD>{SB_PAGEUP, SB_ENDSCROLL}));
    EXPECT_EQ(SendMessageW(bar, SBM_GETPOS, 0, 0), 90) << "the position is the parent's to change";

    testwin::ClearLog();
    SetFocus(bar);
    for (UINT key : {VK_UP, VK_DOWN, VK_PRIOR, VK_NEXT, VK_HOME, VK_END, VK_LEFT, VK_RIGHT}) {
        kytest::KeyDown(bar, key);
        kytest::KeyUp(bar, key);
    }
    kytest::PumpUntilIdle();
    EXPECT_EQ(Codes(), (std::vector<WORD>{SB_LINEUP, SB_LINEDOWN, SB_PAGEUP, SB_PAGEDOWN, SB_TOP, SB_BOTTOM,
                                          SB_LINEUP, SB_LINEDOWN}));
}

TEST_F(ScrollBar, HeldArrowRepeats)
{
    HWND b = bar;
    int lines = 0;
    testwin::SetHook([b, &lines](HWND, UINT m, WPARAM wParam, LPARAM, LRESULT*) {
        if (m == WM_VSCROLL && LOWORD(wParam) == SB_LINEDOWN && ++lines == 3) kytest::ReleaseLeft(b, 8, 195);
        return false;
    });
    kytest::PressLeft(bar, 8, 195);
    kytest::PumpUntilIdle();
    kytest::AdvanceClock(1000);
    EXPECT_EQ(Codes(), (std::vector<WORD>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_ENDSCROLL}));
}

TEST_F(ScrollBar, DraggingTheThumbTracksThenSetsThePosition)
{
    // 200 pixels: arrows of 17, a shaft of 166, a thumb of 16 at the top.
    // Windows runs a loop of its own while the thumb is held, so each drag
    // is queued whole before anything is pumped.
    for (auto [to, value] : {std::pair{100, 45}, std::pair{190, 90}}) {
        testwin::ClearLog();
        kytest::PressLeft(bar, 8, 25);
        kytest::MovePointer(bar, 8, to);
        kytest::ReleaseLeft(bar, 8, to);
        kytest::PumpUntilIdle();
        std::vector<Scroll> scrolls = Scrolls();
        ASSERT_GE(scrolls.size(), 3u);
        const size_t n = scrolls.size();
        for (size_t i = 0; i < n; ++i) {
            const WORD code = i + 2 < n ? SB_THUMBTRACK : i + 2 == n ? SB_THUMBPOSITION : SB_ENDSCROLL;
            EXPECT_EQ(scrolls[i].code, code) << i;
        }
        EXPECT_EQ(scrolls[n - 3].position, value);
        EXPECT_EQ(scrolls[n - 2].position, value);
        EXPECT_EQ(SendMessageW(bar, SBM_GETPOS, 0, 0), 0) << "nobody moved it: the thumb goes back";
    }
}

TEST_F(ScrollBar, HorizontalBarSendsHScrollAndDisabledBarNothing)
{
    HWND horizontal = Create(L"ScrollBar", SBS_HORZ, 20, 250, 200, 17, 0);
    ASSERT_NE(horizontal, nullptr);
    std::swap(bar, horizontal);
    Click(195, 8);
    EXPECT_EQ(Codes(WM_HSCROLL), (std::vector<WORD>{SB_LINERIGHT, SB_ENDSCROLL}));
    EXPECT_TRUE(Codes(WM_VSCROLL).empty());
    testwin::ClearLog();
    EnableWindow(bar, FALSE);
    Click(195, 8);
    Click(5, 8);
    EXPECT_TRUE(Codes(WM_HSCROLL).empty());
}

}  // namespace
