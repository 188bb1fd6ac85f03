// Failures on demand for tests (Linux only): arm the Nth GDI object, DC or
// surface creation, GDI+ start-up, decode or draw, or SetTimer to fail, and
// see whether the armed attempt was reached.
#pragma once

#include "platform/kernel/FaultInjection.h"

namespace kytest {

using platform::faults::Armed;
using platform::faults::FailNth;
using FaultSite = platform::faults::Site;

}  // namespace kytest
