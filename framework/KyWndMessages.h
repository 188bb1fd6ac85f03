// Messages every framework window posts to itself or understands.
// WM_USER + 105 and above belong to the individual window classes.
#pragma once

#include "platform/win32.h"

// First showing of the window; posted once per object.
inline constexpr UINT KYWM_SHOWN = WM_USER + 101;
// Every WM_SIZE, after the buffers are adjusted; lParam is WM_SIZE's.
inline constexpr UINT KYWM_SIZED = WM_USER + 102;
// Activation or enabling changed; wParam says whether it is now on.
inline constexpr UINT KYWM_ACTIVECHANGED = WM_USER + 103;
// Restore the window and bring it to the foreground.
inline constexpr UINT KYWM_RESTORE = WM_USER + 104;

// Timer id the framework keeps for itself on every window (see OnBaseTimer).
inline constexpr UINT_PTR kBaseTimerId = 1;
