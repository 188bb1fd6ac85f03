// Unnamed mutexes as the program's registries use them.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

DWORD WaitFromOtherThread(HANDLE mutex, DWORD milliseconds, bool release) {
    DWORD result = 0;
    std::thread other([&] {
        result = WaitForSingleObject(mutex, milliseconds);
        if (release && result == WAIT_OBJECT_0) ReleaseMutex(mutex);
    });
    other.join();
    return result;
}

TEST(KernelMutex, OwnedRecursivelyByOneThread) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, nullptr);
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(WaitForSingleObject(mutex, INFINITE), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);
    EXPECT_EQ(WaitFromOtherThread(mutex, 0, false), DWORD(WAIT_TIMEOUT));
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(WaitFromOtherThread(mutex, 0, false), DWORD(WAIT_TIMEOUT));
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(WaitFromOtherThread(mutex, INFINITE, true), WAIT_OBJECT_0);
    SetLastError(0);
    EXPECT_FALSE(ReleaseMutex(mutex));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_OWNER));
    EXPECT_TRUE(CloseHandle(mutex));
}

TEST(KernelMutex, InitialOwnerHoldsIt) {
    HANDLE mutex = CreateMutexW(nullptr, TRUE, nullptr);
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(WaitFromOtherThread(mutex, 0, false), DWORD(WAIT_TIMEOUT));
    EXPECT_TRUE(ReleaseMutex(mutex));
    EXPECT_EQ(WaitFromOtherThread(mutex, 0, true), WAIT_OBJECT_0);
    EXPECT_TRUE(CloseHandle(mutex));
}

TEST(KernelMutex, ClosedHandleIsRefused) {
    HANDLE mutex = CreateMutexW(nullptr, FALSE, nullptr);
    ASSERT_TRUE(CloseHandle(mutex));
    // A handle value that was never issued, rather than the closed one,
    // which Windows may hand out again.
    HANDLE bogus = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(0x12345670));
    SetLastError(0);
    EXPECT_FALSE(CloseHandle(bogus));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_EQ(WaitForSingleObject(bogus, 0), WAIT_FAILED);
}

}  // namespace
