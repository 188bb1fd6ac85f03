// The program's own path, fetched once and kept for the rest of the run, and
// the path and command-line helpers built on it.
#pragma once

#include "platform/win32.h"

#include <cstddef>
#include <string>

// Longest path the helpers accept, as Windows' classic MAX_PATH.
inline constexpr std::size_t kPathCapacity = 260;

// The full path of the program file.
const std::wstring& ModulePath();

// The path that GetModuleFileNameW left in `buffer` when it answered
// `length`: up to the first terminator, never past `length` or the buffer.
std::wstring WrittenPath(const wchar_t (&buffer)[kPathCapacity], DWORD length);

// The directory part of `path` with its trailing backslash or slash; empty
// for an empty path, one longer than kPathCapacity, or one without any
// separator.
std::wstring DirectoryOf(const std::wstring& path);

// What follows DirectoryOf(path); the whole path when that is empty.
std::wstring FileNameOf(const std::wstring& path);

std::wstring ModuleDirectory();
std::wstring ModuleFileName();

// Position of the first occurrence of `needle` in `text`, folding only the
// ASCII letters A-Z onto a-z; std::wstring::npos when there is none or the
// needle is null or empty.
std::size_t FindNoCase(const wchar_t* text, const wchar_t* needle);

// The command line after the program's file name (or all of it when the name
// does not occur in it), without leading blanks. A quoted program path leaves
// its closing quotation mark at the start.
std::wstring ArgumentsOf(const wchar_t* commandLine, const std::wstring& programFileName);
