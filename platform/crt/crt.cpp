#include "platform/crt/crt.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>

int _vscwprintf(const wchar_t* format, va_list args)
{
    // glibc's vswprintf only says "did not fit" (-1), so the length is
    // measured by writing into a memory stream that grows as needed.
    wchar_t* text = nullptr;
    size_t length = 0;
    FILE* stream = open_wmemstream(&text, &length);
    if (stream == nullptr)
        return -1;
    va_list copy;
    va_copy(copy, args);
    int written = vfwprintf(stream, format, copy);
    va_end(copy);
    fclose(stream);
    free(text);
    return written < 0 ? -1 : written;
}
