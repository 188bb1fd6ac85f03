// The program's own module, for the other kernel files.
#pragma once

#include "platform/types.h"

#include <string>

namespace platform::kernel {

// The handle GetModuleHandleW(NULL) gives; also accepted wherever a module
// handle is expected (a null module means the same).
HMODULE OwnModule();
bool IsOwnModule(HMODULE module);

// Absolute path of the running executable (UTF-8), empty when unknown.
const std::string& OwnExecutablePath();

}  // namespace platform::kernel
