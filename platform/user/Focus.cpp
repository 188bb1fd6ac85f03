// Focus, activation, capture, key state and mouse-leave tracking.
#include <array>

#include "platform/display/DisplayBackend.h"
#include "platform/user/InputState.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/WindowTree.h"

namespace platform::user {
namespace {

struct State {
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    HWND tracked = nullptr;  // TME_LEAVE requested for this window
    HWND pointerWindow = nullptr;
    POINT cursor = {};
    std::array<BYTE, 256> keysNow = {};     // as input arrives
    std::array<BYTE, 256> keysQueued = {};  // as messages are retrieved
};

State& state()
{
    static State s;
    return s;
}

bool InSubtree(HWND root, HWND hwnd) { return hwnd && (hwnd == root || IsAncestor(root, hwnd)); }

void SetKey(std::array<BYTE, 256>& keys, UINT vk, bool down)
{
    BYTE& k = keys[vk & 0xFF];
    if (down && !(k & 0x80)) k ^= 0x01;  // the toggle bit flips on each press
    k = down ? (k | 0x80) : (k & ~0x80);
}

}  // namespace

POINT CursorPosition() { return state().cursor; }

void SetCursorPosition(POINT screen, HWND windowUnderPointer)
{
    state().cursor = screen;
    state().pointerWindow = windowUnderPointer;
}

HWND PointerWindow() { return state().pointerWindow; }

bool IsKeyDownNow(UINT vk) { return (state().keysNow[vk & 0xFF] & 0x80) != 0; }

void SetKeyDownNow(UINT vk, bool down) { SetKey(state().keysNow, vk, down); }

WPARAM MouseKeyFlagsNow()
{
    WPARAM flags = 0;
    if (IsKeyDownNow(VK_LBUTTON)) flags |= MK_LBUTTON;
    if (IsKeyDownNow(VK_RBUTTON)) flags |= MK_RBUTTON;
    if (IsKeyDownNow(VK_MBUTTON)) flags |= MK_MBUTTON;
    if (IsKeyDownNow(VK_SHIFT)) flags |= MK_SHIFT;
    if (IsKeyDownNow(VK_CONTROL)) flags |= MK_CONTROL;
    return flags;
}

void InputRetrieved(const MSG& msg)
{
    auto& keys = state().keysQueued;
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: SetKey(keys, static_cast<UINT>(msg.wParam), true); break;
    case WM_KEYUP:
    case WM_SYSKEYUP: SetKey(keys, static_cast<UINT>(msg.wParam), false); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: SetKey(keys, VK_LBUTTON, true); break;
    case WM_LBUTTONUP: SetKey(keys, VK_LBUTTON, false); break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: SetKey(keys, VK_RBUTTON, true); break;
    case WM_RBUTTONUP: SetKey(keys, VK_RBUTTON, false); break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: SetKey(keys, VK_MBUTTON, true); break;
    case WM_MBUTTONUP: SetKey(keys, VK_MBUTTON, false); break;
    case WM_MOUSEMOVE:
        if (!GetCapture()) Send(msg.hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(msg.hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        break;
    default: break;
    }
}

WCHAR ControlCharacterFor(UINT vk)
{
    switch (vk) {
    case VK_BACK: return 0x08;
    case VK_TAB: return 0x09;
    case VK_RETURN: return 0x0D;
    case VK_ESCAPE: return 0x1B;
    default: break;
    }
    auto& keys = state().keysQueued;
    bool ctrl = keys[VK_CONTROL] & 0x80, alt = keys[VK_MENU] & 0x80;
    if (ctrl && !alt && vk >= 'A' && vk <= 'Z') return static_cast<WCHAR>(vk - 'A' + 1);
    return 0;
}

void CheckMouseLeave()
{
    State& s = state();
    if (s.tracked && s.pointerWindow != s.tracked) {
        HWND left = s.tracked;
        s.tracked = nullptr;
        PostMessageW(left, WM_MOUSELEAVE, 0, 0);
    }
}

HWND ActiveWindow() { return state().active; }

void Activate(HWND top)
{
    State& s = state();
    if (s.active == top) return;
    HWND old = s.active;
    s.active = top;
    if (old && Find(old)) {
        Send(old, WM_NCACTIVATE, FALSE, 0);
        Send(old, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(top));
    }
    if (!top) {
        if (old) Send(old, WM_ACTIVATEAPP, FALSE, 0);
        return;
    }
    if (!old) Send(top, WM_ACTIVATEAPP, TRUE, 0);
    if (s.active != top) return;
    Send(top, WM_NCACTIVATE, TRUE, 0);
    Send(top, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(old));
}

void ForgetHidden(HWND hwnd)
{
    State& s = state();
    if (InSubtree(hwnd, s.focus)) {
        Window* w = Find(hwnd);
        SetFocus(w ? w->parent : nullptr);
    }
    if (s.active == hwnd) Activate(nullptr);
}

void ForgetDestroyed(HWND hwnd)
{
    State& s = state();
    if (InSubtree(hwnd, s.capture)) ReleaseCapture();
    ForgetHidden(hwnd);
    if (InSubtree(hwnd, s.focus)) s.focus = nullptr;
    if (InSubtree(hwnd, s.tracked)) s.tracked = nullptr;
    if (InSubtree(hwnd, s.pointerWindow)) s.pointerWindow = nullptr;
    if (InSubtree(hwnd, s.active)) s.active = nullptr;
}

}  // namespace platform::user

using namespace platform::user;

HWND SetFocus(HWND hwnd)
{
    State& s = state();
    HWND old = s.focus;
    if (hwnd) {
        Window* w = Find(hwnd);
        if (!w) return nullptr;
        // A disabled window, or one inside a disabled parent, cannot take the focus.
        for (Window* cur = w; cur; cur = Find(cur->parent))
            if (cur->style & WS_DISABLED) return nullptr;
        HWND top = TopLevelOf(w)->handle;
        if (top != s.active) {
            Activate(top);
            if (!Find(hwnd) || s.active != top) return nullptr;
        }
        old = s.focus;
    }
    if (old == hwnd) return old;
    s.focus = hwnd;
    if (old && Find(old)) Send(old, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    if (hwnd && s.focus == hwnd && Find(hwnd)) Send(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
    return old;
}

HWND GetFocus() { return state().focus; }

HWND GetActiveWindow() { return state().active; }

BOOL SetForegroundWindow(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    Window* top = TopLevelOf(w);
    Activate(top->handle);
    if (Find(top->handle) && top->hasNative) platform::Display().RaiseNativeWindow(top->handle);
    return TRUE;
}

HWND SetCapture(HWND hwnd)
{
    State& s = state();
    HWND old = s.capture;
    if (!Find(hwnd)) return nullptr;
    s.capture = hwnd;
    if (old && old != hwnd && Find(old)) Send(old, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return old;
}

BOOL ReleaseCapture()
{
    State& s = state();
    HWND old = s.capture;
    s.capture = nullptr;
    if (old && Find(old)) Send(old, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

HWND GetCapture() { return state().capture; }

SHORT GetKeyState(int virtualKey)
{
    BYTE k = state().keysQueued[virtualKey & 0xFF];
    return static_cast<SHORT>(((k & 0x80) ? 0xFF80 : 0) | (k & 0x01));
}

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT tme)
{
    if (!tme || tme->cbSize != sizeof(TRACKMOUSEEVENT)) return FALSE;
    State& s = state();
    if (tme->dwFlags & TME_QUERY) {
        tme->dwFlags = s.tracked ? TME_LEAVE : 0;
        tme->hwndTrack = s.tracked;
        tme->dwHoverTime = 0;
        return TRUE;
    }
    // Only leave tracking exists here; hover and non-client tracking do not.
    if (tme->dwFlags & ~(TME_LEAVE | TME_CANCEL)) return FALSE;
    if (!Find(tme->hwndTrack)) return FALSE;
    if (tme->dwFlags & TME_CANCEL) {
        if ((tme->dwFlags & TME_LEAVE) && s.tracked == tme->hwndTrack) s.tracked = nullptr;
        return TRUE;
    }
    if (!(tme->dwFlags & TME_LEAVE)) return TRUE;
    if (s.pointerWindow != tme->hwndTrack) {
        // Asked while the pointer is elsewhere: the leave is immediate.
        if (s.tracked == tme->hwndTrack) s.tracked = nullptr;
        PostMessageW(tme->hwndTrack, WM_MOUSELEAVE, 0, 0);
        return TRUE;
    }
    if (s.tracked && s.tracked != tme->hwndTrack) PostMessageW(s.tracked, WM_MOUSELEAVE, 0, 0);
    s.tracked = tme->hwndTrack;
    return TRUE;
}

BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT tme) { return TrackMouseEvent(tme); }

BOOL GetCursorPos(LPPOINT point)
{
    if (!point) return FALSE;
    *point = state().cursor;
    return TRUE;
}

UINT GetDoubleClickTime() { return 500; }
