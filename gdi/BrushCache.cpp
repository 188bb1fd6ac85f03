#include "gdi/BrushCache.h"

BrushCache& BrushCache::Instance()
{
    static BrushCache cache(IdGenerator::Instance());
    return cache;
}

BrushCache::BrushCache(IdGenerator& ids) : brushes_(ids, decltype(brushes_)::IdTaken::BeforeCreation) {}

int32_t BrushCache::Acquire(COLORREF colour)
{
    return brushes_.Acquire(colour, [&] { return CreateSolidBrush(colour); });
}

bool BrushCache::Release(int32_t id)
{
    return brushes_.Release(id);
}

HBRUSH BrushCache::Handle(int32_t id) const
{
    return brushes_.Find(id);
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
