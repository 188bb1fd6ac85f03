// Showing, moving, sizing, maximising, and coordinates.
#include "platform/user/WindowPos.h"

#include <algorithm>

#include "platform/display/DisplayBackend.h"
#include "platform/user/Input.h"
#include "platform/user/InputState.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"

namespace platform::user {
namespace {

void SendSizeAndMove(HWND hwnd, bool move, bool size)
{
    Window* w = Find(hwnd);
    if (w && move) Send(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.left, w->rect.top));
    if ((w = Find(hwnd)) && size)
        Send(hwnd, WM_SIZE, w->maximized ? SIZE_MAXIMIZED : SIZE_RESTORED, MAKELPARAM(Width(*w), Height(*w)));
}

void Maximize(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w || w->parent || w->maximized) return;
    MINMAXINFO info = QueryMinMax(*w);
    if (!(w = Find(hwnd))) return;
    w->normalRect = w->rect;
    w->maximized = true;
    w->style |= WS_MAXIMIZE;
    RECT r{info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxPosition.x + info.ptMaxSize.x,
           info.ptMaxPosition.y + info.ptMaxSize.y};
    if (w->hasNative) platform::Display().SetNativeMaximized(hwnd, true);
    SetWindowRect(hwnd, r, true, false);
}

void Restore(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w || !w->maximized) return;
    w->maximized = false;
    w->style &= ~WS_MAXIMIZE;
    if (w->hasNative) platform::Display().SetNativeMaximized(hwnd, false);
    SetWindowRect(hwnd, w->normalRect, true, false);
}

}  // namespace

MINMAXINFO QueryMinMax(Window& w)
{
    HWND hwnd = w.handle;
    MINMAXINFO info{};
    DefWindowProcW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    Send(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    Window* alive = Find(hwnd);
    if (alive && !alive->parent && alive->hasNative)
        platform::Display().SetNativeMinimumSize(hwnd, info.ptMinTrackSize.x, info.ptMinTrackSize.y);
    return info;
}

void SetWindowRect(HWND hwnd, RECT rect, bool repaint, bool fromDisplay)
{
    Window* w = Find(hwnd);
    if (!w) return;
    if (rect.right < rect.left) rect.right = rect.left;
    if (rect.bottom < rect.top) rect.bottom = rect.top;
    // As Windows does for a sizable or overlapped top-level window, a new
    // size is held within the tracking limits its procedure answers, whoever
    // asks for it; a window manager that ignored the minimum is put right.
    const bool resized = rect.right - rect.left != Width(*w) || rect.bottom - rect.top != Height(*w);
    bool displayOverruled = false;
    // A window manager may squeeze even a maximised window (no frame to
    // drag, but `xdotool windowsize` or a tiling manager do it): held too.
    if (resized && !w->parent && (!w->maximized || fromDisplay) &&
        ((w->style & WS_THICKFRAME) || !(w->style & WS_POPUP))) {
        MINMAXINFO info = QueryMinMax(*w);
        if (!(w = Find(hwnd))) return;
        const LONG width = std::max(std::min(rect.right - rect.left, info.ptMaxTrackSize.x), info.ptMinTrackSize.x);
        const LONG height = std::max(std::min(rect.bottom - rect.top, info.ptMaxTrackSize.y), info.ptMinTrackSize.y);
        if (fromDisplay && (width != rect.right - rect.left || height != rect.bottom - rect.top)) {
            fromDisplay = false;
            displayOverruled = true;
        }
        rect.right = rect.left + width;
        rect.bottom = rect.top + height;
    }
    RECT old = w->rect;
    bool moved = rect.left != old.left || rect.top != old.top;
    bool sized = rect.right - rect.left != old.right - old.left || rect.bottom - rect.top != old.bottom - old.top;
    if (!moved && !sized) {
        // The window manager's size was refused outright: its window goes back.
        if (displayOverruled && w->hasNative)
            platform::Display().MoveNativeWindow(hwnd, rect.left, rect.top, Width(*w), Height(*w));
        return;
    }
    w->rect = rect;
    if (!w->maximized) w->normalRect = rect;
    // A shown window that has been sized needs no first WM_SIZE any more.
    if (sized && (w->style & WS_VISIBLE)) w->needSize = false;
    if (!w->parent) {
        if (sized) RenewSurface(*w);
        if (w->hasNative && !fromDisplay) platform::Display().MoveNativeWindow(hwnd, rect.left, rect.top, Width(*w), Height(*w));
    }
    if (repaint && IsShownOnScreen(*w)) {
        if (Window* parent = Find(w->parent)) Invalidate(*parent, old, true);
        if (sized || w->parent) Invalidate(*w, ClientRectOf(*w), true);
    }
    SendSizeAndMove(hwnd, moved, sized);
}

}  // namespace platform::user

