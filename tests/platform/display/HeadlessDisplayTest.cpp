// What USER tells the display about top-level windows and the clipboard,
// and what it makes of the display's requests (our own platform only).
#include <gtest/gtest.h>

#include "tests/support/TestWindow.h"
#include "platform/display/HeadlessBackend.h"
#include "platform/testing/TestPlatform.h"
#include "platform/user/Input.h"
#include "tests/support/Canvas.h"
#include "tests/support/ClipboardText.h"

namespace {

const platform::HeadlessBackend::NativeWindow* Native(HWND hwnd)
{
    return platform::HeadlessBackend::Instance().Native(hwnd);
}

// Fills (10, 10)-(50, 50) of the window red through a DC of its own.
bool PaintRedSquare(HWND hwnd)
{
    HDC dc = GetDC(hwnd);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    const RECT square{10, 10, 50, 50};
    const bool filled = FillRect(dc, &square, red) != FALSE;
    ReleaseDC(hwnd, dc);
    DeleteObject(red);
    return filled;
}

class HeadlessDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        testwin::SetHook([](HWND, UINT m, WPARAM, LPARAM l, LRESULT* r) {
            if (m != WM_GETMINMAXINFO) return false;
            reinterpret_cast<MINMAXINFO*>(l)->ptMinTrackSize = POINT{250, 150};
            return *r = 0, true;
        });
    }
    void TearDown() override { testwin::Reset(); }
};

TEST_F(HeadlessDisplay, NativeWindowFollowsTitleShowMoveAndMinimumSize)
{
    HWND hwnd = testwin::CreateTopLevel(10, 20, 300, 200, 0, WS_OVERLAPPEDWINDOW);
    ASSERT_NE(Native(hwnd), nullptr);
    EXPECT_FALSE(Native(hwnd)->visible);
    SetWindowTextW(hwnd, L"凸透镜");
    EXPECT_EQ(Native(hwnd)->title, L"凸透镜");
    ShowWindow(hwnd, SW_SHOWNORMAL);
    EXPECT_TRUE(Native(hwnd)->visible);
    EXPECT_EQ(Native(hwnd)->minimum.cx, 250);
    MoveWindow(hwnd, 30, 40, 320, 240, TRUE);
    EXPECT_EQ(Native(hwnd)->rect.left, 30);
    EXPECT_EQ(Native(hwnd)->rect.bottom, 280);
    ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    EXPECT_TRUE(Native(hwnd)->maximized);
    unsigned presents = Native(hwnd)->presents;
    InvalidateRect(hwnd, nullptr, FALSE);
    kytest::PumpUntilIdle();
    EXPECT_GT(Native(hwnd)->presents, presents) << "painted areas are presented when the queue runs dry";
    DestroyWindow(hwnd);
    EXPECT_EQ(Native(hwnd), nullptr);
}

// A hidden window shown maximised appears at its maximised size: mapping it
// at its normal size first would flash it and cost the window system a resize.
TEST_F(HeadlessDisplay, WindowShownMaximisedAppearsMaximised)
{
    HWND hwnd = testwin::CreateTopLevel(10, 20, 300, 200, 0, WS_OVERLAPPEDWINDOW);
    ShowWindow(hwnd, SW_SHOWMAXIMIZED);
    ASSERT_TRUE(Native(hwnd)->visible);
    const RECT shown = Native(hwnd)->shownAt, now = Native(hwnd)->rect;
    EXPECT_EQ(shown.right - shown.left, now.right - now.left);
    EXPECT_EQ(shown.bottom - shown.top, now.bottom - now.top);
    EXPECT_GT(now.right - now.left, 300);
    DestroyWindow(hwnd);
}

