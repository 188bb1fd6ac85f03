// The window procedures of the system control classes, and their registration.
#pragma once

#include "platform/win32.h"

namespace platform::controls {

// Registers "button", "edit" and "ScrollBar" once; true when they exist.
bool RegisterSystemClasses();

// The per-window object of a control, kept in its first extra bytes.
template <class T>
T* StateOf(HWND hwnd)
{
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, 0));
}

// The window procedure of control class T: its object lives from
// WM_NCCREATE, which it handles itself, to WM_NCDESTROY.
template <class T>
LRESULT CALLBACK ControlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(new T(hwnd)));
    T* control = StateOf<T>(hwnd);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, 0, 0);
        delete control;
        return 0;
    }
    if (!control) return DefWindowProcW(hwnd, message, wParam, lParam);
    return control->HandleMessage(message, wParam, lParam);
}

}  // namespace platform::controls
