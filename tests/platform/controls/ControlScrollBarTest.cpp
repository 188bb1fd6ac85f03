// The "ScrollBar" control: range, page and position rules, and the
// WM_VSCROLL / WM_HSCROLL requests of arrows, shaft, thumb and keys.
#include "ControlTestSupport.h"

namespace {

class ScrollBar : public controltest::ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        bar = Create(L"ScrollBar", SBS_VERT, 300, 20, 17, 200, 0);
        SetInfo(0, 99, 10, 0);
        kytest::PumpUntilIdle();
        testwin::ClearLog();
    }
    int SetInfo(int min, int max, UINT page, int pos)
    {
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, min, max, page, pos, 0};
        return static_cast<int>(SendMessageW(bar, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info)));
    }
    SCROLLINFO Info()
    {
        SCROLLINFO info{sizeof info, SIF_ALL, -1, -1, 0, -1, -1};
        EXPECT_TRUE(SendMessageW(bar, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info)));
        return info;
    }
    // The requests (code and position) the parent got from the bar.
    std::vector<std::pair<WORD, WORD>> Requests(UINT message = WM_VSCROLL)
    {
        std::vector<std::pair<WORD, WORD>> out;
        for (const testwin::Entry& e : testwin::EntriesOf(message, parent))
            if (reinterpret_cast<HWND>(e.lParam) == bar) out.emplace_back(LOWORD(e.wParam), HIWORD(e.wParam));
        return out;
    }
    std::vector<WORD> Codes(UINT message = WM_VSCROLL)
    {
        std::vector<WORD> codes;
        for (auto [code, position] : Requests(message)) codes.push_back(code);
        return codes;
    }
    void Click(int x, int y)
    {
        testwin::ClearLog();
        kytest::PressLeft(bar, x, y);
        kytest::ReleaseLeft(bar, x, y);
        kytest::PumpUntilIdle();
    }

    HWND bar = nullptr;
};

TEST_F(ScrollBar, PositionsClampToMaxMinusPagePlusOne)
{
    EXPECT_EQ(SetInfo(0, 99, 10, 95), 90);
    EXPECT_EQ(Info().nPos, 90);
    for (auto [asked, kept] : {std::pair{-5, 0}, std::pair{95, 90}}) {
        SendMessageW(bar, SBM_SETPOS, static_cast<WPARAM>(asked), FALSE);
        EXPECT_EQ(Info().nPos, kept) << asked;
    }
    SetInfo(0, 9, 50, 3);  // a page larger than the range shrinks to it
    EXPECT_EQ(Info().nPage, 10u);
    EXPECT_EQ(Info().nPos, 0);
}

TEST_F(ScrollBar, ArrowsShaftAndKeysRequestLinesPagesAndEnds)
{
    const struct { int y; WORD code; } clicks[] = {{5, SB_LINEUP}, {195, SB_LINEDOWN}, {120, SB_PAGEDOWN}};
    for (const auto& c : clicks) {
        Click(8, c.y);
        EXPECT_EQ(Codes(), (std::vector<WORD>{c.code, SB_ENDSCROLL})) << c.y;
    }
    SetInfo(0, 99, 10, 90);
    Click(8, 60);
    EXPECT_EQ(Codes(), (std::vector<WORD>{SB_PAGEUP, SB_ENDSCROLL}));
    EXPECT_EQ(Info().nPos, 90) << "the position is the parent's to change";

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
    int lines = 0;
    testwin::SetHook([b = bar, &lines](HWND, UINT m, WPARAM wParam, LPARAM, LRESULT*) {
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
        const auto requests = Requests();
        ASSERT_GE(requests.size(), 3u);
        const size_t n = requests.size();
        for (size_t i = 0; i < n; ++i) {
            const WORD code = i + 2 < n ? SB_THUMBTRACK : i + 2 == n ? SB_THUMBPOSITION : SB_ENDSCROLL;
            EXPECT_EQ(requests[i].first, code) << i;
        }
        EXPECT_EQ(requests[n - 3].second, value);
        EXPECT_EQ(requests[n - 2].second, value);
        EXPECT_EQ(Info().nPos, 0) << "nobody moved it: the thumb goes back";
    }
}

TEST_F(ScrollBar, HorizontalBarSendsHScrollAndDisabledBarNothing)
{
    bar = Create(L"ScrollBar", SBS_HORZ, 20, 250, 200, 17, 0);
    Click(195, 8);
    EXPECT_EQ(Codes(WM_HSCROLL), (std::vector<WORD>{SB_LINERIGHT, SB_ENDSCROLL}));
    EXPECT_TRUE(Codes(WM_VSCROLL).empty());
    EnableWindow(bar, FALSE);
    Click(195, 8);
    Click(5, 8);
    EXPECT_TRUE(Codes(WM_HSCROLL).empty());
}

}  // namespace
