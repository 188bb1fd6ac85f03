// What the program answers to its command line: which argument lists it
// answers itself, with which exit code, on which stream.
#include <gtest/gtest.h>

#include "app/CommandLineOptions.h"

#include <tuple>

namespace {

OptionsReply Reply(const std::vector<std::string>& arguments)
{
    return ReplyToOptions(arguments, L"凸透镜与凹透镜成像演示", {1, 6, 2, 9});
}

TEST(CommandLineOptions, AnswersOnlyItsOwnOptions)
{
    const std::wstring usage = Reply({"--help"}).out;
    EXPECT_EQ(usage.rfind(L"Usage: lens-demo [--scale S] [--help | --version]\n", 0), 0u);
    EXPECT_NE(usage.find(L"\n  --scale S   display scale: 1, 1.25, 1.5, 1.75, 2, 2.5 or 3\n"), std::wstring::npos);
    const std::wstring version = L"凸透镜与凹透镜成像演示 1.6.2.9\n";
    const std::wstring unknown = L"lens-demo: unknown option '";
    const struct { std::vector<std::string> arguments; bool answered; int exitCode; std::wstring out, err; } cases[] = {
        {{}, false, 0, L"", L""},
        {{"notes.txt"}, false, 0, L"", L""},
        {{"-"}, false, 0, L"", L""},
        {{"--version"}, true, 0, version, L""},
        {{"--version", "--help"}, true, 0, usage, L""},
        {{"--versions"}, true, 2, L"", unknown + L"--versions'\n" + usage},
        {{"-h"}, true, 2, L"", unknown + L"-h'\n" + usage},
        {{"--help", "--x"}, true, 2, L"", unknown + L"--x'\n" + usage},
        {{"--scale", "2"}, false, 0, L"", L""},
        {{"--scale", "--help"}, false, 0, L"", L""},
        {{"--scale", "2", "--version"}, true, 0, version, L""},
        {{"-\xc3\xa9"}, true, 2, L"", unknown + L"-\?\?'\n" + usage},
    };
    for (const auto& c : cases) {
        const OptionsReply reply = Reply(c.arguments);
        EXPECT_EQ(std::tie(reply.answered, reply.exitCode, reply.out, reply.err),
                  std::tie(c.answered, c.exitCode, c.out, c.err)) << &c - cases;
    }
}

}  // namespace
