// Wide text (UTF-32 here) to the UTF-8 that pango, fontconfig and file
// names want. Unpaired surrogates and out-of-range values become U+FFFD.
#pragma once

#include <cstddef>
#include <string>

namespace platform::gdi {

std::string ToUtf8(const wchar_t* text, size_t length);

}  // namespace platform::gdi
