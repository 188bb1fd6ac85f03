#include "gdi/PenCache.h"

PenCache& PenCache::Instance()
{
    static PenCache cache(IdGenerator::Instance());
    return cache;
}

PenCache::PenCache(IdGenerator& ids) : pens(ids, decltype(pens)::IdTaken::BeforeCreation) {}

int32_t PenCache::Acquire(COLORREF colour, int style, int width)
{
    return pens.Acquire({colour, style, width}, [&] { return CreatePen(style, width, colour); });
}

bool PenCache::Release(int32_t id)
{
    return pens.Release(id);
}

HPEN PenCache::Handle(int32_t id) const
{
    return pens.Find(id);
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
