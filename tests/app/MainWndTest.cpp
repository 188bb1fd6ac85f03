// The main window on the test platform, from creation to the empty process:
// start-up state, layout, mode switching, the wiring of the status display
// and the two-step close.
#include "context/AppContext.h"
#include "app/KyMainWnd.h"
#include "framework/KyWndRegistry.h"
#include "gdi/FontCache.h"
#include "gdi/PenCache.h"
#include "images/KyImagePool.h"
#include "platform/testing/TestPlatform.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct Census {
    unsigned windows;
    unsigned gdiObjects;
    std::size_t fonts;
    std::size_t pens;
    std::size_t pictures;
    bool operator==(const Census&) const = default;
};

Census Count()
{
    return {kytest::LiveWindowCount(), kytest::LiveGdiObjectCount(), FontCache::Instance().Size(),
            PenCache::Instance().Size(), KyImagePool::Instance().Size()};
}

std::wstring TextOf(HWND window)
{
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

// Sizes the window so that its client area is `width` x `height`, whatever
// frame the system gives it.
void SetClientSize(HWND window, int width, int height)
{
    RECT outer{}, inner{};
    GetWindowRect(window, &outer);
    GetClientRect(window, &inner);
    const int frameWidth = (outer.right - outer.left) - inner.right;
    const int frameHeight = (outer.bottom - outer.top) - inner.bottom;
    MoveWindow(window, outer.left, outer.top, width + frameWidth, height + frameHeight, TRUE);
}

// A coarse picture of a window, enough to tell whether its scene changed.
std::vector<COLORREF> Sample(HWND window)
{
    RECT r{};
    GetClientRect(window, &r);
    std::vector<COLORREF> pixels;
    for (int y = 3; y < r.bottom; y += 11)
        for (int x = 2; x < r.right; x += 7)
            pixels.push_back(kytest::ReadPixel(window, x, y));
    return pixels;
}

bool HasDarkPixel(HWND window, const RECT& area, int y)
{
    for (int x = area.left; x < area.right; ++x) {
        const COLORREF c = kytest::ReadPixel(window, x, y);
        if (GetRValue(c) < 128 && GetGValue(c) < 128 && GetBValue(c) < 128)
            return true;
    }
    return false;
}

void Click(HWND window)
{
    kytest::PressLeft(window, 10, 10);
    kytest::ReleaseLeft(window, 10, 10);
    kytest::PumpUntilIdle();
}

std::optional<MSG> PendingQuit()
{
    MSG message{};
    if (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        return message;
    return std::nullopt;
}

std::vector<std::wstring> ItemTexts(KyStatusShower& shower)
{
    std::vector<std::wstring> result;
    KyList& list = shower.List();
    for (std::size_t i = 0; i < list.ItemCount(); ++i) {
        std::vector<std::wstring> texts;
        list.ItemAt(i).GetTexts(texts);
        result.push_back(texts.empty() ? std::wstring() : texts[0]);
    }
    return result;
}

}  // namespace

// One walk through the whole life of the window: the context it fills is one
// per process, so the stages share one test.
TEST(KyMainWnd, LivesFromStartToAnEmptyProcess)
{
    kytest::PumpUntilIdle();
    const Census before = Count();

    std::vector<HWND> handles;
    {
        KyMainWnd main;
        ASSERT_TRUE(main.CreateMain());
        HWND window = main.GetHwnd();
        HWND convex = main.ConvexView().GetHwnd();
        HWND concave = main.ConcaveView().GetHwnd();
        HWND button = main.ModeButton();
        HWND status = main.StatusShower().List().GetHwnd();
        ASSERT_TRUE(convex && concave && button && status);
        handles = {window, convex, concave, status};

        // Created: the context is filled, the mode is not applied yet.
        const AppContext& context = AppContext::Instance();
        EXPECT_EQ(context.statusDisplay, &main.StatusShower());
        EXPECT_EQ(TextOf(window), context.title);
        EXPECT_FALSE(IsWindowVisible(convex));
        EXPECT_FALSE(IsWindowVisible(concave));
        EXPECT_EQ(TextOf(button), L"");
        RECT outer{};
        GetWindowRect(window, &outer);
        EXPECT_EQ(outer.right - outer.left, 1000);
        EXPECT_EQ(outer.bottom - outer.top, 700);
        EXPECT_EQ(ItemTexts(main.StatusShower()),
                  (std::vector<std::wstring>{L"提示：鼠标直接拖动蜡烛，或按键盘左、右方向键，可移动蜡烛位置",
                                             L"提示：滑动鼠标滚轮，或按键盘上、下方向键，可调整显示比例"}));
        EXPECT_NE(main.StatusShower().List().ItemFont(), FontCache::kNoFont);

        // Shown: the posted mode makes the convex view the visible, focused one.
        ShowWindow(window, SW_SHOWNORMAL);
        SetClientSize(window, 1000, 700);
        kytest::PumpUntilIdle();
        EXPECT_TRUE(IsWindowVisible(convex));
        EXPECT_FALSE(IsWindowVisible(concave));
        EXPECT_EQ(GetFocus(), convex);
        EXPECT_EQ(TextOf(button), L"切换为“凹透镜”演示");
        EXPECT_STREQ(main.HeaderTitle(), L"凸透镜 成像演示");

        const RECT header = main.HeaderRect();
        EXPECT_TRUE(HasDarkPixel(window, header, 30)) << "no header title drawn";

        // Dragging stops at 1000 x 700.
        MINMAXINFO limits{};
        SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        EXPECT_EQ(limits.ptMinTrackSize.x, 1000);
        EXPECT_EQ(limits.ptMinTrackSize.y, 700);

        // Move the candle, then switch there and back: the view is as it was left.
        const std::vector<COLORREF> fresh = Sample(convex);
        kytest::KeyDown(convex, VK_RIGHT);
        kytest::KeyUp(convex, VK_RIGHT);
        kytest::PumpUntilIdle();
        const std::vector<COLORREF> moved = Sample(convex);
        EXPECT_NE(moved, fresh);

        // A command from no control (a menu, an accelerator) is not the button.
        SendMessageW(window, WM_COMMAND, 0, 0);
        kytest::PumpUntilIdle();
        EXPECT_TRUE(main.ShowsConvex());

        Click(button);
        EXPECT_FALSE(IsWindowVisible(convex));
        EXPECT_TRUE(IsWindowVisible(concave));
        EXPECT_EQ(GetFocus(), concave);
        EXPECT_EQ(TextOf(button), L"切换为“凸透镜”演示");
        EXPECT_STREQ(main.HeaderTitle(), L"凹透镜 成像演示");
        EXPECT_TRUE(HasDarkPixel(window, header, 30));

        Click(button);
        EXPECT_EQ(GetFocus(), convex);
        EXPECT_EQ(TextOf(button), L"切换为“凹透镜”演示");
        EXPECT_EQ(Sample(convex), moved);

        // WM_CLOSE destroys nothing itself; the posted close does.
        const unsigned windowsOpen = kytest::LiveWindowCount();
        EXPECT_EQ(SendMessageW(window, WM_CLOSE, 0, 0), 0);
        EXPECT_TRUE(IsWindow(window));
        EXPECT_EQ(kytest::LiveWindowCount(), windowsOpen);
        EXPECT_NE(AppContext::Instance().module, nullptr);

        kytest::PumpUntilIdle();
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(main.GetHwnd(), nullptr);
        EXPECT_EQ(AppContext::Instance().module, nullptr);
        EXPECT_EQ(AppContext::Instance().statusDisplay, nullptr);
        const std::optional<MSG> quit = PendingQuit();
        ASSERT_TRUE(quit.has_value());
        EXPECT_EQ(quit->wParam, 0u);
        for (HWND handle : handles)
            EXPECT_EQ(KyWndRegistry::FindByHandle(handle), nullptr);
    }

    kytest::PumpUntilIdle();
    EXPECT_EQ(Count(), before);
}
