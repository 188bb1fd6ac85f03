// The double-buffered paint: what the back buffer holds before and after
// Paint, and where the background comes from.
#include "tests/support/RecordingWnd.h"

#include <gtest/gtest.h>

#include <array>

namespace {

constexpr COLORREF kParentColour = RGB(10, 120, 200);
constexpr COLORREF kStripeColour = RGB(250, 40, 30);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Blue with a red stripe at x 60..69, so a copied background shows where
// it was taken from.
class StripedWnd : public RecordingWnd {
public:
    void Paint(HDC dc, const RECT& area) override
    {
        RecordingWnd::Paint(dc, area);
        HBRUSH stripe = CreateSolidBrush(kStripeColour);
        const RECT band{60, 0, 70, 200};
        FillRect(dc, &band, stripe);
        DeleteObject(stripe);
    }
};

class KyWndPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent.paintSolid = true;
        parent.paintColour = kParentColour;
        ASSERT_TRUE(CreateShownTopLevel(parent, 300, 200));
        InvalidateRect(parent.GetHwnd(), nullptr, FALSE);
        UpdateWindow(parent.GetHwnd());
    }

    void ShowChild(RecordingWnd& child, HDC background)
    {
        ASSERT_TRUE(child.CreateChild(parent.GetHwnd(), background));
        MoveWindow(child.GetHwnd(), 50, 40, 100, 80, FALSE);
        ShowWindow(child.GetHwnd(), SW_SHOW);
        InvalidateRect(child.GetHwnd(), nullptr, FALSE);
        UpdateWindow(child.GetHwnd());
    }

    StripedWnd parent;
};

}  // namespace

TEST_F(KyWndPaint, AChildStartsFromTheParentsSurfaceOrFromWhite)
{
    for (bool withBackground : {true, false}) {
        RecordingWnd child;
        ShowChild(child, withBackground ? parent.BackDc() : nullptr);
        ASSERT_FALSE(child.paintedAreas.empty());
        const COLORREF plain = withBackground ? kParentColour : kWhite;
        const COLORREF stripe = withBackground ? kStripeColour : kWhite;
        // Child x 10..19 lies over the parent's stripe at 60..69.
        const struct { int x, y; COLORREF colour; } pixels[] = {
            {9, 5, plain}, {10, 5, stripe}, {19, 79, stripe}, {20, 5, plain}, {99, 79, plain}};
        HDC screen = GetDC(child.GetHwnd());
        for (const auto& p : pixels)
            EXPECT_EQ(GetPixel(screen, p.x, p.y), p.colour) << withBackground << " " << p.x << "," << p.y;
        ReleaseDC(child.GetHwnd(), screen);
    }
}

// A buffered window paints the update area into its buffer, which reaches
// the screen; a window that paints itself gets WM_PAINT instead, which its
// handler passes to DefWindowProcW.
TEST_F(KyWndPaint, PaintGetsTheUpdateAreaUnlessTheWindowPaintsItself)
{
    for (bool itself : {false, true}) {
        RecordingWnd child;
        child.paintsItself = itself;
        child.doubleBuffered = !itself;
        child.paintSolid = true;
        child.paintColour = RGB(0, 200, 0);
        ShowChild(child, nullptr);
        child.paintedAreas.clear();
        RECT part{20, 10, 40, 30};
        InvalidateRect(child.GetHwnd(), &part, FALSE);
        UpdateWindow(child.GetHwnd());
        EXPECT_EQ(child.Seen(WM_PAINT).empty(), !itself);
        ASSERT_EQ(child.paintedAreas.size(), itself ? 0u : 1u);
        if (itself)
            continue;
        const RECT& painted = child.paintedAreas[0];
        EXPECT_EQ((std::array{painted.left, painted.top, painted.right, painted.bottom}), (std::array<LONG, 4>{20, 10, 40, 30}));
        HDC screen = GetDC(child.GetHwnd());
        EXPECT_EQ(GetPixel(screen, 25, 15), RGB(0, 200, 0));
        ReleaseDC(child.GetHwnd(), screen);
    }
}

// The back buffer is made by the first paint that needs it, so a window never
// shown has none; and where the system shows every paint whole, a window
// whose buffer no child borrows paints straight into the window instead.
TEST_F(KyWndPaint, TheBackBufferIsMadeOnlyWhenAPaintNeedsIt)
{
    RecordingWnd child;
    child.paintSolid = true;
    child.paintColour = RGB(0, 200, 0);
    ASSERT_TRUE(child.CreateChild(parent.GetHwnd(), nullptr));
    MoveWindow(child.GetHwnd(), 50, 40, 100, 80, FALSE);
    EXPECT_EQ(GetPixel(child.BackDc(), 50, 40), CLR_INVALID);
    ShowWindow(child.GetHwnd(), SW_SHOW);
    UpdateWindow(child.GetHwnd());
    HDC screen = GetDC(child.GetHwnd());
    EXPECT_EQ(GetPixel(screen, 99, 79), RGB(0, 200, 0));
    ReleaseDC(child.GetHwnd(), screen);
    EXPECT_EQ(GetPixel(child.BackDc(), 99, 79) == CLR_INVALID, SystemComposesPaint());
}
