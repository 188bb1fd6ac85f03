// Command ids the lens view's buttons post with KYWM_BUTTONCLICK, and the
// view's own timer.
#pragma once

#include "platform/win32.h"

inline constexpr int CMD_UPDATE = 1;
inline constexpr int CMD_MOVE_LEFT = 2;
inline constexpr int CMD_MOVE_RIGHT = 3;
inline constexpr int CMD_ZOOM_IN = 4;
inline constexpr int CMD_ZOOM_OUT = 5;

// Drives the auto-repeating buttons while they are held.
inline constexpr UINT_PTR REPEAT_TIMER = 2;
inline constexpr UINT kRepeatPeriodMs = 100;
