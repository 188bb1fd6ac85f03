#pragma once

#include "gdi/IdGenerator.h"
#include "platform/win32.h"

#include <cstdint>
#include <vector>

// Shares one solid GDI brush per colour among its holders. Unlike fonts and
// pens, 0 is "no brush".
class BrushCache {
public:
    static constexpr int32_t kNoBrush = 0;

    static BrushCache& Instance();

    explicit BrushCache(IdGenerator& ids);
    ~BrushCache();  // deletes every brush still listed, whatever its count
    BrushCache(const BrushCache&) = delete;
    BrushCache& operator=(const BrushCache&) = delete;

    int32_t Acquire(COLORREF colour);
    bool Release(int32_t id);
    HBRUSH Handle(int32_t id) const;
    size_t Size() const { return entries_.size(); }

private:
    struct Entry {
        COLORREF colour;
        HBRUSH brush;
        int32_t id;
        int32_t refCount;
    };

    IdGenerator& ids_;
    std::vector<Entry> entries_;
};

int32_t AcquireBrush(COLORREF colour);
bool ReleaseBrush(int32_t id);
HBRUSH BrushHandle(int32_t id);
