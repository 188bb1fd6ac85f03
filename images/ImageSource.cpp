#include "images/ImageSource.h"

#include <cstring>
#include <utility>

namespace gdip = Gdiplus::DllExports;

ImageSource::ImageSource(ImageSource&& other) noexcept
{
    *this = std::move(other);
}

ImageSource& ImageSource::operator=(ImageSource&& other) noexcept
{
    if (this == &other)
        return *this;
    Clear();
    fromFile = std::exchange(other.fromFile, false);
    path.swap(other.path);
    module = std::exchange(other.module, nullptr);
    resourceType = std::exchange(other.resourceType, nullptr);
    resourceName = std::exchange(other.resourceName, nullptr);
    bitmap = std::exchange(other.bitmap, nullptr);
    memory = std::exchange(other.memory, nullptr);
    id = std::exchange(other.id, 0);
    refCount = std::exchange(other.refCount, 0);
    return *this;
}

ImageSource::~ImageSource()
{
    Clear();
}

void ImageSource::Clear()
{
    // The bitmap goes first: it may still read from the block.
    if (bitmap)
        gdip::GdipDisposeImage(bitmap);
    if (memory)
        GlobalFree(memory);
    fromFile = false;
    path.clear();
    module = nullptr;
    resourceType = nullptr;
    resourceName = nullptr;
    bitmap = nullptr;
    memory = nullptr;
    id = 0;
    refCount = 0;
}

bool LoadSourceFromMemory(ImageSource& record, const void* data, UINT size)
{
    if (record.Occupied() || size == 0 || IsBadReadPtr(data, size))
        return false;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block)
        return false;
    void* bytes = GlobalLock(block);
    if (!bytes) {
        GlobalFree(block);
        return false;
    }
    std::memcpy(bytes, data, size);
    IStream* stream = nullptr;
    // FALSE: the block stays ours, so it outlives the stream's last reference.
    if (FAILED(CreateStreamOnHGlobal(block, FALSE, &stream)) || !stream) {
        GlobalUnlock(block);
        GlobalFree(block);
        return false;
    }
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = gdip::GdipCreateBitmapFromStream(stream, &bitmap);
    if (status != Gdiplus::Ok || !bitmap) {
        if (bitmap)
            gdip::GdipDisposeImage(bitmap);
        stream->Release();
        GlobalUnlock(block);
        GlobalFree(block);
        return false;
    }
    stream->Release();
    GlobalUnlock(block);

    record.fromFile = false;
    record.module = nullptr;
    record.resourceType = nullptr;
    record.resourceName = nullptr;
    record.id = 0;
    record.refCount = 0;
    record.bitmap = bitmap;
    record.memory = block;
    return true;
}

bool LoadSourceFromResource(ImageSource& record, HMODULE module, LPCWSTR type, LPCWSTR name)
{
    if (record.Occupied())
        return false;
    HRSRC found = FindResourceW(module, name, type);
    if (!found)
        return false;
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded)
        return false;
    const DWORD size = SizeofResource(module, found);
    if (size == 0)
        return false;
    const void* bytes = LockResource(loaded);
    if (!bytes)
        return false;
    // The bytes are copied: the record never depends on the module's image.
    if (!LoadSourceFromMemory(record, bytes, size))
        return false;
    record.module = module;
    record.resourceType = type;
    record.resourceName = name;
    return true;
}

bool LoadSourceFromFile(ImageSource& record, const wchar_t* path)
{
    if (record.Occupied() || !path)
        return false;
    Gdiplus::GpBitmap* bitmap = nullptr;
    const Gdiplus::GpStatus status = gdip::GdipCreateBitmapFromFile(path, &bitmap);
    if (status != Gdiplus::Ok || !bitmap) {
        if (bitmap)
            gdip::GdipDisposeImage(bitmap);
        return false;
    }
    record.fromFile = true;
    record.path = path;
    record.bitmap = bitmap;
    record.id = 0;
    record.refCount = 0;
    return true;
}

bool LoadSourceFromBitmap(ImageSource& record, Gdiplus::GpBitmap* bitmap)
{
    if (!bitmap || record.bitmap || record.memory)
        return false;
    Gdiplus::PixelFormat format = 0;
    UINT height = 0;
    UINT width = 0;
    gdip::GdipGetImagePixelFormat(bitmap, &format);
    gdip::GdipGetImageHeight(bitmap, &height);
    gdip::GdipGetImageWidth(bitmap, &width);
    Gdiplus::GpBitmap* clone = nullptr;
    const Gdiplus::GpStatus status = gdip::GdipCloneBitmapAreaI(
        0, 0, static_cast<INT>(width), static_cast<INT>(height), format, bitmap, &clone);
    if (status != Gdiplus::Ok || !clone) {
        if (clone)
            gdip::GdipDisposeImage(clone);
        return false;
    }
    record.fromFile = false;
    record.bitmap = clone;
    record.id = 0;
    record.refCount = 0;
    return true;
}

SIZE BitmapSize(Gdiplus::GpBitmap* bitmap)
{
    UINT width = 0;
    UINT height = 0;
    if (bitmap) {
        if (gdip::GdipGetImageWidth(bitmap, &width) != Gdiplus::Ok)
            width = 0;
        if (gdip::GdipGetImageHeight(bitmap, &height) != Gdiplus::Ok)
            height = 0;
    }
    return SIZE{static_cast<LONG>(width), static_cast<LONG>(height)};
}
