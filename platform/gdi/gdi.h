// Win32 gdi functions, constants and structures of our own implementation.
#pragma once

#include "platform/types.h"
