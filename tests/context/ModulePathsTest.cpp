#include "context/ModulePaths.h"
#include "framework/ProgramModule.h"

#include <gtest/gtest.h>

#include <string>

TEST(DirectoryOf, KeepsTheLastSeparatorOfEitherKind)
{
    EXPECT_EQ(DirectoryOf(L"C:\\Program Files\\Lens\\lens.exe"), L"C:\\Program Files\\Lens\\");
    EXPECT_EQ(DirectoryOf(L"/opt/lens/bin/lens"), L"/opt/lens/bin/");
    EXPECT_EQ(DirectoryOf(L"C:\\mixed/dirs\\x.exe"), L"C:\\mixed/dirs\\");
    EXPECT_EQ(DirectoryOf(L"C:\\dir\\"), L"C:\\dir\\");
    EXPECT_EQ(DirectoryOf(L"lens.exe"), L"");
    EXPECT_EQ(DirectoryOf(L""), L"");
}

TEST(DirectoryOf, PathsLongerThanTheClassicLimitGiveNothing)
{
    const std::wstring atLimit = L"C:\\" + std::wstring(kPathCapacity - 3, L'a');
    EXPECT_EQ(DirectoryOf(atLimit), L"C:\\");
    EXPECT_EQ(DirectoryOf(atLimit + L"a"), L"");
    EXPECT_EQ(FileNameOf(atLimit + L"a"), atLimit + L"a");
}

TEST(FileNameOf, IsWhatFollowsTheDirectory)
{
    EXPECT_EQ(FileNameOf(L"C:\\Lens\\lens.exe"), L"lens.exe");
    EXPECT_EQ(FileNameOf(L"C:\\Lens\\"), L"");
    EXPECT_EQ(FileNameOf(L"lens.exe"), L"lens.exe");
}

TEST(FindNoCase, FoldsOnlyAsciiLetters)
{
    EXPECT_EQ(FindNoCase(L"C:\\LENS\\PROG.EXE -x", L"prog.exe"), 8u);
    EXPECT_EQ(FindNoCase(L"abcABC", L"CA"), 2u);
    EXPECT_EQ(FindNoCase(L"prog", L"prog"), 0u);
    EXPECT_EQ(FindNoCase(L"pro", L"prog"), std::wstring::npos);
    EXPECT_EQ(FindNoCase(L"ÄBC", L"äbc"), std::wstring::npos);  // Latin-1 is not folded
    EXPECT_EQ(FindNoCase(L"[x]", L"{X}"), std::wstring::npos);  // nor what sits next to A-Z
    EXPECT_EQ(FindNoCase(L"@", L"`"), std::wstring::npos);
    EXPECT_EQ(FindNoCase(L"abc", L""), std::wstring::npos);
    EXPECT_EQ(FindNoCase(L"abc", nullptr), std::wstring::npos);
    EXPECT_EQ(FindNoCase(nullptr, L"a"), std::wstring::npos);
}

TEST(ArgumentsOf, CommandLinesAsWindowsWritesThem)
{
    // Quoted path: the match stops before the closing quotation mark.
    EXPECT_EQ(ArgumentsOf(L"\"C:\\Lens Demo\\prog.exe\" -x", L"prog.exe"), L"\" -x");
    EXPECT_EQ(ArgumentsOf(L"PROG.EXE   -x", L"prog.exe"), L"-x");
    // Started through a short name: the long name is not there at all.
    EXPECT_EQ(ArgumentsOf(L"  C:\\LENSDE~1\\PROG~1.EXE -x", L"program.exe"), L"C:\\LENSDE~1\\PROG~1.EXE -x");
    EXPECT_EQ(ArgumentsOf(L"prog.exe", L"prog.exe"), L"");
    // Only blanks are skipped, and only at the start.
    EXPECT_EQ(ArgumentsOf(L"prog.exe \t-x  ", L"prog.exe"), L"\t-x  ");
    EXPECT_EQ(ArgumentsOf(L"x", L""), L"x");
    EXPECT_EQ(ArgumentsOf(nullptr, L"prog.exe"), L"");
}

TEST(ModulePath, NamesThisExecutable)
{
    const std::wstring& path = ModulePath();
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(ModuleDirectory() + ModuleFileName(), path);
    EXPECT_NE(FindNoCase(ModuleFileName().c_str(), L"context_path_tests"), std::wstring::npos);
    const wchar_t last = ModuleDirectory().back();
    EXPECT_TRUE(last == L'\\' || last == L'/');
    EXPECT_EQ(ProgramModule(), GetModuleHandleW(nullptr));
}
