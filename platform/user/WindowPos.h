// Size and position changes shared by the Win32 calls and the display's
// notifications.
#pragma once

#include "platform/user/WindowTree.h"

namespace platform::user {

// The window's MINMAXINFO as its procedure answers it; for a top-level
// window the display learns the minimum size.
MINMAXINFO QueryMinMax(Window& w);

// Moves and resizes (rect in parent client coordinates, screen for top-level
// windows), sending WM_MOVE and WM_SIZE for what changed. `fromDisplay`
// means the native window already has this geometry.
void SetWindowRect(HWND hwnd, RECT rect, bool repaint, bool fromDisplay);

}  // namespace platform::user
