// Update regions, the paint order and where a window DC draws.
#include <gtest/gtest.h>

#include <map>

#include "tests/support/RectMatchers.h"
#include "tests/support/TestWindow.h"
#include "platform/testing/TestPlatform.h"

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kWhite = RGB(255, 255, 255), kBlack = 0;

struct Pixel { HWND* window; int x, y; COLORREF colour; };

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
            if (dc && colours.count(hwnd)) {
                HBRUSH brush = CreateSolidBrush(colours[hwnd]);
                RECT client;
                GetClientRect(hwnd, &client);
                FillRect(dc, &client, brush);  // more than asked: the DC must clip
                DeleteObject(brush);
            }
            EndPaint(hwnd, &ps);
            *r = 0;
            return true;
        });
        top = testwin::CreateTopLevel(100, 100, 200, 150);
        child = testwin::CreateChild(top, 20, 30, 40, 50);
    }
    void TearDown() override { testwin::Reset(); }

    void Settle()
    {
        kytest::PumpUntilIdle();
        painted.clear();
        paintRects.clear();
    }
    void ExpectPixels(std::initializer_list<Pixel> pixels)
    {
        for (const Pixel& p : pixels) EXPECT_EQ(kytest::ReadPixel(*p.window, p.x, p.y), p.colour) << p.x << "," << p.y;
    }

    HWND top = nullptr, child = nullptr;
    std::vector<HWND> painted;
    std::vector<RECT> paintRects;
    std::map<HWND, COLORREF> colours;
};

TEST_F(Painting, InvalidationsAccumulateIntoOnePaintAndUpdateWindowPaintsAtOnce)
{
    DestroyWindow(child);
    Settle();
    RECT a{10, 10, 20, 20}, b{30, 35, 40, 45};
    InvalidateRect(top, &a, FALSE);
    InvalidateRect(top, &b, FALSE);
    EXPECT_TRUE(UpdateWindow(top));
    ASSERT_EQ(painted.size(), 1u);
    EXPECT_EQ(paintRects[0], (RECT{10, 10, 40, 45}));
    kytest::PumpUntilIdle();
    EXPECT_EQ(painted.size(), 1u);

    Settle();
    InvalidateRect(top, nullptr, TRUE);
    ValidateRect(top, nullptr);
    kytest::PumpUntilIdle();
    EXPECT_TRUE(painted.empty());
}

TEST_F(Painting, ParentPaintsFirstAndChildrenPaintOverIt)
{
    colours[top] = kRed;
    colours[child] = kBlue;
    Settle();
    InvalidateRect(top, nullptr, TRUE);
    kytest::PumpUntilIdle();
    EXPECT_EQ(painted, (std::vector<HWND>{top, child}));
    ExpectPixels({{&top, 5, 5, kRed}, {&top, 25, 35, kBlue}, {&child, 0, 0, kBlue}, {&child, 39, 49, kBlue},
                  {&top, 60, 80, kRed}});

    ShowWindow(child, SW_HIDE);  // hidden windows are not painted, until shown
    Settle();
    InvalidateRect(child, nullptr, TRUE);
    kytest::PumpUntilIdle();
    EXPECT_TRUE(painted.empty());
    ShowWindow(child, SW_SHOWNORMAL);
    kytest::PumpUntilIdle();
    EXPECT_EQ(painted, (std::vector<HWND>{child}));
}

TEST_F(Painting, WindowDcDrawsAtTheChildsPlace)
{
    colours[top] = kWhite;
    InvalidateRect(top, nullptr, TRUE);
    Settle();
    HDC dc = GetDC(child);
    ASSERT_NE(dc, nullptr);
    RECT all{-100, -100, 500, 500};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(ReleaseDC(child, dc), 1);
    ExpectPixels({{&top, 20, 30, kBlack}, {&top, 59, 79, kBlack}, {&top, 19, 30, kWhite}, {&top, 60, 79, kWhite}});
}

}  // namespace
