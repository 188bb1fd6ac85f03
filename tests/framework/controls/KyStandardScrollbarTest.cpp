// The scrollbar window driven through the scroll messages its hosted control
// sends: clamping, line and page steps, thumb scaling and notifications.
#include "platform/testing/TestPlatform.h"
#include "tests/support/RecordingWnd.h"
#include "framework/controls/KyStandardScrollbar.h"

#include <gtest/gtest.h>

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

TEST(ScrollbarArithmetic, LargestPositionAndUnitScale)
{
    EXPECT_EQ(KyStandardScrollbar::MaxPositionOf(60, 58), 2u);
    EXPECT_EQ(KyStandardScrollbar::MaxPositionOf(58, 58), 0u);
    EXPECT_EQ(KyStandardScrollbar::MaxPositionOf(100, 0), 0u);
    EXPECT_EQ(KyStandardScrollbar::MaxPositionOf(50, 80), 0u);

    // Without a control the state still holds and clamps.
    KyStandardScrollbar detached(false);
    detached.SetRange(300, 100, 500);
    EXPECT_EQ(detached.Position(), 200u);
    EXPECT_EQ(detached.ToControl(123), 123);
    EXPECT_EQ(detached.FromControl(123), 123u);
}

TEST_F(ScrollbarWindow, ALineStepStopsAtTheLargestPosition)
{
    bar.SetLineStep(5);
    bar.SetRange(60, 58, 0);
    EXPECT_EQ(Notified(), Positions{});
    EXPECT_TRUE(IsWindowEnabled(bar.Control()));

    Scroll(SB_LINEDOWN);
    EXPECT_EQ(bar.Position(), 2u);
    EXPECT_EQ(ControlInfo().nPos, 2);
    Scroll(SB_ENDSCROLL);
    EXPECT_EQ(Notified(), (Positions{2, 2}));
    EXPECT_EQ(bar.LastNotified(), 2);
}

TEST_F(ScrollbarWindow, ContentThatFitsDisablesTheControl)
{
    bar.SetRange(58, 58, 0);
    EXPECT_EQ(bar.MaxPosition(), 0u);
    EXPECT_FALSE(IsWindowEnabled(bar.Control()));
    Scroll(SB_PAGEDOWN);
    EXPECT_EQ(bar.Position(), 0u);
}

TEST_F(ScrollbarWindow, LongContentIsScaledForTheControl)
{
    bar.SetRange(100000, 1000, 0);
    EXPECT_DOUBLE_EQ(bar.Scale(), 24.4140625);
    const SCROLLINFO info = ControlInfo();
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 4096);
    EXPECT_EQ(info.nPage, 41u);

    Scroll(SB_THUMBTRACK, 2048);
    EXPECT_EQ(bar.Position(), 50000u);
    EXPECT_EQ(ControlInfo().nPos, 2048);
    Scroll(SB_THUMBPOSITION, 4096);
    EXPECT_EQ(bar.Position(), 99000u);
    EXPECT_EQ(Notified(), (Positions{50000, 99000}));
}

TEST_F(ScrollbarWindow, TopAndBottomMoveByOneLine)
{
    bar.SetLineStep(5);
    bar.SetRange(200, 50, 100);
    Scroll(SB_TOP);
    EXPECT_EQ(bar.Position(), 95u);
    Scroll(SB_BOTTOM);
    Scroll(SB_BOTTOM);
    EXPECT_EQ(bar.Position(), 105u);
    Scroll(SB_PAGEUP);
    EXPECT_EQ(bar.Position(), 55u);
    Scroll(SB_PAGEUP);
    EXPECT_EQ(bar.Position(), 5u);
    Scroll(SB_PAGEUP);
    EXPECT_EQ(bar.Position(), 0u);
    EXPECT_EQ(Notified(), (Positions{95, 100, 105, 55, 5, 0}));
}

TEST_F(ScrollbarWindow, UpAtTheTopStillNotifies)
{
    bar.SetRange(200, 50, 0);
    Scroll(SB_LINEUP);
    Scroll(SB_TOP);
    EXPECT_EQ(bar.Position(), 0u);
    EXPECT_EQ(Notified(), (Positions{0, 0}));
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
