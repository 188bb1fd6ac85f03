// Keeps D-Bus autolaunch out of start-up. SDL asks libdbus for the session
// bus (screen saver, input methods); where none runs, libdbus starts
// dbus-launch, which costs a process and tens of milliseconds before the
// first frame and leaves a bus daemon behind for nothing.
#pragma once

namespace platform {

// Whether a session bus can be reached without starting one: its address is
// given (`address`, DBUS_SESSION_BUS_ADDRESS) or the per-user bus socket
// exists in `runtimeDir` (XDG_RUNTIME_DIR). Either may be null.
bool SessionBusExists(const char* address, const char* runtimeDir);

// Turns the session bus off for this process when none exists. Call before
// SDL_Init.
void KeepSessionBusFromAutolaunching();

}  // namespace platform
