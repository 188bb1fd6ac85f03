// Module, file attributes and the last error.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

std::wstring OwnPath() {
    wchar_t path[MAX_PATH];
    return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
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

TEST(Kernel, MissingFilesAndModulesAreTold) {
    const std::wstring path = OwnPath();
    const std::wstring folder = path.substr(0, path.find_last_of(L"\\/"));
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(attributes & FILE_ATTRIBUTE_DIRECTORY, 0u);
    const struct { const wchar_t* name; DWORD error; } missing[] = {
        {L"/no-such-file", ERROR_FILE_NOT_FOUND},
        {L"/no-such-folder/file", ERROR_PATH_NOT_FOUND},
        {L"/*", ERROR_INVALID_NAME},
    };
    for (const auto& m : missing) {
        SetLastError(0);
        EXPECT_EQ(GetFileAttributesW((folder + m.name).c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(GetLastError(), m.error);
    }
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
