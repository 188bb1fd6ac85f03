// Conversions between the program's wide text (UTF-32 wchar_t here) and the
// UTF-8 that Linux paths and the command line use.
#pragma once

#include <string>

namespace platform::kernel {

// Invalid UTF-8 becomes U+FFFD, one per bad byte.
std::wstring WideFromUtf8(const std::string& text);
// Characters that are not Unicode scalar values become U+FFFD.
std::string Utf8FromWide(const std::wstring& text);

}  // namespace platform::kernel
