// The thread's message queue: posted messages, queued input, and the
// synthesised WM_PAINT and WM_TIMER, retrieved in Windows' order.
#pragma once

#include "platform/user/user.h"

namespace platform::user {

// Calls the window procedure; 0 for an unknown window.
LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Queues an input message (already aimed at its window). Consecutive
// pointer moves to the same window are merged, as Windows does.
void QueueInput(const MSG& msg);

// Drops every queued message for a window that is going away.
void DropMessagesFor(HWND hwnd);

// The current time as message times carry it.
DWORD MessageTimeNow();

// Posted messages waiting in the queue (a census for tests).
unsigned PostedCount();

}  // namespace platform::user
