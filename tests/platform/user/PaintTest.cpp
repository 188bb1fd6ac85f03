// Update regions, the paint order and what a paint DC may touch.
#include <gtest/gtest.h>

#include <map>

#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

namespace {

class Painting : public ::testing::Test {
protected:
    void SetUp() override
    {
        testwin::SetHook([this](HWND hwnd, UINT m, WPARAM, LPARAM, LRESULT* r) {
            if (m != WM_PAINT) return false;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            painted.push_back(hwnd);
            paintRects.push_back(ps.rcPaint);
            erase.push_back(ps.fErase != FALSE);
            auto colour = colours.find(hwnd);
            if (dc && colour != colours.end()) {
                HBRUSH brush = CreateSolidBrush(colour->second);
                RECT client;
                GetClientRect(hwnd, &client);
                FillRect(dc, &client, brush);  // more than asked: the DC must clip
                DeleteObject(brush);
            }
            EndPaint(hwnd, &ps);
            *r = 0;
            return true;
        });
    }
    void TearDown() override { testwin::Reset(); }

    void Settle()
    {
        kytest::PumpUntilIdle();
        painted.clear();
        paintRects.clear();
        erase.clear();
    }

    std::vector<HWND> painted;
    std::vector<RECT> paintRects;
    std::vector<bool> erase;
    std::map<HWND, COLORREF> colours;
};

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST_F(Painting, InvalidationsAccumulateIntoOnePaint)
{
    HWND hwnd = testwin::CreateTopLevel();
    Settle();
    RECT a{10, 10, 20, 20}, b{30, 35, 40, 45};
    InvalidateRect(hwnd, &a, FALSE);
    InvalidateRect(hwnd, &b, FALSE);
    kytest::PumpUntilIdle();
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_TRUE(Same(paintRects[0], RECT{10, 10, 40, 45}));
    EXPECT_FALSE(erase[0]);

    Settle();
    InvalidateRect(hwnd, nullptr, TRUE);
    ValidateRect(hwnd, nullptr);
    kytest::PumpUntilIdle();
    EXPECT_TRUE(painted.empty());
}

TEST_F(Painting, ErasingWithoutABackgroundBrushIsLeftToTheWindow)
{
    HWND hwnd = testwin::CreateTopLevel();
    Settle();
    InvalidateRect(hwnd, nullptr, TRUE);
    kytest::PumpUntilIdle();
    ASSERT_EQ(erase.size(), 1u);
    EXPECT_TRUE(erase[0]);
}

TEST_F(Painting, UpdateWindowPaintsAtOnce)
{
    HWND hwnd = testwin::CreateTopLevel();
    Settle();
    InvalidateRect(hwnd, nullptr, FALSE);
    EXPECT_TRUE(UpdateWindow(hwnd));
    EXPECT_EQ(painted.size(), 1u);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(hwnd, &update, FALSE));
    kytest::PumpUntilIdle();
    EXPECT_EQ(painted.size(), 1u);
}

TEST_F(Painting, HiddenWindowsAreNotPainted)
{
    HWND top = testwin::CreateTopLevel();
    HWND child = testwin::CreateChild(top, 10, 10, 50, 50, 0, WS_CHILD);
    Settle();
    InvalidateRect(child, nullptr, TRUE);
    kytest::PumpUntilIdle();
    EXPECT_TRUE(painted.empty());
    ShowWindow(child, SW_SHOWNORMAL);
    kytest::PumpUntilIdle();
    EXPECT_EQ(painted, (std::vector<HWND>{child}));
}

TEST_F(Painting, ParentPaintsFirstAndChildrenPaintOverIt)
{
    HWND top = testwin::CreateTopLevel(100, 100, 200, 150);
    HWND child = testwin::CreateChild(top, 20, 30, 40, 50);
    colours[top] = RGB(255, 0, 0);
    colours[child] = RGB(0, 0, 255);
    Settle();
    InvalidateRect(top, nullptr, TRUE);
    kytest::PumpUntilIdle();
    EXPECT_EQ(painted, (std::vector<HWND>{top, child}));
    EXPECT_EQ(kytest::ReadPixel(top, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(kytest::ReadPixel(top, 25, 35), RGB(0, 0, 255));
    EXPECT_EQ(kytest::ReadPixel(child, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(kytest::ReadPixel(child, 39, 49), RGB(0, 0, 255));
    EXPECT_EQ(kytest::ReadPixel(top, 60, 80), RGB(255, 0, 0));
}

TEST_F(Painting, PaintDcIsClippedToTheUpdateRectangle)
{
    HWND hwnd = testwin::CreateTopLevel(100, 100, 200, 150);
    colours[hwnd] = RGB(255, 255, 255);
    InvalidateRect(hwnd, nullptr, TRUE);
    Settle();
    colours[hwnd] = RGB(0, 128, 0);
    RECT small{50, 60, 70, 80};
    InvalidateRect(hwnd, &small, FALSE);
    kytest::PumpUntilIdle();
    EXPECT_EQ(kytest::ReadPixel(hwnd, 50, 60), RGB(0, 128, 0));
    EXPECT_EQ(kytest::ReadPixel(hwnd, 69, 79), RGB(0, 128, 0));
    EXPECT_EQ(kytest::ReadPixel(hwnd, 70, 79), RGB(255, 255, 255));
    EXPECT_EQ(kytest::ReadPixel(hwnd, 49, 60), RGB(255, 255, 255));
    EXPECT_EQ(kytest::ReadPixel(hwnd, 10, 10), RGB(255, 255, 255));
}

TEST_F(Painting, WindowDcDrawsAtTheChildsPlace)
{
    HWND top = testwin::CreateTopLevel(100, 100, 200, 150);
    HWND child = testwin::CreateChild(top, 20, 30, 40, 50);
    colours[top] = RGB(255, 255, 255);
    InvalidateRect(top, nullptr, TRUE);
    Settle();
    HDC dc = GetDC(child);
    ASSERT_NE(dc, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 0));
    RECT all{-100, -100, 500, 500};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    EXPECT_EQ(ReleaseDC(child, dc), 1);
    EXPECT_EQ(kytest::ReadPixel(top, 20, 30), RGB(0, 0, 0));
    EXPECT_EQ(kytest::ReadPixel(top, 59, 79), RGB(0, 0, 0));
    EXPECT_EQ(kytest::ReadPixel(top, 19, 30), RGB(255, 255, 255));
    EXPECT_EQ(kytest::ReadPixel(top, 60, 79), RGB(255, 255, 255));
    EXPECT_EQ(GetDC(reinterpret_cast<HWND>(static_cast<uintptr_t>(0x7FFF0))), nullptr);
}

}  // namespace
