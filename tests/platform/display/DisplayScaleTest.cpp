// Rendering at a display scale: the program draws in logical pixels, the
// surfaces hold `scale` device pixels per logical one.
#include "platform/display/DisplayScale.h"
#include "platform/gdi/SurfaceDc.h"
#include "platform/testing/TestPlatform.h"
#include "platform/win32.h"
#include "tests/support/TestWindow.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(255, 0, 0), kBlack = RGB(0, 0, 0);

TEST(DisplayScale, AcceptsOnlyTheAllowedSteps) {
    const struct { const char* text; double expected; } cases[] = {  // 0: refused
        {"1", 1},  {"1.25", 1.25}, {"1.75", 1.75}, {"2.0", 2}, {"3", 3},  {"0", 0},   {"1.3", 0},
        {"3.5", 0}, {"-1", 0},     {"", 0},        {" 2", 0},  {"2x", 0}, {"nan", 0}, {"inf", 0}};
    for (const auto& c : cases) {
        double scale = 0;
        EXPECT_EQ(platform::ParseDisplayScale(c.text, &scale), c.expected != 0) << c.text;
        EXPECT_EQ(scale, c.expected) << c.text;
    }
    EXPECT_FALSE(platform::ParseDisplayScale(nullptr, nullptr));
}

TEST(DisplayScale, DesktopValuesRoundToTheNearestStep) {
    const struct { double wanted, expected; } cases[] = {
        {1.12, 1}, {1.13, 1.25}, {1.4, 1.5}, {2.2, 2}, {2.3, 2.5}, {2.74, 2.5}, {2.76, 3},
        {144 / 96.0, 1.5}, {12, 3}, {0.5, 1}, {0, 1}, {-2, 1}, {NAN, 1}, {INFINITY, 1}};
    for (const auto& c : cases) EXPECT_EQ(platform::NearestDisplayScale(c.wanted), c.expected) << c.wanted;

    const struct { const char* gdkScale; double expected; } desktops[] = {{"2", 2}, {"1.6", 1.5}, {"0", 1}, {"none", 1}};
    unsetenv("DISPLAY");  // the X resource comes only after GDK_SCALE, and needs a server
    for (const auto& d : desktops) {
        setenv("GDK_SCALE", d.gdkScale, 1);
        EXPECT_EQ(platform::DesktopScale(), d.expected) << d.gdkScale;
    }
    unsetenv("GDK_SCALE");

    const struct { const char* resources; double dpi; } xft[] = {
        {"Xft.dpi:\t144\nXft.hinting:\t1\n", 144}, {"*dpi: 120\n", 120}, {"Xft.antialias: 1\n", 0},
        {"Xft.dpi: many\n", 0}, {"", 0}, {nullptr, 0}};
    for (const auto& x : xft) EXPECT_EQ(platform::XftDpiIn(x.resources), x.dpi) << (x.resources ? x.resources : "null");
}

// Logical pixels tile the device ones, and a device position (the pointer)
// maps back to the logical pixel that covers it, on both sides of each edge.
TEST(DisplayScale, DevicePixelsMapBackToTheirLogicalPixel) {
    for (double scale : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
        for (int logical = -20; logical < 40; ++logical) {
            const int first = platform::ToDevice(logical, scale);
            const int next = platform::ToDevice(logical + 1, scale);
            EXPECT_GE(next - first, 1) << scale << " " << logical;
            EXPECT_EQ(platform::ToLogical(first, scale), logical) << scale;
            EXPECT_EQ(platform::ToLogical(next - 1, scale), logical) << scale;
        }
    }
}

