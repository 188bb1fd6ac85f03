// The window procedures of the system control classes, and their registration.
#pragma once

#include "platform/win32.h"

namespace platform::controls {

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ScrollBarProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Registers "button", "edit" and "ScrollBar" once; true when they exist.
bool RegisterSystemClasses();

// The per-window object of a control, kept in its first extra bytes.
template <class T>
T* StateOf(HWND hwnd)
{
    return reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, 0));
}

}  // namespace platform::controls
