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

FontCache::FontCache(IdGenerator& ids) : fonts(ids, decltype(fonts)::IdTaken::AfterCreation) {}

bool FontCache::Description::operator==(const Description& other) const
{
    return std::memcmp(&logFont, &other.logFont, sizeof logFont) == 0;
}

int32_t FontCache::Acquire(int height, const wchar_t* face, int weight)
{
    if (!face)
        return kNoFont;
    Description description;
    if (!DescribeFont(height, face, weight, description.logFont))
        return kNoFont;
    return fonts.Acquire(description, [&] { return CreateFontIndirectW(&description.logFont); });
}

bool FontCache::Release(int32_t id)
{
    return fonts.Release(id);
}

HFONT FontCache::Handle(int32_t id) const
{
    return fonts.Find(id);
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
