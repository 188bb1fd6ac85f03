// The test support over the real Windows: real time (sleeping while the
// queue is pumped), input posted to the window under the point or the
// capture window, pixels read through a window DC.
#include <algorithm>
#include <array>

#include "platform/testing/TestPlatform.h"

namespace kytest {
namespace {

// Buttons and modifier keys as the injected input left them, for MK_ flags.
std::array<bool, 256> keysDown;

WPARAM MouseFlags()
{
    WPARAM flags = 0;
    if (keysDown[VK_LBUTTON]) flags |= MK_LBUTTON;
    if (keysDown[VK_SHIFT]) flags |= MK_SHIFT;
    if (keysDown[VK_CONTROL]) flags |= MK_CONTROL;
    return flags;
}

// The deepest visible, enabled child under a screen point, starting from
// `window`'s top-level window; null when the point is outside it.
HWND WindowAt(HWND window, POINT screen)
{
    HWND current = GetAncestor(window, GA_ROOT);
    if (!current) return nullptr;
    RECT client;
    GetClientRect(current, &client);
    POINT p = screen;
    ScreenToClient(current, &p);
    if (!PtInRect(&client, p)) return nullptr;
    for (;;) {
        POINT local = screen;
        ScreenToClient(current, &local);
        HWND child = ChildWindowFromPointEx(current, local, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT);
        if (!child || child == current) return current;
        current = child;
    }
}

void PostMouse(HWND window, int x, int y, UINT message, WPARAM extra = 0)
{
    POINT screen{x, y};
    if (!ClientToScreen(window, &screen)) return;
    SetCursorPos(screen.x, screen.y);
    HWND target = GetCapture();
    if (!target) target = WindowAt(window, screen);
    if (!target) return;
    POINT local = screen;
    ScreenToClient(target, &local);
    PostMessageW(target, message, MouseFlags() | extra, MAKELPARAM(local.x, local.y));
}

void SetKey(UINT vk, bool down)
{
    keysDown[vk & 0xFF] = down;
    BYTE state[256];
    GetKeyboardState(state);
    state[vk & 0xFF] = down ? 0x80 : 0;
    SetKeyboardState(state);
}

void PostKey(UINT vk, bool down)
{
    bool wasDown = keysDown[vk & 0xFF];
    SetKey(vk, down);
    HWND target = GetFocus();
    if (!target) return;
    LPARAM lParam = 1;
    if (wasDown) lParam |= 1 << 30;
    if (!down) lParam |= static_cast<LPARAM>(0xC0000000u);
    PostMessageW(target, down ? WM_KEYDOWN : WM_KEYUP, vk, static_cast<LPARAM>(static_cast<DWORD>(lParam)));
}

}  // namespace

bool HasManualClock() { return false; }

void LetTimePass(unsigned milliseconds) { Sleep(milliseconds); }

void AdvanceClock(unsigned milliseconds)
{
    ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        PumpUntilIdle();
        ULONGLONG now = GetTickCount64();
        if (now >= end) break;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
    PumpUntilIdle();
}

void MovePointer(HWND window, int x, int y) { PostMouse(window, x, y, WM_MOUSEMOVE); }

void PressLeft(HWND window, int x, int y)
{
    keysDown[VK_LBUTTON] = true;
    PostMouse(window, x, y, WM_LBUTTONDOWN);
}

void ReleaseLeft(HWND window, int x, int y)
{
    keysDown[VK_LBUTTON] = false;
    PostMouse(window, x, y, WM_LBUTTONUP);
}

void Wheel(HWND window, int x, int y, int delta)
{
    POINT screen{x, y};
    if (!ClientToScreen(window, &screen)) return;
    HWND target = GetFocus();
    if (!target) return;
    PostMessageW(target, WM_MOUSEWHEEL, MAKEWPARAM(MouseFlags(), static_cast<short>(delta)), MAKELPARAM(screen.x, screen.y));
}

void KeyDown(HWND window, UINT virtualKey)
{
    if (IsWindow(window)) PostKey(virtualKey, true);
}

void KeyUp(HWND window, UINT virtualKey)
{
    if (IsWindow(window)) PostKey(virtualKey, false);
}

void TypeText(HWND window, const wchar_t* text)
{
    HWND target = GetFocus();
    if (!IsWindow(window) || !target || !text) return;
    for (const wchar_t* c = text; *c; ++c) PostMessageW(target, WM_CHAR, static_cast<WPARAM>(*c), 1);
}

COLORREF ReadPixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    if (!dc) return CLR_INVALID;
    COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

unsigned LiveWindowCount()
{
    unsigned count = 0;
    auto countTop = [](HWND hwnd, LPARAM p) -> BOOL {
        // The system gives the thread an input-method window of its own,
        // which comes and goes with the program's windows.
        wchar_t name[16];
        if (GetClassNameW(hwnd, name, 16) && (lstrcmpW(name, L"IME") == 0 || lstrcmpW(name, L"MSCTFIME UI") == 0))
            return TRUE;
        auto* n = reinterpret_cast<unsigned*>(p);
        ++*n;
        EnumChildWindows(hwnd, [](HWND, LPARAM q) -> BOOL {
            ++*reinterpret_cast<unsigned*>(q);
            return TRUE;
        }, p);
        return TRUE;
    };
    EnumThreadWindows(GetCurrentThreadId(), countTop, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace kytest
