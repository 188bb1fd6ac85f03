// The double-buffered paint: what the back buffer holds before and after
// Paint, and where the background comes from.
#include "tests/support/RecordingWnd.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kParentColour = RGB(10, 120, 200);
constexpr COLORREF kStripeColour = RGB(250, 40, 30);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Paints the whole client area now.
void Repaint(HWND window)
{
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

class KyWndPaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The parent paints itself blue with a red stripe at x 60..69, so a
        // copied background shows where it was taken from.
        parent.paintSolid = true;
        parent.paintColour = kParentColour;
        ASSERT_TRUE(CreateShownTopLevel(parent, 300, 200));
        Repaint(parent.GetHwnd());
        HBRUSH stripe = CreateSolidBrush(kStripeColour);
        RECT band{60, 0, 70, 200};
        FillRect(parent.BackDc(), &band, stripe);
        DeleteObject(stripe);
    }

    void ShowChild(RecordingWnd& child, HDC background)
    {
        ASSERT_TRUE(child.CreateChild(parent.GetHwnd(), background));
        MoveWindow(child.GetHwnd(), 50, 40, 100, 80, FALSE);
        ShowWindow(child.GetHwnd(), SW_SHOW);
        Repaint(child.GetHwnd());
    }

    RecordingWnd parent;
};

}  // namespace

TEST_F(KyWndPaint, AChildWithABackgroundStartsFromTheParentsSurface)
{
    RecordingWnd child;
    ShowChild(child, parent.BackDc());
    ASSERT_FALSE(child.paintedAreas.empty());
    HDC buffer = child.BackDc();
    // Child x 10..19 lies over the parent's stripe at 60..69.
    EXPECT_EQ(GetPixel(buffer, 9, 5), kParentColour);
    EXPECT_EQ(GetPixel(buffer, 10, 5), kStripeColour);
    EXPECT_EQ(GetPixel(buffer, 19, 79), kStripeColour);
    EXPECT_EQ(GetPixel(buffer, 20, 5), kParentColour);
    EXPECT_EQ(GetPixel(buffer, 99, 79), kParentColour);
}

TEST_F(KyWndPaint, AChildWithoutABackgroundStartsFromWhite)
{
    RecordingWnd child;
    ShowChild(child, nullptr);
    ASSERT_FALSE(child.paintedAreas.empty());
    EXPECT_EQ(GetPixel(child.BackDc(), 10, 5), kWhite);
    EXPECT_EQ(GetPixel(child.BackDc(), 99, 79), kWhite);
}

TEST_F(KyWndPaint, PaintGetsTheUpdateAreaAndTheBufferReachesTheScreen)
{
    RecordingWnd child;
    child.paintSolid = true;
    child.paintColour = RGB(0, 200, 0);
    ShowChild(child, nullptr);
    child.paintedAreas.clear();

    RECT part{20, 10, 40, 30};
    InvalidateRect(child.GetHwnd(), &part, FALSE);
    UpdateWindow(child.GetHwnd());
    ASSERT_EQ(child.paintedAreas.size(), 1u);
    const RECT& painted = child.paintedAreas[0];
    EXPECT_EQ(painted.left, 20);
    EXPECT_EQ(painted.top, 10);
    EXPECT_EQ(painted.right, 40);
    EXPECT_EQ(painted.bottom, 30);
    EXPECT_TRUE(child.Seen(WM_PAINT).empty());

    HDC screen = GetDC(child.GetHwnd());
    EXPECT_EQ(GetPixel(screen, 25, 15), RGB(0, 200, 0));
    ReleaseDC(child.GetHwnd(), screen);
}

TEST_F(KyWndPaint, AWindowThatPaintsItselfGetsWmPaint)
{
    RecordingWnd child;
    child.paintsItself = true;
    child.doubleBuffered = false;
    ASSERT_TRUE(child.CreateChild(parent.GetHwnd(), nullptr));
    MoveWindow(child.GetHwnd(), 50, 40, 100, 80, FALSE);
    ShowWindow(child.GetHwnd(), SW_SHOW);
    InvalidateRect(child.GetHwnd(), nullptr, FALSE);
    // The handler passes WM_PAINT to DefWindowProcW, which validates.
    UpdateWindow(child.GetHwnd());
    EXPECT_FALSE(child.Seen(WM_PAINT).empty());
    EXPECT_TRUE(child.paintedAreas.empty());
}
