#include "base/Text.h"

#include "platform/win32.h"

#include <cwchar>
#include <vector>

std::wstring Format(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    std::wstring result = FormatV(format, args);
    va_end(args);
    return result;
}

std::wstring FormatV(const wchar_t* format, va_list args)
{
    if (format == nullptr)
        return {};

    wchar_t small[256];
    va_list attempt;
    va_copy(attempt, args);
    int written = vswprintf(small, 256, format, attempt);
    va_end(attempt);
    if (written >= 0 && written < 256)
        return std::wstring(small, static_cast<std::size_t>(written));

    // vswprintf cannot tell the length it needed (glibc answers -1), so the
    // runtime's own measuring function decides.
    va_list measure;
    va_copy(measure, args);
    int needed = _vscwprintf(format, measure);
    va_end(measure);
    if (needed < 0 || static_cast<std::size_t>(needed) > kFormatMaxLength)
        return {};

    std::vector<wchar_t> large(static_cast<std::size_t>(needed) + 1);
    va_list again;
    va_copy(again, args);
    written = vswprintf(large.data(), large.size(), format, again);
    va_end(again);
    if (written != needed)
        return {};
    return std::wstring(large.data(), static_cast<std::size_t>(written));
}

namespace {
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
}

std::wstring TrimLeft(const std::wstring& text)
{
    std::size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    return text.substr(first);
}

std::wstring TrimRight(const std::wstring& text)
{
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1]))
        --end;
    return text.substr(0, end);
}

bool ToFloat(const std::wstring& text, float& value)
{
    value = 0.0f;
    if (text.empty())
        return false;
    float scanned = 0.0f;
    if (swscanf(text.c_str(), L"%f", &scanned) != 1)
        return false;
    value = scanned;
    return true;
}

std::size_t CopyTo(const std::wstring& text, wchar_t* buffer, std::size_t capacity)
{
    if (buffer == nullptr || capacity == 0)
        return 0;
    std::size_t count = text.size() < capacity - 1 ? text.size() : capacity - 1;
    text.copy(buffer, count);
    buffer[count] = L'\0';
    return count;
}
