// A real window on the SDL display: what reaches the screen and what comes
// back from the X server as input. Needs an X server (test.sh starts Xvfb);
// without DISPLAY every case is skipped.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

#include "platform/display/SdlDisplay.h"
#include "platform/win32.h"
#include "tests/support/TestWindow.h"
#include "XScreen.h"

namespace {

constexpr int kLeft = 100, kTop = 120, kWidth = 240, kHeight = 160;
const RECT kRed = {20, 30, 120, 90};

// Pumps the real message loop until `done` or two seconds pass.
bool PumpUntil(platform::SdlDisplay& display, const std::function<bool()>& done)
{
    auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    MSG msg;
    while (std::chrono::steady_clock::now() < until) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        if (done()) return true;
        display.WaitEvents(20);
    }
    return done();
}

bool Xdotool(const std::string& arguments)
{
    return std::system(("timeout 5 xdotool " + arguments + " >/dev/null 2>&1").c_str()) == 0;
}

class SdlWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no DISPLAY: real windows need an X server (test.sh starts Xvfb)";
        std::string reason;
        ASSERT_TRUE(display_.Open(&reason)) << reason;
        ASSERT_TRUE(x_.IsOpen());
        platform::SetDisplayBackend(&display_);
        testwin::SetHook([](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT* result) {
            if (message != WM_PAINT) return false;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT all{0, 0, kWidth, kHeight};
            FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
            FillRect(dc, &kRed, red);
            DeleteObject(red);
            EndPaint(hwnd, &ps);
            *result = 0;
            return true;
        });
        window_ = testwin::CreateTopLevel(kLeft, kTop, kWidth, kHeight);
        ASSERT_NE(window_, nullptr);
        SetFocus(window_);
    }

    void TearDown() override
    {
        testwin::Reset();
        platform::SetDisplayBackend(nullptr);
    }

    bool Received(UINT message, WPARAM wParam)
    {
        for (const testwin::Entry& e : testwin::EntriesOf(message, window_))
            if (e.wParam == wParam) return true;
        return false;
    }

    platform::SdlDisplay display_{nullptr};
    testx::XScreen x_;
    HWND window_ = nullptr;
};

TEST_F(SdlWindowTest, PaintedPixelsReachTheScreenAtTheWindowsPlace)
{
    EXPECT_TRUE(PumpUntil(display_, [&] { return x_.Pixel(kLeft + 60, kTop + 50) == 0xFF0000; }));
    EXPECT_EQ(x_.Pixel(kLeft + kRed.left, kTop + kRed.top), 0xFF0000u);
    EXPECT_EQ(x_.Pixel(kLeft + kRed.right, kTop + kRed.top), 0xFFFFFFu);
    EXPECT_EQ(x_.Pixel(kLeft + kRed.left - 1, kTop + kRed.top), 0xFFFFFFu);
    EXPECT_EQ(x_.Pixel(kLeft + kRed.left, kTop + kRed.bottom), 0xFFFFFFu);
}

TEST_F(SdlWindowTest, ClicksKeysTextAndAltF4BecomeMessages)
{
    ASSERT_TRUE(PumpUntil(display_, [&] { return x_.Pixel(kLeft + 60, kTop + 50) == 0xFF0000; }));
    ASSERT_TRUE(Xdotool("mousemove " + std::to_string(kLeft + 30) + " " + std::to_string(kTop + 40) + " click 1"));
    EXPECT_TRUE(PumpUntil(display_, [&] { return testwin::CountOf(WM_LBUTTONUP, window_) > 0; }));
    std::vector<testwin::Entry> downs = testwin::EntriesOf(WM_LBUTTONDOWN, window_);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].lParam, MAKELPARAM(30, 40));

    ASSERT_TRUE(Xdotool("key Right Home Next BackSpace"));
    EXPECT_TRUE(PumpUntil(display_, [&] { return Received(WM_KEYUP, VK_BACK); }));
    EXPECT_EQ(testwin::Messages({WM_KEYDOWN}, window_).size(), 4u);
    for (WPARAM key : {VK_RIGHT, VK_HOME, VK_NEXT}) EXPECT_TRUE(Received(WM_KEYDOWN, key)) << key;
    EXPECT_TRUE(Received(WM_CHAR, 8));  // Backspace's character comes from TranslateMessage

    ASSERT_TRUE(Xdotool("type 7a"));
    EXPECT_TRUE(PumpUntil(display_, [&] { return Received(WM_CHAR, 'a'); }));
    EXPECT_TRUE(Received(WM_CHAR, '7') && Received(WM_KEYDOWN, '7') && Received(WM_KEYDOWN, 'A'));

    ASSERT_TRUE(Xdotool("mousemove " + std::to_string(kLeft + 10) + " " + std::to_string(kTop + 10) + " key alt+F4"));
    EXPECT_TRUE(PumpUntil(display_, [&] { return testwin::CountOf(WM_CLOSE, window_) > 0; }));
    EXPECT_TRUE(Received(WM_SYSKEYDOWN, VK_F4));
}

}  // namespace
