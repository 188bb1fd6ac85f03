// What the program answers to its command line: which argument lists it
// answers itself, with which exit code, on which stream.
#include <gtest/gtest.h>

#include "app/CommandLineOptions.h"

namespace {

const std::wstring kUsage =
    L"Usage: lens-demo [--scale S] [--help | --version]\n"
    L"Shows how a convex or a concave lens forms the image of a candle.\n"
    L"\n"
    L"  --help      print this help and exit\n"
    L"  --version   print the version and exit\n"
    L"  --scale S   display scale: 1, 1.25, 1.5, 1.75, 2, 2.5 or 3\n";
const std::wstring kVersion = L"凸透镜与凹透镜成像演示 1.6.2.9\n";

struct Case {
    std::vector<std::string> arguments;
    bool answered;
    int exitCode;
    std::wstring out;
    std::wstring err;
};

const Case kCases[] = {
    {{}, false, 0, L"", L""},
    {{"notes.txt"}, false, 0, L"", L""},
    {{"-"}, false, 0, L"", L""},
    {{"--help"}, true, 0, kUsage, L""},
    {{"--version"}, true, 0, kVersion, L""},
    {{"--version", "--help"}, true, 0, kUsage, L""},
    {{"--versions"}, true, 2, L"", L"lens-demo: unknown option '--versions'\n" + kUsage},
    {{"-h"}, true, 2, L"", L"lens-demo: unknown option '-h'\n" + kUsage},
    {{"--help", "--x"}, true, 2, L"", L"lens-demo: unknown option '--x'\n" + kUsage},
    {{"--scale", "2"}, false, 0, L"", L""},
    {{"--scale", "--help"}, false, 0, L"", L""},
    {{"--scale", "2", "--version"}, true, 0, kVersion, L""},
    {{"-\xc3\xa9"}, true, 2, L"", L"lens-demo: unknown option '-\?\?'\n" + kUsage},
};

TEST(CommandLineOptions, AnswersOnlyItsOwnOptions)
{
    for (const Case& c : kCases) {
        std::string label;
        for (const std::string& argument : c.arguments) label += argument + " ";
        const OptionsReply reply = ReplyToOptions(c.arguments, L"凸透镜与凹透镜成像演示", {1, 6, 2, 9});
        EXPECT_EQ(reply.answered, c.answered) << label;
        EXPECT_EQ(reply.exitCode, c.exitCode) << label;
        EXPECT_EQ(reply.out, c.out) << label;
        EXPECT_EQ(reply.err, c.err) << label;
    }
}

}  // namespace
