// Window attributes: tree, styles, long values, text, enabling.
#include <algorithm>
#include <cstring>

#include "platform/user/InputState.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/WindowTree.h"

using namespace platform::user;

BOOL IsWindow(HWND hwnd) { return Find(hwnd) != nullptr; }

HWND GetParent(HWND hwnd)
{
    Window* w = Find(hwnd);
    return w && (w->style & WS_CHILD) ? w->parent : nullptr;
}

HWND GetAncestor(HWND hwnd, UINT flags)
{
    Window* w = Find(hwnd);
    if (!w) return nullptr;
    if (flags == GA_PARENT) return w->parent;
    if (flags == GA_ROOT || flags == GA_ROOTOWNER) return TopLevelOf(w)->handle;
    return nullptr;
}

BOOL IsChild(HWND parent, HWND hwnd) { return Find(parent) && IsAncestor(parent, hwnd); }

BOOL IsWindowVisible(HWND hwnd)
{
    Window* w = Find(hwnd);
    return w && IsShownOnScreen(*w);
}

BOOL IsWindowEnabled(HWND hwnd)
{
    Window* w = Find(hwnd);
    return w && !(w->style & WS_DISABLED);
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    Window* w = Find(hwnd);
    if (!w) return FALSE;
    bool wasDisabled = (w->style & WS_DISABLED) != 0;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        Send(hwnd, WM_ENABLE, TRUE, 0);
    } else if (!enable && !wasDisabled) {
        // Windows sends WM_ENABLE after the style changes, and a disabled
        // window gives up the focus.
        w->style |= WS_DISABLED;
        if (GetFocus() == hwnd || IsAncestor(hwnd, GetFocus())) SetFocus(nullptr);
        if (GetCapture() == hwnd) ReleaseCapture();
        if (Find(hwnd)) Send(hwnd, WM_ENABLE, FALSE, 0);
    }
    return wasDisabled;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam)
{
    Window* w = Find(parent);
    if (!w || !proc) return FALSE;
    std::vector<HWND> children = w->children;
    for (HWND c : children) {
        if (!Find(c)) continue;
        if (!proc(c, lParam)) return FALSE;
        EnumChildWindows(c, proc, lParam);
    }
    return TRUE;
}

LONG_PTR GetWindowLongPtrW(HWND hwnd, int index)
{
    Window* w = Find(hwnd);
    if (!w) return 0;
    switch (index) {
    case GWL_STYLE: return static_cast<LONG>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG>(w->exStyle);
    case GWLP_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWLP_HINSTANCE: return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT: return reinterpret_cast<LONG_PTR>(w->parent);
    case GWLP_ID: return w->id;
    case GWLP_USERDATA: return w->userData;
    default: break;
    }
    if (index < 0 || static_cast<size_t>(index) + sizeof(LONG_PTR) > w->extra.size()) return 0;
    LONG_PTR value;
    std::memcpy(&value, w->extra.data() + index, sizeof value);
    return value;
}

LONG_PTR SetWindowLongPtrW(HWND hwnd, int index, LONG_PTR value)
{
    Window* w = Find(hwnd);
    if (!w) return 0;
    LONG_PTR old = GetWindowLongPtrW(hwnd, index);
    switch (index) {
    case GWL_STYLE: w->style = static_cast<DWORD>(value); return old;
    case GWL_EXSTYLE: w->exStyle = static_cast<DWORD>(value); return old;
    case GWLP_WNDPROC:
        if (!value) return 0;
        w->proc = reinterpret_cast<WNDPROC>(value);
        return old;
    case GWLP_ID: w->id = value; return old;
    case GWLP_USERDATA: w->userData = value; return old;
    default: break;
    }
    if (index < 0 || static_cast<size_t>(index) + sizeof(LONG_PTR) > w->extra.size()) return 0;
    std::memcpy(w->extra.data() + index, &value, sizeof value);
    return old;
}

int GetWindowTextW(HWND hwnd, LPWSTR buffer, int size)
{
    if (!buffer || size <= 0) return 0;
    buffer[0] = 0;
    if (!Find(hwnd)) return 0;
    return static_cast<int>(Send(hwnd, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthW(HWND hwnd)
{
    if (!Find(hwnd)) return 0;
    return static_cast<int>(Send(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL SetWindowTextW(HWND hwnd, LPCWSTR text)
{
    if (!Find(hwnd)) return FALSE;
    return Send(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)) != 0;
}
