#pragma once

#include "gdi/IdGenerator.h"
#include "platform/win32.h"

#include <cstdint>
#include <vector>

// Shares one GDI object per distinct key among its holders, each holder
// counted. Holders keep the identifier and look the handle up when they
// draw; kNone is what a failed request returns and what no object ever gets.
template <typename Key, typename Handle, int32_t kNone>
class SharedObjectCache {
public:
    // Fonts take their identifier only once the font exists; pens and
    // brushes take theirs first, so a failed creation spends one.
    enum class IdTaken { BeforeCreation, AfterCreation };

    SharedObjectCache(IdGenerator& ids, IdTaken when) : ids(ids), when(when) {}
    ~SharedObjectCache()  // deletes every object still listed, whatever its count
    {
        for (const Entry& entry : entries)
            DeleteObject(entry.handle);
    }
    SharedObjectCache(const SharedObjectCache&) = delete;
    SharedObjectCache& operator=(const SharedObjectCache&) = delete;

    template <typename Create>
    int32_t Acquire(const Key& key, Create create)
    {
        for (Entry& entry : entries) {
            if (entry.key == key) {
                ++entry.refCount;
                return entry.id;
            }
        }
        const int32_t early = when == IdTaken::BeforeCreation ? ids.Next() : kNone;
        const Handle handle = create();
        if (!handle)
            return kNone;
        const int32_t id = when == IdTaken::BeforeCreation ? early : ids.Next();
        entries.push_back({key, handle, id, 1});
        return id;
    }

    bool Release(int32_t id)
    {
        if (id == kNone)
            return false;
        for (auto it = entries.begin(); it != entries.end(); ++it) {
            if (it->id != id)
                continue;
            if (it->refCount == 1) {
                DeleteObject(it->handle);
                entries.erase(it);
            } else {
                --it->refCount;
            }
            return true;
        }
        return false;
    }

    Handle Find(int32_t id) const
    {
        if (id == kNone)
            return nullptr;
        for (const Entry& entry : entries) {
            if (entry.id == id)
                return entry.handle;
        }
        return nullptr;
    }

    size_t Size() const { return entries.size(); }

private:
    struct Entry {
        Key key;
        Handle handle;
        int32_t id;
        int32_t refCount;
    };

    IdGenerator& ids;
    const IdTaken when;
    std::vector<Entry> entries;
};
