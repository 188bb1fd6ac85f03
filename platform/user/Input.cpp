// Native events from the display become queued input messages, aimed at the
// window under the pointer, the capture window or the focus window.
#include "platform/user/Input.h"

#include <cstdlib>

#include "platform/user/Clock.h"
#include "platform/user/InputState.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/WindowClass.h"
#include "platform/user/WindowTree.h"

namespace platform::input {
namespace {

using namespace platform::user;

struct Click {
    HWND hwnd = nullptr;
    UINT message = 0;
    DWORD time = 0;
    POINT pt = {};
};

Click& lastClick()
{
    static Click c;
    return c;
}

// The deepest visible window at a point of the top-level's client area;
// a disabled child leaves the point to its parent.
Window* HitTest(Window* top, POINT p)
{
    if (!top || !(top->style & WS_VISIBLE) || (top->style & WS_DISABLED)) return nullptr;
    if (p.x < 0 || p.y < 0 || p.x >= Width(*top) || p.y >= Height(*top)) return nullptr;
    Window* hit = top;
    for (;;) {
        Window* next = nullptr;
        for (HWND c : hit->children) {
            Window* child = Find(c);
            if (!child || !(child->style & WS_VISIBLE)) continue;
            if (p.x >= child->rect.left && p.x < child->rect.right && p.y >= child->rect.top && p.y < child->rect.bottom) {
                next = child;
                break;
            }
        }
        if (!next || (next->style & WS_DISABLED)) return hit;
        p.x -= next->rect.left;
        p.y -= next->rect.top;
        hit = next;
    }
}

// Locates the pointer and returns the window that gets its messages.
Window* Locate(HWND window, int x, int y, POINT* screen)
{
    Window* top = Find(window);
    if (!top || top->parent) return nullptr;
    POINT origin = ScreenOrigin(*top);
    *screen = POINT{origin.x + x, origin.y + y};
    Window* hit = HitTest(top, POINT{x, y});
    SetCursorPosition(*screen, hit ? hit->handle : nullptr);
    CheckMouseLeave();
    if (HWND capture = GetCapture()) return Find(capture);
    return hit;
}

LPARAM ClientPoint(Window* target, POINT screen)
{
    POINT o = ScreenOrigin(*target);
    return MAKELPARAM(screen.x - o.x, screen.y - o.y);
}

void QueueMouse(Window* target, UINT message, POINT screen)
{
    QueueInput(MSG{target->handle, message, MouseKeyFlagsNow(), ClientPoint(target, screen), MessageTimeNow(), screen});
}

UINT DownMessage(Button b) { return b == Button::Left ? WM_LBUTTONDOWN : b == Button::Right ? WM_RBUTTONDOWN : WM_MBUTTONDOWN; }

UINT ButtonKey(Button b) { return b == Button::Left ? VK_LBUTTON : b == Button::Right ? VK_RBUTTON : VK_MBUTTON; }

// A second press of the same button on the same window, soon enough and
// close enough, is a double click when the window's class asks for it.
UINT PressMessage(Window* target, Button b, POINT screen)
{
    UINT down = DownMessage(b);
    Click& last = lastClick();
    DWORD now = MessageTimeNow();
    bool wants = target->windowClass && (target->windowClass->info.style & CS_DBLCLKS);
    bool isDouble = wants && last.hwnd == target->handle && last.message == down && now - last.time <= GetDoubleClickTime() &&
                    std::abs(screen.x - last.pt.x) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                    std::abs(screen.y - last.pt.y) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    if (isDouble) {
        last = Click{};
        return down + 2;  // WM_xBUTTONDBLCLK follows WM_xBUTTONUP
    }
    last = Click{target->handle, down, now, screen};
    return down;
}

HWND KeyTarget(bool* system)
{
    *system = false;
    if (HWND focus = GetFocus()) return focus;
    // Without a focus window, keys go to the active window as system keys.
    *system = true;
    return ActiveWindow();
}

void QueueKey(UINT vk, bool down)
{
    bool wasDown = IsKeyDownNow(vk);
    SetKeyDownNow(vk, down);
    bool system;
    HWND target = KeyTarget(&system);
    if (!target) return;
    bool alt = IsKeyDownNow(VK_MENU);
    if ((alt && !IsKeyDownNow(VK_CONTROL)) || vk == VK_F10 || vk == VK_MENU) system = true;
    UINT message = system ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
    LPARAM lParam = 1;
    if (alt) lParam |= 1 << 29;
    if (wasDown) lParam |= 1 << 30;
    if (!down) lParam |= (LPARAM)0xC0000000;
    QueueInput(MSG{target, message, vk & 0xFF, static_cast<LPARAM>(static_cast<DWORD>(lParam)), MessageTimeNow(), CursorPosition()});
}

}  // namespace

void PointerMoved(HWND window, int x, int y)
{
    POINT screen;
    if (Window* target = Locate(window, x, y, &screen)) QueueMouse(target, WM_MOUSEMOVE, screen);
}

void PointerLeft(HWND window)
{
    if (!Find(window)) return;
    SetCursorPosition(CursorPosition(), nullptr);
    CheckMouseLeave();
}

void ButtonPressed(HWND window, int x, int y, Button button)
{
    POINT screen;
    Window* target = Locate(window, x, y, &screen);
    SetKeyDownNow(ButtonKey(button), true);
    // A click on an inactive window activates it first, as on Windows.
    Window* top = Find(window);
    if (top && target && ActiveWindow() != window) Activate(window);
    if (!target || !Find(target->handle)) return;
    QueueMouse(target, PressMessage(target, button, screen), screen);
}

void ButtonReleased(HWND window, int x, int y, Button button)
{
    POINT screen;
    Window* target = Locate(window, x, y, &screen);
    SetKeyDownNow(ButtonKey(button), false);
    if (target) {
        QueueMouse(target, DownMessage(button) + 1, screen);
        return;
    }
    // Outside every window: only a capture taken before it is retrieved gets it.
    if (Find(window)) QueueInput(MSG{nullptr, DownMessage(button) + 1, MouseKeyFlagsNow(), 0, MessageTimeNow(), screen});
}

void WheelTurned(HWND window, int x, int y, int delta)
{
    POINT screen;
    Locate(window, x, y, &screen);
    HWND focus = GetFocus();
    if (!focus) return;
    WPARAM wParam = MAKEWPARAM(MouseKeyFlagsNow(), static_cast<short>(delta));
    QueueInput(MSG{focus, WM_MOUSEWHEEL, wParam, MAKELPARAM(screen.x, screen.y), MessageTimeNow(), screen});
}

void KeyPressed(HWND window, UINT virtualKey)
{
    if (Find(window)) QueueKey(virtualKey, true);
}

void KeyReleased(HWND window, UINT virtualKey)
{
    if (Find(window)) QueueKey(virtualKey, false);
}

void TextTyped(HWND window, const wchar_t* text)
{
    HWND focus = GetFocus();
    if (!Find(window) || !focus || !text) return;
    for (const wchar_t* c = text; *c; ++c)
        QueueInput(MSG{focus, WM_CHAR, static_cast<WPARAM>(*c), 1, MessageTimeNow(), CursorPosition()});
}

void CloseRequested(HWND window)
{
    Window* w = Find(window);
    if (w && !w->parent) PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void ActivationChanged(HWND window, bool active)
{
    Window* w = Find(window);
    if (!w || w->parent) return;
    if (active) Activate(window);
    else if (ActiveWindow() == window) Activate(nullptr);
}

}  // namespace platform::input
