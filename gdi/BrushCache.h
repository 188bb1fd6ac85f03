#pragma once

#include "gdi/SharedObjectCache.h"
#include "platform/win32.h"

#include <cstdint>

// Shares one solid GDI brush per colour among its holders. Unlike fonts and
// pens, 0 is "no brush".
class BrushCache {
public:
    static constexpr int32_t kNoBrush = 0;

    static BrushCache& Instance();

    explicit BrushCache(IdGenerator& ids);
    BrushCache(const BrushCache&) = delete;
    BrushCache& operator=(const BrushCache&) = delete;

    int32_t Acquire(COLORREF colour);
    bool Release(int32_t id);
    HBRUSH Handle(int32_t id) const;
    size_t Size() const { return brushes.Size(); }

private:
    SharedObjectCache<COLORREF, HBRUSH, kNoBrush> brushes;
};

int32_t AcquireBrush(COLORREF colour);
bool ReleaseBrush(int32_t id);
HBRUSH BrushHandle(int32_t id);
