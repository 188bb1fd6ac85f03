#include "gdi/PenCache.h"

PenCache& PenCache::Instance()
{
    static PenCache cache(IdGenerator::Instance());
    return cache;
}

PenCache::PenCache(IdGenerator& ids) : ids_(ids) {}

PenCache::~PenCache()
{
    for (const Entry& entry : entries_)
        DeleteObject(entry.pen);
}

int32_t PenCache::Acquire(COLORREF colour, int style, int width)
{
    for (Entry& entry : entries_) {
        if (entry.colour == colour && entry.style == style && entry.width == width) {
            ++entry.refCount;
            return entry.id;
        }
    }
    // Unlike fonts, a pen takes its identifier before it exists: a failed
    // creation spends one, which keeps the sequence the same as it always was.
    const int32_t id = ids_.Next();
    HPEN pen = CreatePen(style, width, colour);
    if (!pen)
        return kNoPen;
    entries_.push_back({id, pen, 1, colour, style, width});
    return id;
}

bool PenCache::Release(int32_t id)
{
    if (id == kNoPen)
        return false;
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->id != id)
            continue;
        if (it->refCount == 1) {
            DeleteObject(it->pen);
            entries_.erase(it);
        } else {
            --it->refCount;
        }
        return true;
    }
    return false;
}

HPEN PenCache::Handle(int32_t id) const
{
    if (id == kNoPen)
        return nullptr;
    for (const Entry& entry : entries_) {
        if (entry.id == id)
            return entry.pen;
    }
    return nullptr;
}

int32_t AcquirePen(COLORREF colour, int width)
{
    return PenCache::Instance().Acquire(colour, PS_SOLID, width);
}

int32_t AcquireDashedPen()
{
    return PenCache::Instance().Acquire(PenCache::kDashedColour, PS_DASH, 1);
}

bool ReleasePen(int32_t id)
{
    return PenCache::Instance().Release(id);
}

HPEN PenHandle(int32_t id)
{
    return PenCache::Instance().Handle(id);
}
