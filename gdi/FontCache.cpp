#include "gdi/FontCache.h"

#include <cstring>
#include <cwchar>

namespace {

constexpr size_t kFaceCapacity = sizeof(LOGFONTW{}.lfFaceName) / sizeof(wchar_t);

// The cache key: every byte zero except height, weight, character set and
// face, so two requests compare equal exactly when their bytes do.
bool DescribeFont(int height, const wchar_t* face, int weight, LOGFONTW& logFont)
{
    // A face that does not fit is refused rather than cut short: a cut name
    // could silently select some other installed face.
    const size_t faceLength = wcslen(face);
    if (faceLength >= kFaceCapacity)
        return false;
    std::memset(&logFont, 0, sizeof logFont);
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    logFont.lfCharSet = DEFAULT_CHARSET;
    std::memcpy(logFont.lfFaceName, face, faceLength * sizeof(wchar_t));
    return true;
}

}  // namespace

FontCache& FontCache::Instance()
{
    static FontCache cache(IdGenerator::Instance());
    return cache;
}

FontCache::FontCache(IdGenerator& ids) : ids_(ids) {}

FontCache::~FontCache()
{
    for (const Entry& entry : entries_)
        DeleteObject(entry.font);
}

int32_t FontCache::Acquire(int height, const wchar_t* face, int weight)
{
    if (!face)
        return kNoFont;
    LOGFONTW logFont;
    if (!DescribeFont(height, face, weight, logFont))
        return kNoFont;
    for (Entry& entry : entries_) {
        if (std::memcmp(&entry.logFont, &logFont, sizeof logFont) == 0) {
            ++entry.refCount;
            return entry.id;
        }
    }
    // The identifier is taken only once the font exists, so a failed
    // creation spends none.
    HFONT font = CreateFontIndirectW(&logFont);
    if (!font)
        return kNoFont;
    const int32_t id = ids_.Next();
    entries_.push_back({logFont, font, id, 1});
    return id;
}

bool FontCache::Release(int32_t id)
{
    if (id == kNoFont)
        return false;
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        if (it->id != id)
            continue;
        if (it->refCount == 1) {
            DeleteObject(it->font);
            entries_.erase(it);
        } else {
            --it->refCount;
        }
        return true;
    }
    return false;
}

HFONT FontCache::Handle(int32_t id) const
{
    if (id == kNoFont)
        return nullptr;
    for (const Entry& entry : entries_) {
        if (entry.id == id)
            return entry.font;
    }
    return nullptr;
}

int32_t AcquireFont(int height, const wchar_t* face)
{
    return FontCache::Instance().Acquire(height, face, FW_NORMAL);
}

int32_t AcquireBoldFont(int height, const wchar_t* face)
{
    return FontCache::Instance().Acquire(height, face, FW_BOLD);
}

bool ReleaseFont(int32_t id)
{
    return FontCache::Instance().Release(id);
}

HFONT FontHandle(int32_t id)
{
    return FontCache::Instance().Handle(id);
}
