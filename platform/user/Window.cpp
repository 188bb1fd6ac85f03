// Creating and destroying windows, with Windows' message sequences.
#include <algorithm>

#include "platform/controls/Procedures.h"
#include "platform/display/DisplayBackend.h"
#include "platform/user/InputState.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Painting.h"
#include "platform/user/Rects.h"
#include "platform/user/Timers.h"
#include "platform/user/WindowClass.h"
#include "platform/user/WindowPos.h"

using namespace platform::user;

namespace {

// Where a top-level window asked to be placed "by default" goes.
RECT DefaultPlacement(int x, int y, int width, int height)
{
    RECT work = platform::Display().WorkArea();
    if (x == CW_USEDEFAULT) {
        x = work.left;
        y = work.top;
    }
    if (width == CW_USEDEFAULT) {
        width = (work.right - work.left) * 3 / 4;
        height = (work.bottom - work.top) * 3 / 4;
    }
    return RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
}

void Unlink(Window& w)
{
    if (Window* parent = Find(w.parent)) std::erase(parent->children, w.handle);
}

// Frees a window whose creation failed or that is being destroyed; its
// children are already gone.
void Free(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w) return;
    KillTimersOf(hwnd);
    DropMessagesFor(hwnd);
    Unlink(*w);
    if (!w->parent) {
        // The surface may be the native window's own pixels, which go with it.
        DestroySurface(*w);
        if (w->hasNative) platform::Display().DestroyNativeWindow(hwnd);
        w->hasNative = false;
    }
    Remove(hwnd);
}

void SendDestroy(HWND hwnd)
{
    if (!Find(hwnd)) return;
    Send(hwnd, WM_DESTROY, 0, 0);
    Window* w = Find(hwnd);
    if (!w) return;
    std::vector<HWND> children = w->children;
    for (HWND c : children) SendDestroy(c);
}

void SendNcDestroyAndFree(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w) return;
    std::vector<HWND> children = w->children;
    for (HWND c : children) SendNcDestroyAndFree(c);
    Send(hwnd, WM_NCDESTROY, 0, 0);
    Free(hwnd);
}

void MarkDestroying(Window& w)
{
    w.destroying = true;
    for (HWND c : w.children)
        if (Window* child = Find(c)) MarkDestroying(*child);
}

}  // namespace

HWND CreateWindowExW(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU menu, HINSTANCE instance, LPVOID param)
{
    auto cls = FindClass(className);
    // The system control classes come into being on first use.
    if (!cls && platform::controls::RegisterSystemClasses()) cls = FindClass(className);
    if (!cls) return nullptr;
    bool child = (style & WS_CHILD) != 0;
    Window* parentWindow = Find(parent);
    if (child && !parentWindow) return nullptr;

    auto created = std::make_shared<Window>();
    created->windowClass = cls;
    created->proc = cls->info.lpfnWndProc;
    created->exStyle = exStyle;
    created->instance = instance;
    created->extra.assign(static_cast<size_t>(cls->info.cbWndExtra), 0);
    if (child) {
        created->parent = parent;
        created->style = style & ~WS_VISIBLE;
        created->id = reinterpret_cast<LONG_PTR>(menu);
        if (x == CW_USEDEFAULT) x = y = 0;
        if (width == CW_USEDEFAULT) width = height = 0;
        created->rect = RECT{x, y, x + std::max(width, 0), y + std::max(height, 0)};
    } else {
        // Windows gives every top-level window WS_CLIPSIBLINGS, and an
        // overlapped one its caption.
        created->style = (style & ~WS_VISIBLE) | WS_CLIPSIBLINGS | ((style & WS_POPUP) ? 0 : WS_CAPTION);
        created->needSize = true;
        created->rect = DefaultPlacement(x, y, width, height);
    }
    created->normalRect = created->rect;
    Window* w = Add(created);
    HWND hwnd = w->handle;
    if (child) parentWindow->children.insert(parentWindow->children.begin(), hwnd);

    CREATESTRUCTW cs{param, instance, menu, parent, height, width, y, x, static_cast<LONG>(style), windowName, className, exStyle};
    if (!child && ((style & WS_THICKFRAME) || !(style & WS_POPUP))) {
        MINMAXINFO info = QueryMinMax(*w);
        if (!(w = Find(hwnd))) return nullptr;
        int cx = std::max<int>(std::min<int>(Width(*w), info.ptMaxTrackSize.x), info.ptMinTrackSize.x);
        int cy = std::max<int>(std::min<int>(Height(*w), info.ptMaxTrackSize.y), info.ptMinTrackSize.y);
        w->rect.right = w->rect.left + cx;
        w->rect.bottom = w->rect.top + cy;
        w->normalRect = w->rect;
    }
    cs.cx = Width(*w);
    cs.cy = Height(*w);
    if (!child) {
        w->hasNative = platform::Display().CreateNativeWindow(hwnd, Width(*w), Height(*w));
        if (w->hasNative) platform::Display().MoveNativeWindow(hwnd, w->rect.left, w->rect.top, Width(*w), Height(*w));
    }

    if (!Send(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) || !Find(hwnd)) {
        SendNcDestroyAndFree(hwnd);
        return nullptr;
    }
    NCCALCSIZE_PARAMS calc{};
    calc.rgrc[0] = Find(hwnd)->rect;
    Send(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&calc.rgrc[0]));
    if (!Find(hwnd)) return nullptr;
    if (Send(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1 || !Find(hwnd)) {
        SendNcDestroyAndFree(hwnd);
        return nullptr;
    }
    if (child) {
        w = Find(hwnd);
        Send(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(Width(*w), Height(*w)));
        if (!(w = Find(hwnd))) return nullptr;
        Send(hwnd, WM_MOVE, 0, MAKELPARAM(w->rect.left, w->rect.top));
    }
    if ((style & WS_VISIBLE) && Find(hwnd)) ShowWindow(hwnd, (style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED : SW_SHOW);
    return Find(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hwnd)
{
    Window* w = Find(hwnd);
    if (!w || w->destroying) return FALSE;
    std::shared_ptr<Window> hold = Hold(hwnd);
    MarkDestroying(*w);
    if (w->style & WS_VISIBLE) {
        if (Window* parent = Find(w->parent)) Invalidate(*parent, w->rect, true);
        ForgetHidden(hwnd);
        if (Find(hwnd)) {
            hold->style &= ~WS_VISIBLE;
            if (hold->hasNative) platform::Display().ShowNativeWindow(hwnd, false);
        }
    }
    ForgetDestroyed(hwnd);
    SendDestroy(hwnd);
    SendNcDestroyAndFree(hwnd);
    return TRUE;
}
