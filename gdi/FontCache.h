#pragma once

#include "gdi/IdGenerator.h"
#include "platform/win32.h"

#include <cstdint>
#include <vector>

// Shares one GDI font per distinct LOGFONTW among its holders. Holders keep
// the identifier and look the handle up when they draw. INT_MAX is "no font".
class FontCache {
public:
    static constexpr int32_t kNoFont = INT32_MAX;

    static FontCache& Instance();

    explicit FontCache(IdGenerator& ids);
    ~FontCache();  // deletes every font still listed, whatever its count
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;

    int32_t Acquire(int height, const wchar_t* face, int weight);
    bool Release(int32_t id);
    HFONT Handle(int32_t id) const;
    size_t Size() const { return entries_.size(); }

private:
    struct Entry {
        LOGFONTW logFont;
        HFONT font;
        int32_t id;
        int32_t refCount;
    };

    IdGenerator& ids_;
    std::vector<Entry> entries_;
};

int32_t AcquireFont(int height, const wchar_t* face);
int32_t AcquireBoldFont(int height, const wchar_t* face);
bool ReleaseFont(int32_t id);
HFONT FontHandle(int32_t id);
