// GetCommandLineW rebuilds a Windows command line from the arguments the
// process got, quoted so that the Microsoft C runtime would split it back
// into the same arguments.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

std::string OutputOf(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return output;
    char buffer[256];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    pclose(pipe);
    return output;
}

TEST(KernelCommandLine, ArgumentsAreQuotedAsWindowsWould) {
    const std::string helper = KY_COMMAND_LINE_HELPER;
    const struct { std::string shell, expected; } cases[] = {
        {"", ""},
        {" plain 'two words' 'quote\"in' '' 'back\\slash\\' 'end space\\' 凸透镜",
         " plain \"two words\" \"quote\\\"in\" \"\" back\\slash\\ \"end space\\\\\" 凸透镜"}};
    for (const auto& c : cases) EXPECT_EQ(OutputOf("'" + helper + "'" + c.shell), helper + c.expected);
}

}  // namespace
