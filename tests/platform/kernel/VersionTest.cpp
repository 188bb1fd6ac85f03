// The version record of the running executable, read the way the program
// reads its own: by path, through the version API.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <cwctype>
#include <string>
#include <vector>

namespace {

std::wstring OwnPath() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}

std::vector<unsigned char> ReadOwnRecord() {
    const std::wstring path = OwnPath();
    DWORD handle = 1;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    EXPECT_EQ(handle, 0u);
    std::vector<unsigned char> block(size);
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, block.data())) block.clear();
    return block;
}

TEST(Version, StringsAreTextWithCharacterLengths) {
    std::vector<unsigned char> block = ReadOwnRecord();
    ASSERT_FALSE(block.empty());
    const struct {
        const wchar_t* key;
        const wchar_t* expected;
    } strings[] = {
        {L"ProductName", L"凸透镜与凹透镜成像演示"},
        {L"FileVersion", L"1.6.0.0"},
        {L"ProductVersion", L"1.6.0.0"},
        {L"OriginalFilename", L"lens-demo.exe"},
    };
    for (const auto& s : strings) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + s.key;
        wchar_t* text = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length)) << path;
        EXPECT_STREQ(text, s.expected);
        EXPECT_EQ(length, std::wcslen(s.expected) + 1) << path;
    }
    for (const wchar_t* key : {L"CompanyName", L"FileDescription", L"InternalName", L"LegalCopyright"}) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + key;
        wchar_t* text = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length)) << path;
        EXPECT_GT(std::wcslen(text), 0u) << path;
    }
}

TEST(Version, KeysIgnoreCaseAndMissingKeysFail) {
    std::vector<unsigned char> block = ReadOwnRecord();
    ASSERT_FALSE(block.empty());
    void* value = nullptr;
    UINT length = 0;
    EXPECT_TRUE(VerQueryValueW(block.data(), L"\\stringfileinfo\\080404B0\\productname", &value, &length));
    EXPECT_FALSE(VerQueryValueW(block.data(), L"\\StringFileInfo\\080404b0\\Comments", &value, &length));
    EXPECT_FALSE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904b0\\ProductName", &value, &length));
    EXPECT_FALSE(VerQueryValueW(block.data(), L"\\NoSuchBlock", &value, &length));
}

TEST(Version, FilesWithoutOurRecordGiveNothing) {
    DWORD handle = 0;
    const std::wstring path = OwnPath();
    const std::wstring folder = path.substr(0, path.find_last_of(L"\\/"));
    const std::wstring missing = folder + L"/no-such-file.exe";
    SetLastError(0);
    EXPECT_EQ(GetFileVersionInfoSizeW(missing.c_str(), &handle), 0u);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(GetFileVersionInfoSizeW(folder.c_str(), &handle), 0u);
    unsigned char buffer[64];
    EXPECT_FALSE(GetFileVersionInfoW(missing.c_str(), 0, sizeof buffer, buffer));
    // A plain file that CTest keeps beside every test executable.
    const std::wstring text = folder + L"/CTestTestfile.cmake";
    ASSERT_NE(GetFileAttributesW(text.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileVersionInfoSizeW(text.c_str(), &handle), 0u);
    EXPECT_FALSE(GetFileVersionInfoW(text.c_str(), 0, sizeof buffer, buffer));
}

}  // namespace
