#include "context/ModulePaths.h"

#include <gtest/gtest.h>

#include <string>

TEST(ModulePaths, DirectoryKeepsTheLastSeparatorOfEitherKindAndTheNameFollowsIt)
{
    const std::wstring atLimit = L"C:\\" + std::wstring(kPathCapacity - 3, L'a');
    const struct { std::wstring path, directory, fileName; } cases[] = {
        {L"C:\\Program Files\\Lens\\lens.exe", L"C:\\Program Files\\Lens\\", L"lens.exe"},
        {L"/opt/lens/bin/lens", L"/opt/lens/bin/", L"lens"},
        {L"C:\\mixed/dirs\\x.exe", L"C:\\mixed/dirs\\", L"x.exe"},
        {L"C:\\dir\\", L"C:\\dir\\", L""}, {L"lens.exe", L"", L"lens.exe"}, {L"", L"", L""},
        // Paths longer than the classic limit have no directory.
        {atLimit, L"C:\\", atLimit.substr(3)},
        {atLimit + L"a", L"", atLimit + L"a"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DirectoryOf(c.path), c.directory) << c.path.size();
        EXPECT_EQ(FileNameOf(c.path), c.fileName) << c.path.size();
    }
}

// Only A-Z and a-z fold: not Latin-1, nor what sits next to them.
TEST(ModulePaths, FindNoCaseFoldsOnlyAsciiLetters)
{
    const struct { const wchar_t *text, *pattern; std::size_t at; } cases[] = {
        {L"C:\\LENS\\PROG.EXE -x", L"prog.exe", 8}, {L"abcABC", L"CA", 2}, {L"prog", L"prog", 0},
        {L"pro", L"prog", std::wstring::npos},     {L"ÄBC", L"äbc", std::wstring::npos},
        {L"[x]", L"{X}", std::wstring::npos},      {L"@", L"`", std::wstring::npos},
        {L"abc", L"", std::wstring::npos},         {L"abc", nullptr, std::wstring::npos},
        {nullptr, L"a", std::wstring::npos}};
    for (const auto& c : cases)
        EXPECT_EQ(FindNoCase(c.text, c.pattern), c.at) << (c.text ? c.text : L"null");
}

// Command lines as Windows writes them: a quoted path's match stops before
// the closing quotation mark; a short name does not hold the long one; only
// blanks are skipped, and only at the start.
TEST(ModulePaths, ArgumentsOf)
{
    const struct { const wchar_t *commandLine, *name, *arguments; } cases[] = {
        {L"\"C:\\Lens Demo\\prog.exe\" -x", L"prog.exe", L"\" -x"}, {L"PROG.EXE   -x", L"prog.exe", L"-x"},
        {L"  C:\\LENSDE~1\\PROG~1.EXE -x", L"program.exe", L"C:\\LENSDE~1\\PROG~1.EXE -x"},
        {L"prog.exe", L"prog.exe", L""}, {L"prog.exe \t-x  ", L"prog.exe", L"\t-x  "}, {L"x", L"", L"x"},
        {nullptr, L"prog.exe", L""}};
    for (const auto& c : cases)
        EXPECT_EQ(ArgumentsOf(c.commandLine, c.name), c.arguments) << (c.commandLine ? c.commandLine : L"null");
}
