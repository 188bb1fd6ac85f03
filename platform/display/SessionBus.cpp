#include "platform/display/SessionBus.h"

#include <sys/stat.h>

#include <cstdlib>
#include <string>

namespace platform {

bool SessionBusExists(const char* address, const char* runtimeDir)
{
    if (address != nullptr && *address != '\0') return true;
    if (runtimeDir == nullptr || *runtimeDir == '\0') return false;
    struct stat info{};
    return stat((std::string(runtimeDir) + "/bus").c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

void KeepSessionBusFromAutolaunching()
{
    if (SessionBusExists(std::getenv("DBUS_SESSION_BUS_ADDRESS"), std::getenv("XDG_RUNTIME_DIR"))) return;
    // libdbus knows "disabled:" as an address that never connects and never autolaunches.
    setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

}  // namespace platform
