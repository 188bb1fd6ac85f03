// The version record of the running executable, read the way the program
// reads its own: by path, through the version API.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH];
    const std::wstring own(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
    return own.substr(0, own.find_last_of(L"\\/"));
}

TEST(Version, StringsAreTextWithCharacterLengths) {
    wchar_t own[MAX_PATH];
    GetModuleFileNameW(nullptr, own, MAX_PATH);
    DWORD handle = 1;
    std::vector<unsigned char> block(GetFileVersionInfoSizeW(own, &handle));
    EXPECT_EQ(handle, 0u);
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(GetFileVersionInfoW(own, 0, DWORD(block.size()), block.data()));
    const struct { const wchar_t *key, *expected; } strings[] = {
        {L"ProductName", L"凸透镜与凹透镜成像演示"}, {L"FileVersion", L"1.6.0.0"},
        {L"ProductVersion", L"1.6.0.0"}, {L"OriginalFilename", L"lens-demo.exe"},
        {L"CompanyName", nullptr}, {L"FileDescription", nullptr}, {L"InternalName", nullptr},
        {L"LegalCopyright", nullptr},
    };
    for (const auto& s : strings) {
        const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + s.key;
        SCOPED_TRACE(testing::PrintToString(path));
        wchar_t* text = nullptr;
        UINT length = 0;
        ASSERT_TRUE(VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length));
        EXPECT_EQ(length, std::wcslen(text) + 1);
        EXPECT_TRUE(s.expected ? std::wcscmp(text, s.expected) == 0 : length > 1) << length;
    }
    void* value = nullptr;
    UINT length = 0;
    EXPECT_TRUE(VerQueryValueW(block.data(), L"\\stringfileinfo\\080404B0\\productname", &value, &length));
    for (const wchar_t* path : {L"\\StringFileInfo\\080404b0\\Comments", L"\\StringFileInfo\\040904b0\\ProductName",
                                L"\\NoSuchBlock"})
        EXPECT_FALSE(VerQueryValueW(block.data(), path, &value, &length));
}

TEST(Version, FilesWithoutOurRecordGiveNothing) {
    const std::wstring folder = OwnFolder();
    // CTestTestfile.cmake is a plain file that CTest keeps beside every test executable.
    ASSERT_NE(GetFileAttributesW((folder + L"/CTestTestfile.cmake").c_str()), INVALID_FILE_ATTRIBUTES);
    for (const std::wstring& path : {folder + L"/no-such-file.exe", folder, folder + L"/CTestTestfile.cmake"}) {
        SCOPED_TRACE(testing::PrintToString(path));
        DWORD handle = 0;
        SetLastError(0);
        EXPECT_EQ(GetFileVersionInfoSizeW(path.c_str(), &handle), 0u);
        if (path.find(L"no-such") != std::wstring::npos) {
            EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
        }
        unsigned char buffer[64];
        if (path != folder) {
            EXPECT_FALSE(GetFileVersionInfoW(path.c_str(), 0, sizeof buffer, buffer));
        }
    }
}

}  // namespace
