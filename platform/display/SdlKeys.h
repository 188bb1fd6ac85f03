// SDL key codes to Windows virtual-key codes.
#pragma once

#include <SDL.h>

#include "platform/types.h"

namespace platform {

// The virtual key for an SDL key (left and right modifiers both give the
// generic VK_SHIFT, VK_CONTROL or VK_MENU, as wParam does on Windows);
// 0 for a key the program cannot tell apart.
UINT VirtualKeyFor(SDL_Keycode key);

}  // namespace platform
