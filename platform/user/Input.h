// Entry points through which a display backend reports native events to
// USER. Coordinates are client coordinates of the top-level `window`. The
// events are queued as raw input and become window messages when they are
// retrieved, as on Windows: the target (window under the pointer, capture,
// focus) is decided at retrieval time.
#pragma once

#include "platform/types.h"

namespace platform::input {

enum class Button { Left, Right, Middle };

void PointerMoved(HWND window, int x, int y);
void PointerLeft(HWND window);  // the pointer left the native window
void ButtonPressed(HWND window, int x, int y, Button button);
void ButtonReleased(HWND window, int x, int y, Button button);
void WheelTurned(HWND window, int x, int y, int delta);  // multiples of 120, positive away from the user
void KeyPressed(HWND window, UINT virtualKey);
void KeyReleased(HWND window, UINT virtualKey);
void TextTyped(HWND window, const wchar_t* text);  // committed text, one WM_CHAR per character
void CloseRequested(HWND window);
void Resized(HWND window, int width, int height);  // the user or window manager changed the client size
void PixelsRemade(HWND window);                     // the native window's own pixels went: ask for them again
void Moved(HWND window, int x, int y);             // new client origin in screen coordinates
void MaximizedChanged(HWND window, bool maximized);
void ActivationChanged(HWND window, bool active);

}  // namespace platform::input
