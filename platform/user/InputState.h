// Keyboard, pointer, focus, capture and activation state shared by the
// input entry points, the message queue and the Win32 calls.
#pragma once

#include "platform/user/user.h"

namespace platform::user {

// Screen position of the pointer as last reported.
POINT CursorPosition();
void SetCursorPosition(POINT screen, HWND windowUnderPointer);
// The window under the pointer (null when it is over no window of ours).
HWND PointerWindow();

// Key state as input arrives (for MK_ flags) and as messages are retrieved
// (for GetKeyState), as on Windows.
bool IsKeyDownNow(UINT virtualKey);
void SetKeyDownNow(UINT virtualKey, bool down);
WPARAM MouseKeyFlagsNow();
void InputRetrieved(const MSG& msg);
// The character TranslateMessage makes of a key (Backspace, Tab, Enter,
// Escape, Ctrl+letter), or 0.
WCHAR ControlCharacterFor(UINT virtualKey);

// Posts WM_MOUSELEAVE when the pointer is no longer over the tracked window.
void CheckMouseLeave();

// Makes a top-level window the active one, with the activation messages.
void Activate(HWND topLevel);
HWND ActiveWindow();

// Called as a window goes away or is hidden: focus, capture, activation
// and tracking must not stay on it or its children.
void ForgetHidden(HWND hwnd);
void ForgetDestroyed(HWND hwnd);

}  // namespace platform::user
