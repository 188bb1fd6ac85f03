// Unnamed mutexes as the program's registries use them.
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

DWORD WaitFromOtherThread(HANDLE mutex, DWORD milliseconds) {
    DWORD result = 0;
    std::thread other([&] {
        result = WaitForSingleObject(mutex, milliseconds);
        if (result == WAIT_OBJECT_0) ReleaseMutex(mutex);
    });
    other.join();
    return result;
}

TEST(KernelMutex, OwnedRecursivelyByOneThread) {
    for (BOOL initialOwner : {FALSE, TRUE}) {
        SCOPED_TRACE(initialOwner);
        HANDLE mutex = CreateMutexW(nullptr, initialOwner, nullptr);
        ASSERT_NE(mutex, nullptr);
        if (!initialOwner) {
            EXPECT_EQ(WaitForSingleObject(mutex, INFINITE), WAIT_OBJECT_0);
        }
        EXPECT_EQ(WaitForSingleObject(mutex, 0), WAIT_OBJECT_0);
        for (int held = 2; held > 0; --held) {
            EXPECT_EQ(WaitFromOtherThread(mutex, 0), DWORD(WAIT_TIMEOUT));
            EXPECT_TRUE(ReleaseMutex(mutex));
        }
        EXPECT_EQ(WaitFromOtherThread(mutex, INFINITE), WAIT_OBJECT_0);
        SetLastError(0);
        EXPECT_FALSE(ReleaseMutex(mutex));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_OWNER));
        EXPECT_TRUE(CloseHandle(mutex));
    }
}

TEST(KernelMutex, UnknownHandleIsRefused) {
    // A value never issued, rather than a closed one, which Windows may reuse.
    HANDLE bogus = reinterpret_cast<HANDLE>(static_cast<uintptr_t>(0x12345670));
    SetLastError(0);
    EXPECT_FALSE(CloseHandle(bogus));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
    EXPECT_EQ(WaitForSingleObject(bogus, 0), WAIT_FAILED);
}

}  // namespace
