// The scrollbar window driven through the scroll messages its hosted control
// sends: clamping, line and page steps, thumb scaling and notifications.
#include "platform/testing/TestPlatform.h"
#include "tests/support/RecordingWnd.h"
#include "framework/controls/KyStandardScrollbar.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>
#include <vector>

namespace {

constexpr UINT kNotify = WM_USER + 150;

class ScrollbarWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(CreateShownTopLevel(host, 300, 200));
        ASSERT_TRUE(bar.CreateChild(host.GetHwnd(), nullptr));
        bar.SetNotification(kNotify, 0);
        MoveWindow(bar.GetHwnd(), 280, 0, 17, 200, TRUE);
        ShowWindow(bar.GetHwnd(), SW_SHOW);
        kytest::PumpUntilIdle();
        host.ownLog.clear();
    }

    // What the control says to its parent for a scroll request.
    void Scroll(WORD code, WORD thumb = 0)
    {
        SendMessageW(bar.GetHwnd(), WM_VSCROLL, MAKEWPARAM(code, thumb),
                     reinterpret_cast<LPARAM>(bar.Control()));
    }

    // Every position notified since the last call.
    std::vector<WPARAM> Notified()
    {
        kytest::PumpUntilIdle();
        std::vector<WPARAM> positions;
        for (const HandledMessage& n : host.Seen(kNotify))
            positions.push_back(n.wParam);
        host.ownLog.clear();
        return positions;
    }

    SCROLLINFO ControlInfo()
    {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        SendMessageW(bar.Control(), SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    }

    RecordingWnd host;
    KyStandardScrollbar bar{true};
};

using Positions = std::vector<WPARAM>;

}  // namespace

TEST(ScrollbarArithmetic, WithoutAControlTheStateStillClamps)
{
    EXPECT_EQ(KyStandardScrollbar::MaxPositionOf(50, 80), 0u);
    KyStandardScrollbar detached(false);
    detached.SetRange(300, 100, 500);
    EXPECT_EQ(detached.Position(), 200u);
}

TEST_F(ScrollbarWindow, RequestsStepAndClamp)
{
    // Each scroll request, then where the bar ends and every position notified.
    const struct {
        const char* name;
        unsigned lineStep, content, view, start;
        std::vector<std::pair<WORD, WORD>> requests;
        unsigned position;
        Positions notified;
    } cases[] = {
        {"a line stops at the largest position", 5, 60, 58, 0, {{SB_LINEDOWN, 0}, {SB_ENDSCROLL, 0}}, 2, {2, 2}},
        {"top and bottom move by one line", 5, 200, 50, 100,
         {{SB_TOP, 0}, {SB_BOTTOM, 0}, {SB_BOTTOM, 0}, {SB_PAGEUP, 0}, {SB_PAGEUP, 0}, {SB_PAGEUP, 0}}, 0,
         {95, 100, 105, 55, 5, 0}},
        {"up at the top still notifies", 1, 200, 50, 0, {{SB_LINEUP, 0}, {SB_TOP, 0}}, 0, {0, 0}},
        {"the thumb is scaled", 1, 100000, 1000, 0, {{SB_THUMBTRACK, 2048}, {SB_THUMBPOSITION, 4096}}, 99000,
         {50000, 99000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        bar.SetLineStep(c.lineStep);
        bar.SetRange(c.content, c.view, c.start);
        EXPECT_EQ(Notified(), Positions{});
        for (const auto& [code, thumb] : c.requests)
            Scroll(code, thumb);
        EXPECT_EQ(bar.Position(), c.position);
        EXPECT_NEAR(ControlInfo().nPos, c.position / bar.Scale(), 1.0);
        EXPECT_EQ(Notified(), c.notified);
    }
}

TEST_F(ScrollbarWindow, TheControlIsScaledAndDisabledWhenTheContentFits)
{
    bar.SetRange(100000, 1000, 0);
    EXPECT_DOUBLE_EQ(bar.Scale(), 24.4140625);
    const SCROLLINFO info = ControlInfo();
    EXPECT_EQ((std::array{info.nMin, info.nMax, int(info.nPage)}), (std::array{0, 4096, 41}));
    bar.SetRange(58, 58, 0);
    EXPECT_EQ(bar.MaxPosition(), 0u);
    EXPECT_FALSE(IsWindowEnabled(bar.Control()));
    Scroll(SB_PAGEDOWN);
    EXPECT_EQ(bar.Position(), 0u);
}

TEST_F(ScrollbarWindow, SetRangeNotifiesOnlyWhenItClamps)
{
    bar.SetRange(200, 50, 120);
    EXPECT_EQ(Notified(), Positions{});
    bar.SetRange(100, 50, 80);
    EXPECT_EQ(bar.Position(), 50u);
    EXPECT_EQ(Notified(), Positions{50});

    bar.SetPosition(20, false);
    EXPECT_EQ(Notified(), Positions{});
    bar.SetPosition(70, true);
    EXPECT_EQ(bar.Position(), 50u);
    EXPECT_EQ(Notified(), Positions{50});
}

TEST_F(ScrollbarWindow, KeysReachTheControlWhichScrollsThroughUs)
{
    bar.SetLineStep(5);
    bar.SetRange(200, 50, 0);
    // The hosted control turns the key into its own scroll messages.
    SendMessageW(bar.GetHwnd(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(bar.Position(), 5u);
    const Positions seen = Notified();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), 5u);
}
