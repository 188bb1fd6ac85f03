// The module's own path, file attributes, and the resources and version
// record embedded from the program's resource script, as the program finds
// them.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring OwnPath()
{
    wchar_t path[MAX_PATH];
    return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
}

TEST(Kernel, ShortBufferTruncatesAndTerminates)
{
    const std::wstring path = OwnPath();
    wchar_t buffer[6] = {L'x', L'x', L'x', L'x', L'x', L'x'};
    SetLastError(0);
    EXPECT_EQ(GetModuleFileNameW(nullptr, buffer, 5), 5u);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::wstring(buffer, 4), path.substr(0, 4));
    // Windows terminates within the buffer; Wine, like Windows XP, fills
    // it without a terminator. Either way nothing beyond it is touched.
    EXPECT_TRUE(buffer[4] == L'\0' || buffer[4] == path[4]);
    EXPECT_EQ(buffer[5], L'x');
}

TEST(Kernel, FileAttributesTellFoldersFromFilesAndMissingOnes)
{
    const std::wstring folder = OwnPath().substr(0, OwnPath().find_last_of(L"\\/"));
    EXPECT_NE(GetFileAttributesW(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_EQ(GetFileAttributesW(OwnPath().c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    for (const wchar_t* name : {L"/no-such-file", L"/no-such-folder/file"})
        EXPECT_EQ(GetFileAttributesW((folder + name).c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(Kernel, ResourcesAreFoundByNumberAndMissingOnesAreNot)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC candle = FindResourceW(module, MAKEINTRESOURCEW(180), L"BIN");
    ASSERT_NE(candle, nullptr);
    EXPECT_GT(SizeofResource(module, candle), 0u);
    EXPECT_NE(LockResource(LoadResource(module, candle)), nullptr);
    EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(179), L"BIN"), nullptr);
    EXPECT_EQ(FindResourceW(module, MAKEINTRESOURCEW(180), L"BINX"), nullptr);
    HICON icon = LoadIconW(module, MAKEINTRESOURCEW(102));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(LoadIconW(module, MAKEINTRESOURCEW(102)), icon) << "shared";
    EXPECT_EQ(LoadIconW(module, MAKEINTRESOURCEW(103)), nullptr);
}

// The program's own version record is read in the context tests; files
// without one give nothing.
TEST(Kernel, FilesWithoutAVersionRecordGiveNothing)
{
    const std::wstring folder = OwnPath().substr(0, OwnPath().find_last_of(L"\\/"));
    // CTestTestfile.cmake is a plain file that CTest keeps beside every test executable.
    for (const std::wstring& path : {folder + L"/no-such-file.exe", folder + L"/CTestTestfile.cmake"}) {
        SCOPED_TRACE(testing::PrintToString(path));
        DWORD handle = 1;
        EXPECT_EQ(GetFileVersionInfoSizeW(path.c_str(), &handle), 0u);
        unsigned char buffer[64];
        EXPECT_FALSE(GetFileVersionInfoW(path.c_str(), 0, sizeof buffer, buffer));
    }
}

}  // namespace
