#include "images/KyImagePool.h"

#include "images/GdiplusSession.h"

#include <cwctype>

namespace {

// The whole text, letter case ignored, nothing else normalised: "a/./b.png"
// and "a/b.png" stay two entries.
bool SamePathIgnoringCase(const std::wstring& stored, const wchar_t* path)
{
    size_t i = 0;
    for (; i < stored.size(); ++i) {
        if (path[i] == L'\0' || std::towupper(stored[i]) != std::towupper(path[i]))
            return false;
    }
    return path[i] == L'\0';
}

}  // namespace

KyImagePool& KyImagePool::Instance()
{
    static KyImagePool pool;
    return pool;
}

KyImagePool::KyImagePool() : holdsGdiplus(AcquireGdiplus()) {}

KyImagePool::~KyImagePool()
{
    // Every bitmap goes before GDI+ is shut down.
    for (ImageSource& entry : entries)
        entry.Clear();
    if (holdsGdiplus)
        ReleaseGdiplus();
    entries.clear();
}

int32_t KyImagePool::AcquireByFile(const wchar_t* path)
{
    if (!path || path[0] == L'\0')
        return 0;
    for (ImageSource& entry : entries) {
        if (entry.fromFile && SamePathIgnoringCase(entry.path, path)) {
            ++entry.refCount;
            return entry.id;
        }
    }
    ImageSource record;
    if (!LoadSourceFromFile(record, path))
        return 0;
    return Append(std::move(record));
}

int32_t KyImagePool::AcquireByResource(HMODULE module, LPCWSTR type, LPCWSTR name)
{
    if (!module || !type || !name)
        return 0;
    // Compared as passed: integer ids by value, texts by their address.
    for (ImageSource& entry : entries) {
        if (!entry.fromFile && entry.module == module && entry.resourceType == type
            && entry.resourceName == name) {
            ++entry.refCount;
            return entry.id;
        }
    }
    ImageSource record;
    if (!LoadSourceFromResource(record, module, type, name))
        return 0;
    return Append(std::move(record));
}

int32_t KyImagePool::AddFromMemory(const void* data, UINT size)
{
    ImageSource record;
    if (!LoadSourceFromMemory(record, data, size))
        return 0;
    return Append(std::move(record));
}

int32_t KyImagePool::AddFromBitmap(Gdiplus::GpBitmap* bitmap)
{
    ImageSource record;
    if (!LoadSourceFromBitmap(record, bitmap))
        return 0;
    return Append(std::move(record));
}

bool KyImagePool::AddRef(int32_t id)
{
    ImageSource* entry = Find(id);
    if (!entry)
        return false;
    ++entry->refCount;
    return true;
}

bool KyImagePool::ReleaseId(int32_t id)
{
    if (id == 0)
        return false;
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (it->id != id)
            continue;
        if (--it->refCount <= 0)
            entries.erase(it);  // the record disposes its bitmap and block
        return true;
    }
    return false;
}

Gdiplus::GpBitmap* KyImagePool::BitmapOf(int32_t id) const
{
    const ImageSource* entry = Find(id);
    return entry ? entry->bitmap : nullptr;
}

bool KyImagePool::LoadCopyOf(int32_t id, ImageSource& record) const
{
    const ImageSource* entry = Find(id);
    if (!entry || record.Occupied())
        return false;
    if (entry->fromFile)
        return LoadSourceFromFile(record, entry->path.c_str());
    if (entry->memory) {
        // A resource entry lands here too: its own copy of the bytes is
        // decoded again rather than the module's resource.
        const void* bytes = GlobalLock(entry->memory);
        if (!bytes)
            return false;
        const bool loaded =
            LoadSourceFromMemory(record, bytes, static_cast<UINT>(GlobalSize(entry->memory)));
        GlobalUnlock(entry->memory);
        return loaded;
    }
    if (entry->module)
        return LoadSourceFromResource(record, entry->module, entry->resourceType, entry->resourceName);
    return LoadSourceFromBitmap(record, entry->bitmap);
}

int32_t KyImagePool::Append(ImageSource&& record)
{
    // Ids are never reused, so a run that exhausts them adds nothing more.
    if (lastId == INT32_MAX)
        return 0;
    record.id = ++lastId;
    record.refCount = 1;
    entries.push_back(std::move(record));
    return entries.back().id;
}

ImageSource* KyImagePool::Find(int32_t id)
{
    if (id == 0)
        return nullptr;
    for (ImageSource& entry : entries) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

const ImageSource* KyImagePool::Find(int32_t id) const
{
    return const_cast<KyImagePool*>(this)->Find(id);
}
