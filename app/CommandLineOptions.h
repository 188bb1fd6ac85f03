// The options the Linux program answers on its command line before any
// window opens: --help and --version. Anything else that looks like an
// option is refused with the usage; other words are left to the program,
// which ignores them as Windows does.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/win32.h"

struct OptionsReply {
    bool answered = false;  // false: no option given, the program starts
    int exitCode = 0;
    std::wstring out;  // for standard output
    std::wstring err;  // for standard error
};

// `arguments` without the program's own name; the version line is made of
// the version record's product name and product version.
OptionsReply ReplyToOptions(const std::vector<std::string>& arguments, const std::wstring& productName,
                            const std::array<WORD, 4>& productVersion);
