#include "platform/kernel/kernel.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <unordered_set>

namespace {

// A Windows mutex: owned by one thread at a time, recursively.
struct KernelMutex {
    std::mutex lock;
    std::condition_variable released;
    std::thread::id owner;
    unsigned count = 0;
};

// Every live handle, so that a stale or foreign handle is refused with
// ERROR_INVALID_HANDLE rather than followed.
class HandleTable {
public:
    KernelMutex* Add() {
        auto* mutex = new KernelMutex;
        std::lock_guard<std::mutex> guard(lock);
        live.insert(mutex);
        return mutex;
    }
    KernelMutex* Find(HANDLE handle) {
        std::lock_guard<std::mutex> guard(lock);
        auto it = live.find(static_cast<KernelMutex*>(handle));
        return it == live.end() ? nullptr : *it;
    }
    bool Remove(HANDLE handle) {
        std::lock_guard<std::mutex> guard(lock);
        return live.erase(static_cast<KernelMutex*>(handle)) == 1;
    }

private:
    std::mutex lock;
    std::unordered_set<KernelMutex*> live;
};

HandleTable& Handles() {
    static HandleTable table;
    return table;
}

}  // namespace

HANDLE CreateMutexW(LPSECURITY_ATTRIBUTES, BOOL initialOwner, LPCWSTR name) {
    // Named mutexes are shared between processes; the program uses none.
    if (name != nullptr) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return nullptr;
    }
    KernelMutex* mutex = Handles().Add();
    if (initialOwner) {
        mutex->owner = std::this_thread::get_id();
        mutex->count = 1;
    }
    SetLastError(ERROR_SUCCESS);
    return mutex;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds) {
    KernelMutex* mutex = Handles().Find(handle);
    if (mutex == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return WAIT_FAILED;
    }
    const auto self = std::this_thread::get_id();
    std::unique_lock<std::mutex> guard(mutex->lock);
    auto available = [&] { return mutex->count == 0 || mutex->owner == self; };
    if (milliseconds == INFINITE)
        mutex->released.wait(guard, available);
    else if (!mutex->released.wait_for(guard, std::chrono::milliseconds(milliseconds), available))
        return WAIT_TIMEOUT;
    mutex->owner = self;
    ++mutex->count;
    return WAIT_OBJECT_0;
}

BOOL ReleaseMutex(HANDLE handle) {
    KernelMutex* mutex = Handles().Find(handle);
    if (mutex == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    std::lock_guard<std::mutex> guard(mutex->lock);
    if (mutex->count == 0 || mutex->owner != std::this_thread::get_id()) {
        SetLastError(ERROR_NOT_OWNER);
        return FALSE;
    }
    if (--mutex->count == 0) {
        mutex->owner = std::thread::id();
        mutex->released.notify_one();
    }
    return TRUE;
}

// Closing the last handle destroys the mutex; a thread still waiting on it
// would be a bug in the caller, as it is on Windows with the last handle.
BOOL CloseHandle(HANDLE handle) {
    if (!Handles().Remove(handle)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    delete static_cast<KernelMutex*>(handle);
    return TRUE;
}
