// The Linux entry asks here before it opens the display, so --help and
// --version work without one. The version line comes from the program's
// own version record, read as the window title reads it.
#include <string>
#include <vector>

#include "app/CommandLineOptions.h"
#include "context/ModulePaths.h"
#include "context/VersionInfo.h"

bool AnswerOptions(int argc, char** argv, int* exitCode, std::wstring* out, std::wstring* err)
{
    std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    VersionInfo version;
    version.Read(ModulePath());
    const std::wstring productName =
        version.stringTables.empty() ? L"lens-demo" : version.stringTables.front().productNameText;
    OptionsReply reply = ReplyToOptions(arguments, productName, version.productVersion);
    *exitCode = reply.exitCode;
    *out = reply.out;
    *err = reply.err;
    return reply.answered;
}
