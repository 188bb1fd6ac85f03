#include "images/KyImage.h"

#include "images/GdiplusSession.h"
#include "images/KyImagePool.h"

KyImage::KyImage()
{
    // The pool is created before any picture, so that it is torn down after
    // them all, pictures with static storage included.
    KyImagePool::Instance();
    holdsGdiplus = AcquireGdiplus();
}

KyImage::~KyImage()
{
    KyImage::Release();
    if (holdsGdiplus)
        ReleaseGdiplus();
}

Gdiplus::GpBitmap* KyImage::Bitmap() const
{
    if (source.bitmap)
        return source.bitmap;
    return KyImagePool::Instance().BitmapOf(sharedId);
}

bool KyImage::Finish(bool loaded)
{
    if (!loaded)
        return false;
    const SIZE size = BitmapSize(Bitmap());
    sourceRect = RECT{0, 0, size.cx, size.cy};
    return true;
}

bool KyImage::LoadFromBitmap(Gdiplus::GpBitmap* bitmap, bool shared)
{
    Release();
    if (!bitmap)
        return false;
    if (shared) {
        sharedId = KyImagePool::Instance().AddFromBitmap(bitmap);
        return Finish(sharedId != 0);
    }
    return Finish(LoadSourceFromBitmap(source, bitmap));
}

bool KyImage::LoadFromMemory(const void* data, UINT size, bool shared)
{
    Release();
    if (!data || size == 0)
        return false;
    if (shared) {
        sharedId = KyImagePool::Instance().AddFromMemory(data, size);
        return Finish(sharedId != 0);
    }
    return Finish(LoadSourceFromMemory(source, data, size));
}

bool KyImage::LoadFromResource(HMODULE module, LPCWSTR type, LPCWSTR name, bool shared)
{
    Release();
    if (shared) {
        sharedId = KyImagePool::Instance().AcquireByResource(module, type, name);
        return Finish(sharedId != 0);
    }
    return Finish(LoadSourceFromResource(source, module, type, name));
}

bool KyImage::LoadFromFile(const wchar_t* path, bool shared)
{
    Release();
    if (shared) {
        sharedId = KyImagePool::Instance().AcquireByFile(path);
        return Finish(sharedId != 0);
    }
    return Finish(LoadSourceFromFile(source, path));
}

bool KyImage::LoadFromImage(const KyImage& other, bool shared)
{
    Release();
    if (&other == this)
        return false;  // just emptied: nothing left to load from
    KyImagePool& pool = KyImagePool::Instance();
    if (other.sharedId != 0) {
        if (shared) {
            if (!pool.AddRef(other.sharedId))
                return false;
            sharedId = other.sharedId;
            return Finish(true);
        }
        return Finish(pool.LoadCopyOf(other.sharedId, source));
    }
    if (!other.source.bitmap)
        return false;
    return Finish(LoadOriginOf(other, shared));
}

// Decodes other's private picture again from where it came from, so the two
// objects never share a bitmap that one of them disposes.
bool KyImage::LoadOriginOf(const KyImage& other, bool shared)
{
    KyImagePool& pool = KyImagePool::Instance();
    const ImageSource& origin = other.source;
    if (origin.fromFile) {
        if (!shared)
            return LoadSourceFromFile(source, origin.path.c_str());
        sharedId = pool.AcquireByFile(origin.path.c_str());
        return sharedId != 0;
    }
    if (origin.memory) {
        const void* bytes = GlobalLock(origin.memory);
        if (!bytes)
            return false;
        const UINT size = static_cast<UINT>(GlobalSize(origin.memory));
        bool loaded;
        if (shared) {
            sharedId = pool.AddFromMemory(bytes, size);
            loaded = sharedId != 0;
        } else {
            loaded = LoadSourceFromMemory(source, bytes, size);
        }
        GlobalUnlock(origin.memory);
        return loaded;
    }
    if (origin.resourceName) {
        if (!shared)
            return LoadSourceFromResource(source, origin.module, origin.resourceType, origin.resourceName);
        sharedId = pool.AcquireByResource(origin.module, origin.resourceType, origin.resourceName);
        return sharedId != 0;
    }
    if (!shared)
        return LoadSourceFromBitmap(source, origin.bitmap);
    sharedId = pool.AddFromBitmap(origin.bitmap);
    return sharedId != 0;
}

bool KyImage::LoadFromImagePart(const KyImage& other, const RECT& part, bool shared)
{
    Release();
    const RECT outer = other.sourceRect;
    const LONG width = outer.right - outer.left;
    const LONG height = outer.bottom - outer.top;
    if (width <= 0 || height <= 0)
        return false;
    if (part.left < 0 || part.left >= part.right || part.right > width)
        return false;
    if (part.top < 0 || part.top >= part.bottom || part.bottom > height)
        return false;
    if (!LoadFromImage(other, shared))
        return false;
    sourceRect = RECT{outer.left + part.left, outer.top + part.top,
                       outer.left + part.right, outer.top + part.bottom};
    return true;
}

void KyImage::Release()
{
    if (sharedId != 0) {
        KyImagePool::Instance().ReleaseId(sharedId);
        sharedId = 0;
    }
    sourceRect = RECT{0, 0, 0, 0};
    source.Clear();
}
