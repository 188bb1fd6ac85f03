// The few Microsoft C runtime extensions the program uses.
#pragma once

#include <cstdarg>

// Number of characters the formatted result needs, without the terminator;
// -1 when the format cannot be applied.
int _vscwprintf(const wchar_t* format, va_list args);
