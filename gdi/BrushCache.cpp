#include "gdi/BrushCache.h"

BrushCache& BrushCache::Instance()
{
    static BrushCache cache(IdGenerator::Instance());
    return cache;
}

BrushCache::BrushCache(IdGenerator& ids) : brushes(ids, decltype(brushes)::IdTaken::BeforeCreation) {}

int32_t BrushCache::Acquire(COLORREF colour)
{
    return brushes.Acquire(colour, [&] { return CreateSolidBrush(colour); });
}

bool BrushCache::Release(int32_t id)
{
    return brushes.Release(id);
}

HBRUSH BrushCache::Handle(int32_t id) const
{
    return brushes.Find(id);
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
