// The program's entry on Linux: it chooses the real display and starts the
// program at wWinMain with the arguments Windows would pass. Linked only by
// the program, never by tests (they run on the headless display).
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/display/ComposeTable.h"
#include "platform/display/DisplayScale.h"
#include "platform/display/SdlDisplay.h"
#include "platform/gdi/FontEngine.h"
#include "platform/kernel/WideText.h"
#include "platform/win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, LPWSTR commandLine, int show);
// The program's own options, answered before any window opens: true when
// it answered, with the exit code and the texts for stdout and stderr.
bool AnswerOptions(int argc, char** argv, int* exitCode, std::wstring* out, std::wstring* err);

namespace {

const char* programName = "lens-demo";

// Without a window nothing can ever arrive, so the program says why and
// stops instead of waiting for ever. One line, so a launcher can show it.
[[noreturn]] void NoDisplay(const char* reason)
{
    std::fprintf(stderr, "%s: cannot open a window: no usable display (%s)\n", programName, reason ? reason : "");
    std::_Exit(2);
}

// What Windows hands to wWinMain: the command line after the program's
// name, quoted or not, and after the blanks that follow it.
LPWSTR ArgumentsOf(LPWSTR commandLine)
{
    static wchar_t empty[1] = {0};
    if (!commandLine) return empty;
    wchar_t* p = commandLine;
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t') ++p;
    }
    while (*p == L' ' || *p == L'\t') ++p;
    return p;
}

// `--scale S` overrides the desktop's scale. 0 when not given; a value that
// is not allowed ends the program with one line, before any window opens.
double RequestedScale(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") != 0) continue;
        double scale = 0;
        if (i + 1 == argc || !platform::ParseDisplayScale(argv[i + 1], &scale)) {
            std::fprintf(stderr, "%s: --scale needs one of 1, 1.25, 1.5, 1.75, 2, 2.5, 3%s%s%s\n", programName,
                         i + 1 < argc ? " (not '" : "", i + 1 < argc ? argv[i + 1] : "", i + 1 < argc ? "')" : "");
            std::exit(2);
        }
        return scale;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 0 && argv[0] && *argv[0]) {
        const char* slash = std::strrchr(argv[0], '/');
        programName = slash ? slash + 1 : argv[0];
    }
    int exitCode = 0;
    std::wstring out, err;
    if (AnswerOptions(argc, argv, &exitCode, &out, &err)) {
        std::fputs(platform::kernel::Utf8FromWide(out).c_str(), stdout);
        std::fputs(platform::kernel::Utf8FromWide(err).c_str(), stderr);
        return exitCode;
    }
    const double requested = RequestedScale(argc, argv);
    platform::SdlDisplay display(NoDisplay);
    std::string reason;
    {
        // The focal length box takes a number: no compose sequences needed.
        platform::WithoutComposeTable withoutCompose;
        if (!display.Open(&reason)) NoDisplay(reason.c_str());
    }
    // Read while the program decodes its pictures and makes its windows.
    platform::gdi::LoadFontConfigurationAhead();
    platform::SetDisplayScale(requested > 0 ? requested : platform::DesktopScale());
    platform::SetDisplayBackend(&display);
    int result = wWinMain(GetModuleHandleW(nullptr), nullptr, ArgumentsOf(GetCommandLineW()), SW_SHOWDEFAULT);
    // Whatever is torn down after this (static objects) sees no real display.
    platform::SetDisplayBackend(nullptr);
    return result;
}
