// Placing a window in the middle of the area it lives in: its parent's client
// area for a child, the desktop work area (the screen without task bars) for
// a top-level window. The size is kept.
#pragma once

#include "platform/win32.h"

// Top-left corner that centres a window of `width` x `height` in `area`; the
// area's own origin counts, so a task bar on the left or top is allowed for.
POINT CenteredOrigin(const RECT& area, int width, int height);

void CenterWindow(HWND window);
