#pragma once

#include "platform/win32.h"

#include <cstdint>
#include <string>

// Where a decoded picture came from, and the decoded bitmap itself. Serves as
// a pool entry and as a picture object's private picture. It owns its bitmap
// and its memory block, so it can be moved but not copied.
struct ImageSource {
    bool fromFile = false;
    std::wstring path;
    HMODULE module = nullptr;
    LPCWSTR resourceType = nullptr;  // as the caller passed it: text or integer id
    LPCWSTR resourceName = nullptr;
    Gdiplus::GpBitmap* bitmap = nullptr;
    // The encoded bytes of a memory or resource load. GDI+ may read from the
    // stream over it as long as the bitmap lives, so it stays allocated.
    HGLOBAL memory = nullptr;
    int32_t id = 0;
    int32_t refCount = 0;

    ImageSource() = default;
    ImageSource(ImageSource&& other) noexcept;
    ImageSource& operator=(ImageSource&& other) noexcept;
    ~ImageSource();

    // The loaders refuse an occupied record.
    bool Occupied() const { return bitmap || memory || resourceName; }
    // Disposes the bitmap, frees the block and empties every field.
    void Clear();
};

bool LoadSourceFromFile(ImageSource& record, const wchar_t* path);
bool LoadSourceFromResource(ImageSource& record, HMODULE module, LPCWSTR type, LPCWSTR name);
bool LoadSourceFromMemory(ImageSource& record, const void* data, UINT size);
bool LoadSourceFromBitmap(ImageSource& record, Gdiplus::GpBitmap* bitmap);

// Width and height of a bitmap; 0 x 0 when GDI+ cannot tell.
SIZE BitmapSize(Gdiplus::GpBitmap* bitmap);
