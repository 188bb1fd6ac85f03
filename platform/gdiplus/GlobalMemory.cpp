#include "platform/gdiplus/GlobalMemory.h"

#include <sys/uio.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace platform::ole {
namespace {

struct Block {
    void* data = nullptr;
    SIZE_T size = 0;
    bool moveable = false;
    int locks = 0;
};

struct Table {
    std::mutex mutex;
    std::unordered_map<HGLOBAL, Block*> blocks;
};

Table& TheTable() {
    static Table* table = new Table;  // blocks may be freed by static destructors
    return *table;
}

Block* Find(HGLOBAL memory) {
    Table& table = TheTable();
    std::lock_guard lock(table.mutex);
    auto it = table.blocks.find(memory);
    return it == table.blocks.end() ? nullptr : it->second;
}

}  // namespace

bool IsBlock(HGLOBAL memory) { return Find(memory) != nullptr; }

bool ResizeBlock(HGLOBAL memory, SIZE_T bytes) {
    Block* block = Find(memory);
    if (!block || !block->moveable) return false;
    void* data = std::realloc(block->data, bytes ? bytes : 1);
    if (!data) return false;
    if (bytes > block->size) std::memset(static_cast<char*>(data) + block->size, 0, bytes - block->size);
    block->data = data;
    block->size = bytes;
    return true;
}

}  // namespace platform::ole

using platform::ole::Block;

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
    auto* block = new (std::nothrow) Block;
    if (!block) return nullptr;
    block->moveable = flags & GMEM_MOVEABLE;
    block->size = bytes;
    block->data = std::malloc(bytes ? bytes : 1);
    if (!block->data) {
        delete block;
        return nullptr;
    }
    if (flags & GMEM_ZEROINIT) std::memset(block->data, 0, bytes ? bytes : 1);
    HGLOBAL handle = block->moveable ? static_cast<HGLOBAL>(block) : block->data;
    auto& table = platform::ole::TheTable();
    std::lock_guard lock(table.mutex);
    table.blocks[handle] = block;
    return handle;
}

LPVOID GlobalLock(HGLOBAL memory) {
    Block* block = platform::ole::Find(memory);
    // A moveable block of no bytes has no memory to lock, as on Windows.
    if (!block || (block->moveable && block->size == 0)) return nullptr;
    ++block->locks;
    return block->data;
}

BOOL GlobalUnlock(HGLOBAL memory) {
    Block* block = platform::ole::Find(memory);
    if (!block || block->locks == 0) return FALSE;
    return --block->locks > 0;
}

SIZE_T GlobalSize(HGLOBAL memory) {
    Block* block = platform::ole::Find(memory);
    return block ? block->size : 0;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
    auto& table = platform::ole::TheTable();
    Block* block = nullptr;
    {
        std::lock_guard lock(table.mutex);
        auto it = table.blocks.find(memory);
        if (it == table.blocks.end()) return memory;
        block = it->second;
        table.blocks.erase(it);
    }
    std::free(block->data);
    delete block;
    return nullptr;
}

namespace {

// Whether one byte can be read, asked of the kernel so that an unmapped page
// gives an error instead of a fault. process_vm_readv on ourselves is the
// direct way; where a sandbox forbids it, a pipe write reads the byte too.
bool Readable(uintptr_t at) {
    char byte;
    iovec local{&byte, 1};
    iovec remote{reinterpret_cast<void*>(at), 1};
    if (process_vm_readv(getpid(), &local, 1, &remote, 1, 0) == 1) return true;
    if (errno == EFAULT) return false;
    int ends[2];
    if (pipe(ends) != 0) return true;  // cannot tell: assume the caller's pointer is good
    const bool readable = write(ends[1], reinterpret_cast<const void*>(at), 1) == 1;
    close(ends[0]);
    close(ends[1]);
    return readable;
}

}  // namespace

BOOL IsBadReadPtr(const void* pointer, UINT_PTR bytes) {
    if (bytes == 0) return FALSE;
    if (!pointer) return TRUE;
    const auto start = reinterpret_cast<uintptr_t>(pointer);
    if (start + bytes < start) return TRUE;
    // One byte per page is enough.
    const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    const uintptr_t last = start + bytes - 1;
    for (uintptr_t at = start;; at = (at | (page - 1)) + 1) {
        if (!Readable(at)) return TRUE;
        if ((at | (page - 1)) >= last) break;
    }
    return FALSE;
}
