#pragma once

#include "gdi/SharedObjectCache.h"
#include "platform/win32.h"

#include <cstdint>

// Shares one GDI pen per (colour, style, width) among its holders.
// INT_MAX is "no pen".
class PenCache {
public:
    static constexpr int32_t kNoPen = INT32_MAX;
    // The one dashed pen the program draws with (the rays' extensions).
    static constexpr COLORREF kDashedColour = 0x213EDE;

    static PenCache& Instance();

    explicit PenCache(IdGenerator& ids);
    PenCache(const PenCache&) = delete;
    PenCache& operator=(const PenCache&) = delete;

    int32_t Acquire(COLORREF colour, int style, int width);
    bool Release(int32_t id);
    HPEN Handle(int32_t id) const;
    size_t Size() const { return pens.Size(); }

private:
    struct Description {
        COLORREF colour;
        int32_t style;
        int32_t width;
        bool operator==(const Description&) const = default;
    };

    SharedObjectCache<Description, HPEN, kNoPen> pens;
};

int32_t AcquirePen(COLORREF colour, int width);
int32_t AcquireDashedPen();
bool ReleasePen(int32_t id);
HPEN PenHandle(int32_t id);
