// Counts that only our own implementation can give: how many timers are
// running and how many posted messages wait. Linux only; a soak reads them
// to see that nothing piles up.
#pragma once

namespace kytest {

unsigned LiveTimerCount();
unsigned PostedMessageCount();

}  // namespace kytest
