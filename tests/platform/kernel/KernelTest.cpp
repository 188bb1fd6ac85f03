// Module, command line, file attributes and the last error.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cwctype>
#include <string>
#include <thread>

namespace {

std::wstring OwnPath() {
    wchar_t path[MAX_PATH];
    return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
}

std::wstring FileNameOf(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

std::wstring Upper(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

TEST(Kernel, ModuleFileNameIsTheExecutable) {
    const std::wstring path = OwnPath();
    ASSERT_FALSE(path.empty());
    EXPECT_NE(Upper(FileNameOf(path)).find(L"KERNELCONFORMANCETEST"), std::wstring::npos) << path;
    HMODULE module = GetModuleHandleW(nullptr);
    ASSERT_NE(module, nullptr);
    wchar_t again[MAX_PATH];
    EXPECT_EQ(GetModuleFileNameW(module, again, MAX_PATH), path.size());
    EXPECT_EQ(std::wstring(again), path);
    const DWORD attributes = GetFileAttributesW(path.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(Kernel, ShortBufferTruncatesAndTerminates) {
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

TEST(Kernel, CommandLineNamesTheProgram) {
    const std::wstring line = GetCommandLineW();
    EXPECT_NE(Upper(line).find(Upper(FileNameOf(OwnPath()))), std::wstring::npos) << line;
    EXPECT_EQ(GetCommandLineW(), GetCommandLineW());
}

TEST(Kernel, FileAttributesOfFolderAndMissingPaths) {
    const std::wstring path = OwnPath();
    const std::wstring folder = path.substr(0, path.find_last_of(L"\\/"));
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);

    SetLastError(0);
    EXPECT_EQ(GetFileAttributesW((folder + L"/no-such-file").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_FILE_NOT_FOUND));
    SetLastError(0);
    EXPECT_EQ(GetFileAttributesW((folder + L"/no-such-folder/file").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_PATH_NOT_FOUND));
    // Wildcards never name a file.
    SetLastError(0);
    EXPECT_EQ(GetFileAttributesW((folder + L"/*").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_NAME));
}

TEST(Kernel, OnlyTheProgramItselfIsAModule) {
    SetLastError(0);
    EXPECT_EQ(GetModuleHandleW(L"no-such-module.dll"), nullptr);
    EXPECT_EQ(GetLastError(), DWORD(ERROR_MOD_NOT_FOUND));
}

// The threads take turns through atomics only: creating and joining a
// thread may itself change the last error.
TEST(Kernel, LastErrorBelongsToEachThread) {
    std::atomic<int> step{0};
    DWORD seenByOther = 0;
    std::thread other([&] {
        SetLastError(77);
        step = 1;
        while (step != 2) std::this_thread::yield();
        seenByOther = GetLastError();
    });
    while (step != 1) std::this_thread::yield();
    SetLastError(1234);
    const DWORD seenHere = GetLastError();
    step = 2;
    other.join();
    EXPECT_EQ(seenHere, 1234u);
    EXPECT_EQ(seenByOther, 77u);
}

}  // namespace
