#include "app/CommandLineOptions.h"

#include "base/Text.h"

namespace {

const wchar_t kUsage[] =
    L"Usage: lens-demo [--scale S] [--help | --version]\n"
    L"Shows how a convex or a concave lens forms the image of a candle.\n"
    L"\n"
    L"  --help      print this help and exit\n"
    L"  --version   print the version and exit\n"
    L"  --scale S   display scale: 1, 1.25, 1.5, 1.75, 2, 2.5 or 3\n";

// A lone "-" is a word, as for most programs.
bool IsOption(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

std::wstring Widen(const std::string& text)
{
    // Bytes outside ASCII are shown as '?': the text only echoes a mistake.
    std::wstring wide;
    for (unsigned char c : text) wide.push_back(c < 0x80 ? static_cast<wchar_t>(c) : L'?');
    return wide;
}

}  // namespace

OptionsReply ReplyToOptions(const std::vector<std::string>& arguments, const std::wstring& productName,
                            const std::array<WORD, 4>& productVersion)
{
    OptionsReply reply;
    bool help = false, version = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--scale") {
            // Its value is checked by the display, which knows the allowed steps.
            ++i;
        } else if (argument == "--help") {
            help = true;
        } else if (argument == "--version") {
            version = true;
        } else if (IsOption(argument)) {
            // A mistyped option must not start the program as if nothing was asked.
            reply.answered = true;
            reply.exitCode = 2;
            reply.err = L"lens-demo: unknown option '" + Widen(argument) + L"'\n" + kUsage;
            return reply;
        }
    }
    reply.answered = help || version;
    if (help)
        reply.out = kUsage;
    else if (version)
        reply.out = Format(L"%ls %u.%u.%u.%u\n", productName.c_str(), unsigned{productVersion[0]},
                           unsigned{productVersion[1]}, unsigned{productVersion[2]}, unsigned{productVersion[3]});
    return reply;
}
