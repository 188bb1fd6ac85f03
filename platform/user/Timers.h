// Timers: WM_TIMER is synthesised when a timer is due and the queue has
// nothing else, so at most one is pending per timer.
#pragma once

#include <cstdint>

#include "platform/user/user.h"

namespace platform::user {

// The earliest due timer as a WM_TIMER message; removing it restarts its period.
bool NextDueTimer(MSG* msg, HWND filter, UINT min, UINT max, bool remove);
// Milliseconds until the next timer is due (0 if one is due, INFINITE if none).
DWORD MillisecondsToNextTimer();
// Clock time at which the next timer falls due; false if there is none.
bool NextTimerDue(uint64_t* time);
void KillTimersOf(HWND hwnd);
// True when some live timer was set with `proc`: only those are ever called.
bool IsTimerProcedure(TIMERPROC proc);
unsigned TimerCount();

}  // namespace platform::user
