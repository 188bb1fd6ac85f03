#include "framework/KyWndRegistry.h"

#include <mutex>

namespace {

struct Block {
    int count;
    IKyWnd* entries[KyWndRegistry::kBlockEntries];
    Block* next;
};

// Both are constant-initialised, so windows constructed during static
// initialisation of other files can already register.
Block firstBlock{};
std::mutex registryMutex;

}  // namespace

bool KyWndRegistry::Register(IKyWnd* object)
{
    if (object == nullptr)
        return false;
    std::lock_guard<std::mutex> lock(registryMutex);
    Block* last = nullptr;
    for (Block* block = &firstBlock; block != nullptr; block = block->next) {
        last = block;
        if (block->count >= kBlockEntries)
            continue;
        for (IKyWnd*& entry : block->entries) {
            if (entry == nullptr) {
                entry = object;
                ++block->count;
                return true;
            }
        }
    }
    Block* fresh = new Block{};
    fresh->entries[0] = object;
    fresh->count = 1;
    last->next = fresh;
    return true;
}

bool KyWndRegistry::Unregister(IKyWnd* object)
{
    if (object == nullptr)
        return false;
    std::lock_guard<std::mutex> lock(registryMutex);
    Block* previous = nullptr;
    for (Block* block = &firstBlock; block != nullptr; previous = block, block = block->next) {
        if (block->count == 0)
            continue;
        for (IKyWnd*& entry : block->entries) {
            if (entry != object)
                continue;
            entry = nullptr;
            --block->count;
            if (block->count == 0 && block != &firstBlock) {
                previous->next = block->next;
                delete block;
            }
            return true;
        }
    }
    return false;
}

IKyWnd* KyWndRegistry::FindByHandle(HWND window)
{
    if (window == nullptr)
        return nullptr;
    std::lock_guard<std::mutex> lock(registryMutex);
    for (Block* block = &firstBlock; block != nullptr; block = block->next) {
        if (block->count == 0)
            continue;
        for (IKyWnd* entry : block->entries) {
            if (entry != nullptr && entry->GetHwnd() == window)
                return entry;
        }
    }
    return nullptr;
}
