#include "framework/WheelNotches.h"

#include "platform/win32.h"

int WheelNotches::Add(int delta)
{
    if ((delta > 0 && pending < 0) || (delta < 0 && pending > 0))
        pending = 0;
    // The remainder stays below one notch, so a short delta cannot overflow it.
    pending += delta;
    const int notches = pending / WHEEL_DELTA;
    pending -= notches * WHEEL_DELTA;
    return notches;
}