// Top-level windows draw on the display's own pixels, which a resize makes
// anew (the headless display frees the old ones, as SDL does): what was drawn
// stays where it fits, the rest is white, and a DC held across the resize no
// longer reaches the freed pixels, to read or to write.
TEST_F(HeadlessDisplay, ResizeMakesTheNativePixelsAnewKeepingWhatFits)
{
    HWND hwnd = testwin::CreateTopLevel(0, 0, 300, 200, 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    kytest::PumpUntilIdle();
    HDC held = GetDC(hwnd);
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    const RECT square{10, 10, 50, 50}, everything{0, 0, 400, 300};
    FillRect(held, &square, red);
    MoveWindow(hwnd, 0, 0, 400, 300, FALSE);
    EXPECT_EQ(kytest::ReadPixel(hwnd, 20, 20), RGB(255, 0, 0));
    EXPECT_EQ(kytest::ReadPixel(hwnd, 350, 250), RGB(255, 255, 255));
    Canvas copy(40, 40, RGB(0, 0, 255));
    BitBlt(copy.Dc(), 0, 0, 40, 40, held, 10, 10, SRCCOPY);
    EXPECT_TRUE(copy.Untouched());
    FillRect(held, &everything, red);
    EXPECT_EQ(kytest::ReadPixel(hwnd, 350, 250), RGB(255, 255, 255));
    ReleaseDC(hwnd, held);
    DeleteObject(red);
    DestroyWindow(hwnd);
}

// A window's pixels are made when it is first shown, at the size it is shown
// at; what is drawn before that goes nowhere, and showing paints it in full.
TEST_F(HeadlessDisplay, PixelsAreMadeWhenTheWindowIsShown)
{
    HWND hwnd = testwin::CreateTopLevel(0, 0, 300, 200, 0, WS_OVERLAPPEDWINDOW);
    EXPECT_TRUE(PaintRedSquare(hwnd));
    MoveWindow(hwnd, 0, 0, 400, 300, FALSE);
    EXPECT_TRUE(Native(hwnd)->pixels.empty());
    ShowWindow(hwnd, SW_SHOWNORMAL);
    kytest::PumpUntilIdle();
    EXPECT_EQ(Native(hwnd)->pixels.size(), 400u * 300u);
    EXPECT_EQ(kytest::ReadPixel(hwnd, 20, 20), RGB(255, 255, 255));
    DestroyWindow(hwnd);
}

// Pixels the display has thrown away are refused at the present: the window
// then draws on new ones, keeping its picture, and shows them.
TEST_F(HeadlessDisplay, PixelsThrownAwayAreMadeAnewAtThePresent)
{
    HWND hwnd = testwin::CreateTopLevel(0, 0, 300, 200, 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    kytest::PumpUntilIdle();
    PaintRedSquare(hwnd);
    platform::HeadlessBackend::Instance().ThrowPixelsAway(hwnd);
    const unsigned presents = Native(hwnd)->presents;
    kytest::PumpUntilIdle();
    EXPECT_FALSE(Native(hwnd)->pixelsThrownAway);
    EXPECT_EQ(Native(hwnd)->presents, presents + 2);
    EXPECT_EQ(kytest::ReadPixel(hwnd, 20, 20), RGB(255, 0, 0));
    DestroyWindow(hwnd);
}

// A window manager's resize becomes WM_SIZE, held to the minimum (pressed on
// the native window too when overruled); its close request closes.
TEST_F(HeadlessDisplay, WindowManagerResizeIsHeldToTheMinimumAndCloseCloses)
{
    HWND hwnd = testwin::CreateTopLevel(10, 20, 400, 300, 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    kytest::PumpUntilIdle();
    // The last rows squeeze the window while it is maximised.
    const struct { SIZE fromDisplay, expected; bool maximised; } cases[] = {
        {{249, 149}, {250, 150}, false}, {{250, 150}, {250, 150}, false}, {{251, 151}, {251, 151}, false},
        {{50, 500}, {250, 500}, false},  {{50, 500}, {250, 500}, true},   {{251, 151}, {251, 151}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fromDisplay.cx);
        if (c.maximised) ShowWindow(hwnd, SW_MAXIMIZE);
        testwin::ClearLog();
        platform::input::Resized(hwnd, c.fromDisplay.cx, c.fromDisplay.cy);
        RECT window{};
        GetWindowRect(hwnd, &window);
        EXPECT_EQ(window.right - window.left, c.expected.cx);
        EXPECT_EQ(window.bottom - window.top, c.expected.cy);
        for (auto& e : testwin::EntriesOf(WM_SIZE, hwnd)) EXPECT_EQ(e.lParam, MAKELPARAM(c.expected.cx, c.expected.cy));
        const LONG nativeWidth = Native(hwnd)->rect.right - Native(hwnd)->rect.left;
        EXPECT_TRUE(c.expected.cx == c.fromDisplay.cx || nativeWidth == c.expected.cx) << nativeWidth;
    }
    kytest::PumpUntilIdle();
    EXPECT_EQ(kytest::ReadPixel(hwnd, 250, 150), RGB(255, 255, 255));
    platform::input::CloseRequested(hwnd);
    kytest::PumpUntilIdle();
    EXPECT_FALSE(IsWindow(hwnd));
}

// A window far larger than the screen still paints, on a surface no larger
// than the screen (1920 x 1080 here): pixels up to its edge are kept.
TEST_F(HeadlessDisplay, AHugePopupPaintsOnAScreenSizedSurface)
{
    HWND hwnd = testwin::CreateTopLevel(0, 0, 32767, 32767);
    kytest::PumpUntilIdle();
    RECT window{};
    GetWindowRect(hwnd, &window);
    EXPECT_EQ(window.right, 32767) << "a pop-up is not held to the screen";
    HDC dc = GetDC(hwnd);
    RECT acrossTheEdge{1910, 1070, 1930, 1090};
    FillRect(dc, &acrossTheEdge, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(hwnd, dc);
    EXPECT_EQ(kytest::ReadPixel(hwnd, 1919, 1079), RGB(0, 0, 0));
    EXPECT_NE(kytest::ReadPixel(hwnd, 1920, 1079), RGB(0, 0, 0));
    EXPECT_NE(kytest::ReadPixel(hwnd, 1919, 1080), RGB(0, 0, 0));
}

TEST_F(HeadlessDisplay, GetMessageRefusesToWaitForeverOnAManualClock)
{
    MSG msg;
    EXPECT_DEATH(GetMessageW(&msg, nullptr, 0, 0), "nothing can arrive");
}

TEST(ClipboardDisplay, TextReachesTheDisplayAndEmptyingClearsIt)
{
    const std::wstring& shown = platform::HeadlessBackend::Instance().ClipboardText();
    // The second block is sized for two-byte characters, as code written for
    // Windows might do, and has no terminator: only what fits is taken.
    const wchar_t text[] = L"像距 v = 15.00 cm";
    const struct { HGLOBAL block; const wchar_t* expected; } cases[] = {
        {cliptext::Block(text, sizeof text), text}, {cliptext::Block(L"abcd", 3 * sizeof(wchar_t)), L"abc"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, c.block), c.block);
        EXPECT_EQ(shown, c.expected);
        EXPECT_TRUE(EmptyClipboard());
        EXPECT_EQ(shown, L"");
        EXPECT_TRUE(CloseClipboard());
    }
}

TEST(ClipboardDisplay, RefusesWhatItCannotOwn)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    int notABlock = 0;
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, &notABlock), nullptr);
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, nullptr), nullptr);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
    EXPECT_EQ(SetClipboardData(CF_TEXT, memory), nullptr);
    EXPECT_EQ(GlobalFree(memory), nullptr);  // still the caller's
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(OpenClipboard(reinterpret_cast<HWND>(0x7777)));
}

}  // namespace
