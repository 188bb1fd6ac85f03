#include "gdi/BrushCache.h"

BrushCache& BrushCache::Instance()
{
    static BrushCache cache(IdGenerator::Instance());
    return cache;
}

BrushCache::BrushCache(IdGenerator& ids) : ids_(ids) {}

BrushCache::~BrushCache()
{
    for (const Entry& entry : entries_)
        DeleteObject(entry.brush);
}

int32_t BrushCache::Acquire(COLORREF colour)
{
    for (Entry& entry : entries_) {
        if (entry.colour == colour) {
            ++entry.refCount;
            return entry.id;
        }
    }
    // As with pens, a failed creation has already spent its identifier.
    const int32_t id = ids_.Next();
    HBRUSH brush = CreateSolidBrush(colour);
    if (!brush)
        return kNoBrush;
    entries_.push_back({colour, brush, id, 1});
    return id;
}

bool BrushCache::Release(int32_t id)
{
    if (id == kNoBrush)
        return false;
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->id != id)
            continue;
        if (it->refCount == 1) {
            DeleteObject(it->brush);
            entries_.erase(it);
        } else {
            --it->refCount;
        }
        return true;
    }
    return false;
}

HBRUSH BrushCache::Handle(int32_t id) const
{
    if (id == kNoBrush)
        return nullptr;
    for (const Entry& entry : entries_) {
        if (entry.id == id)
            return entry.brush;
    }
    return nullptr;
}

int32_t AcquireBrush(COLORREF colour)
{
    return BrushCache::Instance().Acquire(colour);
}

bool ReleaseBrush(int32_t id)
{
    return BrushCache::Instance().Release(id);
}

HBRUSH BrushHandle(int32_t id)
{
    return BrushCache::Instance().Handle(id);
}
