#pragma once

#include "base/KyClassBase.h"
#include "images/ImageSource.h"

#include <cstdint>

// A picture: either a shared entry of the picture pool or a private decoded
// bitmap, and the rectangle of that bitmap it shows. Every load starts by
// releasing what the object held, so a failed load leaves it empty.
class KyImage : public KyClassBase {
public:
    KyImage();
    ~KyImage() override;
    KyImage(const KyImage&) = delete;
    KyImage& operator=(const KyImage&) = delete;

    virtual bool LoadFromBitmap(Gdiplus::GpBitmap* bitmap, bool shared);
    virtual bool LoadFromImage(const KyImage& other, bool shared);
    virtual bool LoadFromMemory(const void* data, UINT size, bool shared);
    virtual bool LoadFromResource(HMODULE module, LPCWSTR type, LPCWSTR name, bool shared);
    virtual bool LoadFromFile(const wchar_t* path, bool shared);
    // `part` is relative to other's source rectangle and must lie inside it.
    virtual bool LoadFromImagePart(const KyImage& other, const RECT& part, bool shared);
    virtual void Release();

    int32_t SharedId() const { return sharedId; }
    const ImageSource& Source() const { return source; }
    const RECT& SourceRect() const { return sourceRect; }
    // The private bitmap, or the pool's for the shared id; null when empty.
    Gdiplus::GpBitmap* Bitmap() const;

private:
    bool LoadOriginOf(const KyImage& other, bool shared);
    bool Finish(bool loaded);

    int32_t sharedId = 0;
    ImageSource source;
    RECT sourceRect{0, 0, 0, 0};
    // Only a hold that was granted is given back: a failed start of GDI+
    // must not take away another holder's hold.
    bool holdsGdiplus = false;
};
