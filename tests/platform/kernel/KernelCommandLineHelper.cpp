// Prints GetCommandLineW as UTF-8, for KernelCommandLineTest to start with
// arguments of its choosing.
#include "platform/kernel/WideText.h"
#include "platform/win32.h"

#include <cstdio>

int main() {
    std::fputs(platform::kernel::Utf8FromWide(GetCommandLineW()).c_str(), stdout);
    return 0;
}
