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

#include <tuple>
#include <utility>
#include <string>
#include <vector>

namespace {

// Windows, GDI objects, cached fonts and pens, pooled pictures.
auto Count()
{
    return std::tuple{kytest::LiveWindowCount(), kytest::LiveGdiObjectCount(), FontCache::Instance().Size(),
                      PenCache::Instance().Size(), KyImagePool::Instance().Size()};
}

std::wstring TextOf(HWND window)
{
    wchar_t buffer[256] = {};
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

// A coarse picture of a window, enough to tell whether its scene changed.
std::vector<COLORREF> Sample(HWND window)
{
    std::vector<COLORREF> pixels;
    for (int y = 3; y < 576; y += 11)
        for (int x = 2; x < 1000; x += 7)
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

}  // namespace

// One walk through the whole life of the window: the context it fills is one
// per process, so the stages share one test.
TEST(KyMainWnd, LivesFromStartToAnEmptyProcess)
{
    kytest::PumpUntilIdle();
    const auto before = Count();

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
        EXPECT_FALSE(IsWindowVisible(convex) || IsWindowVisible(concave));
        EXPECT_EQ(TextOf(button), L"");
        RECT outer{};
        GetWindowRect(window, &outer);
        EXPECT_EQ(std::pair(outer.right - outer.left, outer.bottom - outer.top), (std::pair<LONG, LONG>(1000, 700)));
        KyList& list = main.StatusShower().List();
        const wchar_t* const hints[] = {L"提示：鼠标直接拖动蜡烛，或按键盘左、右方向键，可移动蜡烛位置",
                                        L"提示：滑动鼠标滚轮，或按键盘上、下方向键，可调整显示比例"};
        ASSERT_EQ(list.ItemCount(), 2u);
        for (std::size_t i = 0; i < 2; ++i) {
            std::vector<std::wstring> texts;
            list.ItemAt(i).GetTexts(texts);
            EXPECT_EQ(texts, std::vector<std::wstring>{hints[i]});
        }
        EXPECT_NE(main.StatusShower().List().ItemFont(), FontCache::kNoFont);

        // Shown: the posted mode makes the convex view the visible, focused one.
        ShowWindow(window, SW_SHOWNORMAL);
        RECT inner{};
        GetClientRect(window, &inner);
        // A client area of 1000 x 700, whatever frame the system gives it.
        MoveWindow(window, outer.left, outer.top, 2000 - inner.right, 1400 - inner.bottom, TRUE);
        kytest::PumpUntilIdle();

        // Dragging stops at 1000 x 700.
        MINMAXINFO limits{};
        SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
        EXPECT_EQ(std::pair(limits.ptMinTrackSize.x, limits.ptMinTrackSize.y), (std::pair<LONG, LONG>(1000, 700)));

        const std::vector<COLORREF> fresh = Sample(convex);
        kytest::KeyDown(convex, VK_RIGHT);
        kytest::KeyUp(convex, VK_RIGHT);
        // A command from no control (a menu, an accelerator) is not the button.
        SendMessageW(window, WM_COMMAND, 0, 0);
        kytest::PumpUntilIdle();
        const std::vector<COLORREF> moved = Sample(convex);
        EXPECT_NE(moved, fresh);

        // Each mode shows its view focused and its header title, the button
        // names the other; there and back leaves the moved candle as it was.
        const struct { HWND shown, hidden; const wchar_t *button, *header; } modes[] = {
            {convex, concave, L"切换为“凹透镜”演示", L"凸透镜 成像演示"},
            {concave, convex, L"切换为“凸透镜”演示", L"凹透镜 成像演示"}};
        for (int i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            if (i > 0)
                Click(button);
            const auto& m = modes[i % 2];
            EXPECT_TRUE(IsWindowVisible(m.shown) && !IsWindowVisible(m.hidden));
            EXPECT_EQ(GetFocus(), m.shown);
            EXPECT_EQ(TextOf(button), m.button);
            EXPECT_STREQ(main.HeaderTitle(), m.header);
            EXPECT_TRUE(HasDarkPixel(window, main.HeaderRect(), 30)) << "no header title drawn";
        }
        EXPECT_EQ(Sample(convex), moved);

        // WM_CLOSE destroys nothing itself; the posted close does.
        const auto open = Count();
        EXPECT_EQ(SendMessageW(window, WM_CLOSE, 0, 0), 0);
        EXPECT_EQ(Count(), open);
        EXPECT_NE(AppContext::Instance().module, nullptr);

        kytest::PumpUntilIdle();
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(main.GetHwnd(), nullptr);
        EXPECT_EQ(AppContext::Instance().module, nullptr);
        EXPECT_EQ(AppContext::Instance().statusDisplay, nullptr);
        MSG quit{};
        ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(quit.wParam, 0u);
        for (HWND handle : handles)
            EXPECT_EQ(KyWndRegistry::FindByHandle(handle), nullptr);
    }

    kytest::PumpUntilIdle();
    EXPECT_EQ(Count(), before);
}
