#pragma once

#include "gdi/SharedObjectCache.h"
#include "platform/win32.h"

#include <cstdint>

// Shares one GDI font per distinct LOGFONTW among its holders. Holders keep
// the identifier and look the handle up when they draw. INT_MAX is "no font".
class FontCache {
public:
    static constexpr int32_t kNoFont = INT32_MAX;

    static FontCache& Instance();

    explicit FontCache(IdGenerator& ids);
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    int32_t Acquire(int height, const wchar_t* face, int weight);
    bool Release(int32_t id);
    HFONT Handle(int32_t id) const;
    size_t Size() const { return fonts.Size(); }

private:
    // Two descriptions are the same font exactly when their bytes are equal.
    struct Description {
        LOGFONTW logFont;
        bool operator==(const Description& other) const;
    };

    SharedObjectCache<Description, HFONT, kNoFont> fonts;
};

int32_t AcquireFont(int height, const wchar_t* face);
int32_t AcquireBoldFont(int height, const wchar_t* face);
bool ReleaseFont(int32_t id);
HFONT FontHandle(int32_t id);
