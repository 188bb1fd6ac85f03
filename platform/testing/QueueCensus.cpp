#include "platform/testing/QueueCensus.h"

#include "platform/user/MessageQueue.h"
#include "platform/user/Timers.h"

namespace kytest {

unsigned LiveTimerCount() { return platform::user::TimerCount(); }
unsigned PostedMessageCount() { return platform::user::PostedCount(); }

}  // namespace kytest
