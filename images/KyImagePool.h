#pragma once

#include "images/ImageSource.h"

#include <cstdint>
#include <vector>

// Decoded pictures shared by origin: objects that load the same file or the
// same resource decode it once. Entries are counted by holder and addressed
// by a picture id that is never reused during a run; 0 means no picture.
class KyImagePool {
public:
    // Created on first use; its teardown at exit disposes what is left.
    static KyImagePool& Instance();

    KyImagePool();
    ~KyImagePool();
    KyImagePool(const KyImagePool&) = delete;
    KyImagePool& operator=(const KyImagePool&) = delete;

    int32_t AcquireByFile(const wchar_t* path);
    int32_t AcquireByResource(HMODULE module, LPCWSTR type, LPCWSTR name);
    int32_t AddFromMemory(const void* data, UINT size);
    int32_t AddFromBitmap(Gdiplus::GpBitmap* bitmap);
    bool AddRef(int32_t id);
    bool ReleaseId(int32_t id);
    Gdiplus::GpBitmap* BitmapOf(int32_t id) const;
    // Decodes the entry's origin again into a private record.
    bool LoadCopyOf(int32_t id, ImageSource& record) const;

    size_t Size() const { return entries.size(); }

private:
    int32_t Append(ImageSource&& record);
    ImageSource* Find(int32_t id);
    const ImageSource* Find(int32_t id) const;

    std::vector<ImageSource> entries;
    int32_t lastId = 0;
    bool holdsGdiplus = false;
};
