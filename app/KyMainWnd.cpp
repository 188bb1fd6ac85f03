#include "app/KyMainWnd.h"

#include "app/MainLayout.h"
#include "base/ScopedSelection.h"
#include "context/AppContext.h"
#include "gdi/FontCache.h"

namespace {

constexpr wchar_t kToConcaveText[] = L"切换为“凹透镜”演示";
constexpr wchar_t kToConvexText[] = L"切换为“凸透镜”演示";
constexpr wchar_t kConvexTitle[] = L"凸透镜 成像演示";
constexpr wchar_t kConcaveTitle[] = L"凹透镜 成像演示";
constexpr wchar_t kDragTip[] = L"提示：鼠标直接拖动蜡烛，或按键盘左、右方向键，可移动蜡烛位置";
constexpr wchar_t kZoomTip[] = L"提示：滑动鼠标滚轮，或按键盘上、下方向键，可调整显示比例";
constexpr int kStatusFontHeight = 12;
constexpr wchar_t kStatusFontFace[] = L"新宋体";

void MoveTo(HWND window, const RECT& place)
{
    MoveWindow(window, place.left, place.top, place.right - place.left, place.bottom - place.top, TRUE);
}

// Only a child is shown or hidden here: a view whose window is missing or was
// never made a child has no place in the main window.
void ShowChild(HWND window, int command)
{
    if (window != nullptr && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0)
        ShowWindow(window, command);
}

void Focus(HWND window)
{
    if (window != nullptr)
        SetFocus(window);
}

}  // namespace

bool KyMainWnd::IsDoubleBuffered()
{
    // The header is one line of text; the views buffer themselves.
    return false;
}

bool KyMainWnd::CreateMain()
{
    return Create(kClassStyle, WS_OVERLAPPEDWINDOW, WS_EX_APPWINDOW, nullptr, nullptr);
}

const wchar_t* KyMainWnd::HeaderTitle() const
{
    return showConvex ? kConvexTitle : kConcaveTitle;
}

LRESULT KyMainWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate();
        break;
    case WM_SIZE: {
        const int width = LOWORD(lParam);
        const int height = HIWORD(lParam);
        if (width != 0 && height != 0)
            OnSize(width, height);
        break;
    }
    case WM_COMMAND:
        OnCommand(reinterpret_cast<HWND>(lParam));
        break;
    case KYWM_APPLYMODE:
        ApplyMode();
        break;
    case WM_CLOSE:
        // Destroying the window inside WM_CLOSE would pull the views out from
        // under whatever called it; the queue brings the close back later.
        PostMessageW(hwnd, KYWM_CLOSE, 0, 0);
        return 0;
    case KYWM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        AppContext::Instance().Shutdown();
        PostQuitMessage(0);
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void KyMainWnd::OnCreate()
{
    AppContext& context = AppContext::Instance();
    context.Initialize();
    context.statusDisplay = &statusShower;

    convexView.CreateChild(hwnd, nullptr);
    concaveView.CreateChild(hwnd, nullptr);
    CreateModeButton();
    // The first mode is applied once the loop runs, after the window is shown.
    PostMessageW(hwnd, KYWM_APPLYMODE, 0, 0);

    ShowStatusStrip();
    SetIcon();
    SetWindowTextW(hwnd, context.title.c_str());
    statusShower.AddTip(kDragTip);
    statusShower.AddTip(kZoomTip);

    ResizeToDefault();
    SetMinTrackSize(kMinWidth, kMinHeight);
}

void KyMainWnd::CreateModeButton()
{
    const AppContext& context = AppContext::Instance();
    modeButton = CreateWindowExW(0, L"button", L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd, nullptr,
                                 context.module, nullptr);
    if (modeButton != nullptr)
        SendMessageW(modeButton, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(context.font18)), TRUE);
}

void KyMainWnd::ShowStatusStrip()
{
    statusShower.Show(hwnd, BackDc());
    // The list takes over the id and releases the one it held.
    if (statusShower.List().GetHwnd() != nullptr)
        statusShower.List().SetItemFont(AcquireFont(kStatusFontHeight, kStatusFontFace));
}

void KyMainWnd::SetIcon()
{
    HICON icon = LoadIconW(AppContext::Instance().module, MAKEINTRESOURCEW(kIconId));
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void KyMainWnd::OnSize(int width, int height)
{
    const MainLayout layout = ComputeMainLayout(width, height);
    headerRect = layout.header;
    if (modeButton != nullptr)
        MoveTo(modeButton, layout.modeButton);
    if (convexView.GetHwnd() != nullptr)
        MoveTo(convexView.GetHwnd(), layout.views);
    if (concaveView.GetHwnd() != nullptr)
        MoveTo(concaveView.GetHwnd(), layout.views);
    statusShower.Move(layout.status);
}

void KyMainWnd::OnCommand(HWND control)
{
    if (control == nullptr || control != modeButton)
        return;
    showConvex = !showConvex;
    PostMessageW(hwnd, KYWM_APPLYMODE, 0, 0);
}

void KyMainWnd::ApplyMode()
{
    if (showConvex) {
        if (modeButton != nullptr)
            SetWindowTextW(modeButton, kToConcaveText);
        ShowChild(convexView.GetHwnd(), SW_SHOWNORMAL);
        Focus(convexView.GetHwnd());
        ShowChild(concaveView.GetHwnd(), SW_HIDE);
    } else {
        if (modeButton != nullptr)
            SetWindowTextW(modeButton, kToConvexText);
        ShowChild(convexView.GetHwnd(), SW_HIDE);
        ShowChild(concaveView.GetHwnd(), SW_SHOWNORMAL);
        Focus(concaveView.GetHwnd());
    }
    // The header names the mode, and it lies outside every child.
    if (hwnd != nullptr)
        InvalidateRect(hwnd, nullptr, FALSE);
}

void KyMainWnd::Paint(HDC dc, const RECT&)
{
    SetBkMode(dc, TRANSPARENT);
    ScopedSelection font(dc, FontHandle(AppContext::Instance().titleFont));
    DrawTextW(dc, HeaderTitle(), -1, &headerRect, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}
