#include "platform/kernel/Module.h"
#include "platform/kernel/ResourceTable.h"
#include "platform/kernel/kernel.h"

#include <cwctype>
#include <vector>

namespace platform::kernel {
namespace {

std::vector<const ResourceEntry*>& Entries() {
    static std::vector<const ResourceEntry*> entries;
    return entries;
}

// A type or name as FindResourceW takes it: an integer in the low word, a
// string, or "#123", which Windows reads as the integer 123.
struct Key {
    bool isNumber = false;
    unsigned number = 0;
    const wchar_t* text = nullptr;
};

Key KeyOf(LPCWSTR id) {
    Key key;
    if (IS_INTRESOURCE(id)) {
        key.isNumber = true;
        key.number = static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(id));
        return key;
    }
    if (id[0] == L'#' && id[1] != L'\0') {
        unsigned value = 0;
        const wchar_t* p = id + 1;
        while (*p >= L'0' && *p <= L'9' && value <= 0xFFFF) value = value * 10 + (*p++ - L'0');
        if (*p == L'\0' && value <= 0xFFFF) {
            key.isNumber = true;
            key.number = value;
            return key;
        }
    }
    key.text = id;
    return key;
}

// Stored names are upper case; Windows compares names without regard to
// case by upper-casing the one asked for.
bool Matches(const Key& key, const wchar_t* storedText, uint16_t storedNumber) {
    if (key.isNumber) return storedText == nullptr && storedNumber == key.number;
    if (storedText == nullptr) return false;
    const wchar_t* a = key.text;
    const wchar_t* b = storedText;
    while (*a != L'\0' && static_cast<wchar_t>(std::towupper(*a)) == *b) {
        ++a;
        ++b;
    }
    return *a == L'\0' && *b == L'\0';
}

const ResourceEntry* EntryOf(HRSRC resource) {
    for (const ResourceEntry* entry : Entries())
        if (reinterpret_cast<const void*>(entry) == resource) return entry;
    return nullptr;
}

}  // namespace

bool RegisterResources(const ResourceEntry* entries, size_t count) {
    for (size_t i = 0; i < count; ++i) Entries().push_back(entries + i);
    return true;
}

const ResourceEntry* FindVersionRecord() {
    return reinterpret_cast<const ResourceEntry*>(FindResourceW(nullptr, MAKEINTRESOURCEW(1), RT_VERSION));
}

}  // namespace platform::kernel

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    using namespace platform::kernel;
    if (!IsOwnModule(module)) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    if (name == nullptr || type == nullptr) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    const Key nameKey = KeyOf(name);
    const Key typeKey = KeyOf(type);
    bool typeSeen = false;
    for (const ResourceEntry* entry : Entries()) {
        if (!Matches(typeKey, entry->typeName, entry->typeId)) continue;
        typeSeen = true;
        if (Matches(nameKey, entry->name, entry->nameId))
            return reinterpret_cast<HRSRC>(const_cast<ResourceEntry*>(entry));
    }
    SetLastError(typeSeen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND);
    return nullptr;
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
    const platform::kernel::ResourceEntry* entry = platform::kernel::EntryOf(resource);
    if (!platform::kernel::IsOwnModule(module) || entry == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return const_cast<unsigned char*>(entry->data);
}

DWORD SizeofResource(HMODULE module, HRSRC resource) {
    const platform::kernel::ResourceEntry* entry = platform::kernel::EntryOf(resource);
    if (!platform::kernel::IsOwnModule(module) || entry == nullptr) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return entry->size;
}

// Resource data lives in the executable: locking is the identity and there
// is nothing to free (FreeResource reports FALSE, as it does on Windows).
LPVOID LockResource(HGLOBAL resourceData) { return resourceData; }

BOOL FreeResource(HGLOBAL) { return FALSE; }
