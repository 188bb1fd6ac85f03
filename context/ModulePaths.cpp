#include "context/ModulePaths.h"

#include <algorithm>

std::wstring WrittenPath(const wchar_t (&buffer)[kPathCapacity], DWORD length)
{
    // A truncated path may come back unterminated (Windows XP does that), so
    // the terminator is looked for only within what the call wrote.
    const wchar_t* end = buffer + std::min<std::size_t>(length, kPathCapacity);
    return std::wstring(buffer, std::find(buffer, end, L'\0'));
}

const std::wstring& ModulePath()
{
    static std::wstring path;
    if (path.empty()) {
        wchar_t buffer[kPathCapacity] = {};
        const DWORD length = GetModuleFileNameW(nullptr, buffer, kPathCapacity);
        path = WrittenPath(buffer, length);
    }
    return path;
}

std::wstring DirectoryOf(const std::wstring& path)
{
    if (path.empty() || path.size() > kPathCapacity)
        return {};
    const std::size_t separator = path.find_last_of(L"\\/");
    // A bare file name has no directory; answering the name itself would
    // leave nothing for the file name.
    if (separator == std::wstring::npos)
        return {};
    return path.substr(0, separator + 1);
}

std::wstring FileNameOf(const std::wstring& path)
{
    return path.substr(DirectoryOf(path).size());
}

std::wstring ModuleDirectory()
{
    return DirectoryOf(ModulePath());
}

std::wstring ModuleFileName()
{
    return FileNameOf(ModulePath());
}

namespace {
wchar_t FoldAscii(wchar_t c)
{
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}
}  // namespace

std::size_t FindNoCase(const wchar_t* text, const wchar_t* needle)
{
    if (text == nullptr || needle == nullptr || needle[0] == L'\0')
        return std::wstring::npos;
    const std::size_t textLength = std::wcslen(text);
    const std::size_t needleLength = std::wcslen(needle);
    for (std::size_t start = 0; start + needleLength <= textLength; ++start) {
        std::size_t i = 0;
        while (i < needleLength && FoldAscii(text[start + i]) == FoldAscii(needle[i]))
            ++i;
        if (i == needleLength)
            return start;
    }
    return std::wstring::npos;
}

std::wstring ArgumentsOf(const wchar_t* commandLine, const std::wstring& programFileName)
{
    if (commandLine == nullptr)
        return {};
    const std::size_t match = FindNoCase(commandLine, programFileName.c_str());
    const wchar_t* rest = commandLine;
    if (match != std::wstring::npos)
        rest += match + std::wcslen(programFileName.c_str());
    while (*rest == L' ')
        ++rest;
    return rest;
}