using namespace platform::user;

BOOL ShowWindow(HWND hwnd, int command)
{
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    std::shared_ptr<Window> hold = Hold(hwnd);
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    if (command == SW_HIDE) {
        if (!wasVisible) return FALSE;
        Send(hwnd, WM_SHOWWINDOW, FALSE, 0);
        if (!Find(hwnd)) return TRUE;
        if (Window* parent = Find(w->parent)) Invalidate(*parent, w->rect, true);
        w->style &= ~WS_VISIBLE;
        if (w->hasNative) platform::Display().ShowNativeWindow(hwnd, false);
        ForgetHidden(hwnd);
        return TRUE;
    }
    if (!wasVisible) {
        Send(hwnd, WM_SHOWWINDOW, TRUE, 0);
        if (!Find(hwnd)) return FALSE;
        w->style |= WS_VISIBLE;
        if (!w->parent) QueryMinMax(*w);
        if (!Find(hwnd)) return FALSE;
        Invalidate(*w, ClientRectOf(*w), true);
    }
    if (command == SW_SHOWMAXIMIZED) Maximize(hwnd);
    else if (command == SW_RESTORE || command == SW_SHOWNORMAL) Restore(hwnd);
    if (!Find(hwnd)) return wasVisible;
    // The native window appears at its final place and size: one shown
    // maximised is never mapped at its normal size first, which would cost
    // the window system a resize and flash the smaller window.
    if (!wasVisible && w->hasNative && (w->style & WS_VISIBLE)) platform::Display().ShowNativeWindow(hwnd, true);
    if (w->needSize) {
        w->needSize = false;
        Send(hwnd, WM_SIZE, w->maximized ? SIZE_MAXIMIZED : SIZE_RESTORED, MAKELPARAM(Width(*w), Height(*w)));
        if (Find(hwnd)) Send(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.left, w->rect.top));
    }
    bool activate = command != SW_SHOWNA && command != SW_SHOWNOACTIVATE && command != SW_SHOWMINNOACTIVE;
    if (Find(hwnd) && !w->parent && activate && !wasVisible) Activate(hwnd);
    return wasVisible;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    if (!Find(hwnd)) return FALSE;
    if (width < 0) width = 0;
    if (height < 0) height = 0;
    SetWindowRect(hwnd, RECT{x, y, x + width, y + height}, repaint != FALSE, false);
    return TRUE;
}

BOOL GetWindowRect(HWND hwnd, LPRECT rect)
{
    Window* w = Find(hwnd);
    if (!w || !rect) return FALSE;
    POINT o = ScreenOrigin(*w);
    *rect = RECT{o.x, o.y, o.x + Width(*w), o.y + Height(*w)};
    return TRUE;
}

BOOL GetClientRect(HWND hwnd, LPRECT rect)
{
    Window* w = Find(hwnd);
    if (!w || !rect) return FALSE;
    *rect = ClientRectOf(*w);
    return TRUE;
}

BOOL ClientToScreen(HWND hwnd, LPPOINT point)
{
    Window* w = Find(hwnd);
    if (!w || !point) return FALSE;
    POINT o = ScreenOrigin(*w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL ScreenToClient(HWND hwnd, LPPOINT point)
{
    Window* w = Find(hwnd);
    if (!w || !point) return FALSE;
    POINT o = ScreenOrigin(*w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

namespace platform::input {

void Resized(HWND window, int width, int height)
{
    Window* w = Find(window);
    if (!w || w->parent) return;
    SetWindowRect(window, RECT{w->rect.left, w->rect.top, w->rect.left + width, w->rect.top + height}, true, true);
}

void PixelsRemade(HWND window)
{
    Window* w = Find(window);
    if (!w || w->parent || !w->hasNative) return;
    RenewSurface(*w);
}

void Moved(HWND window, int x, int y)
{
    Window* w = Find(window);
    if (!w || w->parent) return;
    SetWindowRect(window, RECT{x, y, x + Width(*w), y + Height(*w)}, false, true);
}

void MaximizedChanged(HWND window, bool maximized)
{
    Window* w = Find(window);
    if (!w || w->parent || w->maximized == maximized) return;
    if (maximized) w->normalRect = w->rect;
    w->maximized = maximized;
    w->style = maximized ? (w->style | WS_MAXIMIZE) : (w->style & ~WS_MAXIMIZE);
    Send(window, WM_SIZE, maximized ? SIZE_MAXIMIZED : SIZE_RESTORED, MAKELPARAM(Width(*w), Height(*w)));
}

}  // namespace platform::input
