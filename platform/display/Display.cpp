// The one place where the display is chosen.
#include "platform/display/DisplayBackend.h"
#include "platform/display/HeadlessBackend.h"

namespace platform {
namespace {

DisplayBackend* chosen = nullptr;

}  // namespace

DisplayBackend& Display() { return chosen ? *chosen : HeadlessBackend::Instance(); }

void SetDisplayBackend(DisplayBackend* backend) { chosen = backend; }

}  // namespace platform