// A DC over a surface of the given scale; pixels are read in device units.
class ScaledDc : public ::testing::TestWithParam<double> {
protected:
    void SetUp() override {
        surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, D(60), D(40));
        scaledDc = platform::CreateSurfaceDc(surface, POINT{0, 0}, RECT{0, 0, 60, 40}, scale());
        ASSERT_NE(scaledDc, nullptr);
        Clear();
    }
    void Clear() {
        RECT all{0, 0, 60, 40};
        FillRect(scaledDc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    void TearDown() override {
        platform::DestroySurfaceDc(scaledDc);
        cairo_surface_destroy(surface);
    }
    double scale() const { return GetParam(); }
    int D(int logical) const { return platform::ToDevice(logical, scale()); }
    COLORREF Device(int x, int y) const {
        cairo_surface_flush(surface);
        const auto* row = cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
        uint32_t pixel = reinterpret_cast<const uint32_t*>(row)[x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }

    cairo_surface_t* surface = nullptr;
    HDC scaledDc = nullptr;
};

// Device pixels on both sides of each edge; a line's band is `scale`
// pixels deep.
TEST_P(ScaledDc, DrawsAtDeviceResolution) {
    void (*fill)(HDC) = [](HDC dc) {
        RECT r{1, 1, 5, 4};
        HBRUSH red = CreateSolidBrush(kRed);
        FillRect(dc, &r, red);
        DeleteObject(red);
    };
    void (*line)(HDC) = [](HDC dc) {
        MoveToEx(dc, 2, 10, nullptr);
        LineTo(dc, 12, 10);
    };
    void (*dash)(HDC) = [](HDC dc) {
        HPEN pen = CreatePen(PS_DASH, 1, kBlack);
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, 0, 20, nullptr);
        LineTo(dc, 50, 20);
        DeleteObject(SelectObject(dc, old));
    };
    // At device (D(x) + dx, D(y) + dy + bands * band).
    const struct { const char* what; void (*draw)(HDC); int x, dx, y, dy, bands; COLORREF expected; } probes[] = {
        {"fill, inside corner", fill, 1, 0, 1, 0, 0, kRed},    {"fill, far corner", fill, 5, -1, 4, -1, 0, kRed},
        {"fill, left of it", fill, 1, -1, 2, 0, 0, kWhite},    {"fill, below it", fill, 2, 0, 4, 0, 0, kWhite},
        {"line, last band", line, 2, 0, 10, -1, 1, kBlack},    {"line, below the band", line, 2, 0, 10, 0, 1, kWhite},
        {"line, before its end", line, 12, -1, 10, 0, 0, kBlack}, {"line, end left out", line, 12, 0, 10, 0, 0, kWhite},
        {"dash, its last pixel", dash, 18, -1, 20, 0, 0, kBlack}, {"dash, the gap after", dash, 18, 1, 20, 0, 0, kWhite},
    };
    const int band = static_cast<int>(std::lround(scale()));
    for (const auto& p : probes) {
        Clear();
        p.draw(scaledDc);
        EXPECT_EQ(Device(D(p.x) + p.dx, D(p.y) + p.dy + p.bands * band), p.expected) << p.what;
    }
}

TEST_P(ScaledDc, CopiesWorkInLogicalPixels) {
    HBRUSH red = CreateSolidBrush(kRed);
    // A compatible bitmap holds device pixels: a one-pixel line keeps its
    // band through the copy, and lands where the logical target says.
    HDC memory = CreateCompatibleDC(scaledDc);
    HBITMAP bitmap = CreateCompatibleBitmap(scaledDc, 10, 10);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, 10, 10};
    FillRect(memory, &all, red);
    MoveToEx(memory, 0, 4, nullptr);
    LineTo(memory, 10, 4);
    ASSERT_TRUE(BitBlt(scaledDc, 20, 5, 10, 10, memory, 0, 0, SRCCOPY));
    const int band = static_cast<int>(std::lround(scale()));
    const int top = D(20) - D(0);
    EXPECT_EQ(Device(top, D(5) + D(4) - 1), kRed);
    EXPECT_EQ(Device(top, D(5) + D(4)), kBlack);
    EXPECT_EQ(Device(top, D(5) + D(4) + band - 1), kBlack);
    EXPECT_EQ(Device(top, D(5) + D(4) + band), kRed);
    EXPECT_EQ(Device(D(30) - 1, D(15) - 1), kRed);
    EXPECT_EQ(Device(D(30), D(15)), kWhite);
    DeleteObject(SelectObject(memory, old));
    DeleteDC(memory);
    DeleteObject(red);
}

// Text measures the same as at scale 1, while its glyphs are drawn at the
// full resolution: not every logical pixel is one flat block of device ones.
TEST_P(ScaledDc, TextKeepsItsExtentAndIsDrawnSharply) {
    HDC plain = CreateCompatibleDC(nullptr);
    SIZE logical{}, scaled{};
    ASSERT_TRUE(GetTextExtentPoint32W(plain, L"Hag", 3, &logical));
    ASSERT_TRUE(GetTextExtentPoint32W(scaledDc, L"Hag", 3, &scaled));
    DeleteDC(plain);
    EXPECT_EQ(scaled.cx, logical.cx);
    EXPECT_EQ(scaled.cy, logical.cy);

    TextOutW(scaledDc, 2, 2, L"Hag", 3);
    int mixed = 0, inked = 0, inkRight = 0;
    for (int y = 2; y < 2 + scaled.cy; ++y) {
        for (int x = 2; x < 2 + scaled.cx; ++x) {
            const COLORREF first = Device(D(x), D(y));
            if (first != kWhite) ++inked, inkRight = D(x + 1);
            mixed += Device(D(x + 1) - 1, D(y + 1) - 1) != first;  // the block's opposite corner
        }
    }
    EXPECT_GT(inked, 10);
    EXPECT_GT(mixed, 10);
    EXPECT_GT(inkRight, D(2 + scaled.cx * 3 / 4));
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledDc, ::testing::Values(2.0, 1.5));

// A top-level window's surface holds device pixels; USER reads and paints
// it in logical ones.
TEST(DisplayScaleWindow, PaintsTheWindowAtTheDisplayScale) {
    platform::SetDisplayScale(2);
    testwin::SetHook([](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT* result) {
        if (message != WM_PAINT) return false;
        PAINTSTRUCT ps;
        RECT r{10, 10, 60, 40};
        FillRect(BeginPaint(hwnd, &ps), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(hwnd, &ps);
        return *result = 0, true;
    });
    HWND window = testwin::CreateTopLevel(100, 100, 60, 40);
    kytest::PumpUntilIdle();
    EXPECT_EQ(kytest::ReadPixel(window, 10, 10), kBlack);
    EXPECT_EQ(kytest::ReadPixel(window, 59, 39), kBlack);
    EXPECT_EQ(kytest::ReadPixel(window, 9, 10), kWhite);
    EXPECT_EQ(kytest::ReadPixel(window, 10, 9), kWhite);
    testwin::Reset();
    platform::SetDisplayScale(1);
}

}  // namespace
