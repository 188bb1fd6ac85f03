// The program's own module handle, asked of the system once and kept for
// the life of the process.
#pragma once

#include "platform/win32.h"

HINSTANCE ProgramModule();
