// Text helpers shared by every layer. All text is wide; on Linux wchar_t is
// UTF-32, so wide-string arguments in formats are always written %ls.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

// Longest result Format produces; anything longer leaves the string empty.
inline constexpr std::size_t kFormatMaxLength = 0xFFFFE;

// printf-style formatting. A result of at most 255 characters is made in a
// 256-character buffer; a longer one is measured and made again when it is at
// most kFormatMaxLength characters long; otherwise the result is empty.
std::wstring Format(const wchar_t* format, ...);
std::wstring FormatV(const wchar_t* format, va_list args);

// Remove leading or trailing blanks (U+0020) and tabs (U+0009), nothing else.
std::wstring TrimLeft(const std::wstring& text);
std::wstring TrimRight(const std::wstring& text);

// Scans the text with "%f". An empty text gives false and 0; otherwise the
// result is true only when exactly one value was converted.
bool ToFloat(const std::wstring& text, float& value);

// Copies into a buffer of `capacity` characters, always terminated and
// truncated to capacity - 1; returns the number of characters copied. A null
// buffer or a capacity of 0 copies nothing.
std::size_t CopyTo(const std::wstring& text, wchar_t* buffer, std::size_t capacity);
