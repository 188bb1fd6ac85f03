// The default handling of messages a window procedure passes on.
#include <algorithm>
#include <cwchar>

#include "platform/display/DisplayBackend.h"
#include "platform/gdi/gdi.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/WindowClass.h"
#include "platform/user/WindowTree.h"

using namespace platform::user;

namespace {

LRESULT SetText(Window& w, LPCWSTR text)
{
    w.text = text ? text : L"";
    if (!w.parent && w.hasNative) platform::Display().SetNativeTitle(w.handle, w.text.c_str());
    return TRUE;
}

LRESULT GetText(const Window& w, WPARAM size, LPWSTR buffer)
{
    if (!buffer || size == 0) return 0;
    size_t count = std::min<size_t>(w.text.size(), size - 1);
    std::wmemcpy(buffer, w.text.c_str(), count);
    buffer[count] = 0;
    return static_cast<LRESULT>(count);
}

void FillMinMax(MINMAXINFO* info)
{
    RECT work = platform::Display().WorkArea();
    RECT screen = platform::Display().ScreenRect();
    info->ptMaxSize = POINT{work.right - work.left, work.bottom - work.top};
    info->ptMaxPosition = POINT{work.left, work.top};
    info->ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    info->ptMaxTrackSize = POINT{screen.right - screen.left, screen.bottom - screen.top};
}

LRESULT SetIcon(Window& w, WPARAM which, HICON icon)
{
    bool big = which == ICON_BIG;
    HICON& slot = big ? w.bigIcon : w.smallIcon;
    HICON old = slot;
    slot = icon;
    if (!w.parent && w.hasNative) platform::Display().SetNativeIcon(w.handle, icon, big);
    return reinterpret_cast<LRESULT>(old);
}

LRESULT SysCommand(HWND hwnd, WPARAM command)
{
    switch (command & 0xFFF0) {
    case SC_CLOSE: return Send(hwnd, WM_CLOSE, 0, 0);
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); return 0;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); return 0;
    default: return 0;
    }
}

// Fills the client area with the class brush; without one nothing is erased.
// System-colour indexes (COLOR_WINDOW + 1 and the like) are not brushes here.
LRESULT EraseBackground(const Window& w, HDC dc)
{
    HBRUSH brush = w.windowClass ? w.windowClass->info.hbrBackground : nullptr;
    if (!brush || reinterpret_cast<uintptr_t>(brush) <= 0x100 || !dc) return 0;
    RECT client = ClientRectOf(w);
    FillRect(dc, &client, brush);
    return 1;
}

}  // namespace

LRESULT CALLBACK DefWindowProcW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = Find(hwnd);
    if (!w) return 0;
    switch (message) {
    case WM_NCCREATE: {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
        if (cs && cs->lpszName) w->text = cs->lpszName;
        return TRUE;
    }
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_GETMINMAXINFO: FillMinMax(reinterpret_cast<MINMAXINFO*>(lParam)); return 0;
    case WM_NCCALCSIZE: return 0;
    case WM_NCHITTEST: return HTCLIENT;
    case WM_SETTEXT: return SetText(*w, reinterpret_cast<LPCWSTR>(lParam));
    case WM_GETTEXT: return GetText(*w, wParam, reinterpret_cast<LPWSTR>(lParam));
    case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w->text.size());
    case WM_SETICON: return SetIcon(*w, wParam, reinterpret_cast<HICON>(lParam));
    case WM_GETICON: return reinterpret_cast<LRESULT>(wParam == ICON_BIG ? w->bigIcon : w->smallIcon);
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND: return EraseBackground(*w, reinterpret_cast<HDC>(wParam));
    case WM_ACTIVATE:
        // Activation gives the keyboard focus to the window, as on Windows.
        if (LOWORD(wParam) != WA_INACTIVE) SetFocus(hwnd);
        return 0;
    case WM_SETCURSOR:
        if (w->parent && Send(w->parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
        if (!(w = Find(hwnd))) return FALSE;
        if (LOWORD(lParam) == HTCLIENT && w->windowClass && w->windowClass->info.hCursor) {
            SetCursor(w->windowClass->info.hCursor);
            return TRUE;
        }
        return FALSE;
    case WM_MOUSEWHEEL:
        // Unhandled wheel turns bubble up to the parent.
        return (w->style & WS_CHILD) && w->parent ? Send(w->parent, message, wParam, lParam) : 0;
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (lParam & (1 << 29))) {
            Window* top = TopLevelOf(w);
            PostMessageW(top->handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_SYSCOMMAND: return SysCommand(hwnd, wParam);
    default: return 0;
    }
}
