#include "context/VersionInfo.h"

#include "base/Text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <utility>

namespace {

// The string keys, in the order they are queried.
struct StringKey {
    const wchar_t* key;
    std::wstring VersionStrings::*field;
};

constexpr StringKey kStringKeys[] = {
    {L"CompanyName", &VersionStrings::companyName},
    {L"FileDescription", &VersionStrings::fileDescription},
    {L"FileVersion", &VersionStrings::fileVersionText},
    {L"InternalName", &VersionStrings::internalName},
    {L"LegalCopyright", &VersionStrings::legalCopyright},
    {L"OriginalFilename", &VersionStrings::originalFilename},
    {L"ProductName", &VersionStrings::productNameText},
    {L"ProductVersion", &VersionStrings::productVersionText},
    {L"Comments", &VersionStrings::comments},
    {L"LegalTrademarks", &VersionStrings::legalTrademarks},
    {L"PrivateBuild", &VersionStrings::privateBuild},
    {L"SpecialBuild", &VersionStrings::specialBuild},
};

constexpr UINT kFixedInfoSize = 52;
// wLength, wValueLength and wType of a record's outermost item.
constexpr std::size_t kItemHeaderSize = 6;
static_assert(sizeof(VS_FIXEDFILEINFO) == kFixedInfoSize);

// The version API answers with pointers into the caller's buffer, but it
// trusts the lengths written inside the record, so a damaged record can send
// an answer past the buffer's end. Answers are therefore checked against the
// buffer, and texts are cut at its end.
class RecordBounds {
public:
    RecordBounds(const void* record, std::size_t size)
        : begin(reinterpret_cast<std::uintptr_t>(record)), end(begin + size) {}

    // Bytes that may be read at p; 0 when p lies outside the buffer.
    std::size_t BytesFrom(const void* p) const
    {
        const auto at = reinterpret_cast<std::uintptr_t>(p);
        return (at >= begin && at < end) ? end - at : 0;
    }

    // The zero-terminated text at p, stopped at the end of the buffer.
    std::wstring TextAt(const wchar_t* text) const
    {
        const std::size_t limit = BytesFrom(text) / sizeof(wchar_t);
        if (limit == 0)
            return {};
        const wchar_t* terminator = std::char_traits<wchar_t>::find(text, limit, L'\0');
        return std::wstring(text, terminator != nullptr ? static_cast<std::size_t>(terminator - text) : limit);
    }

private:
    std::uintptr_t begin;
    std::uintptr_t end;
};

void ReadStrings(const void* record, const RecordBounds& bounds, VersionStrings& table)
{
    const std::wstring prefix = Format(L"\\StringFileInfo\\%04x%04x\\",
                                       static_cast<unsigned>(table.language),
                                       static_cast<unsigned>(table.codePage));
    for (const StringKey& entry : kStringKeys) {
        const std::wstring subBlock = prefix + entry.key;
        LPVOID value = nullptr;
        UINT length = 0;
        if (VerQueryValueW(record, subBlock.c_str(), &value, &length))
            table.*entry.field = bounds.TextAt(static_cast<const wchar_t*>(value));
    }
}

}  // namespace

bool FileExists(const std::wstring& path)
{
    // A path with an embedded terminator would name a different file.
    if (path.empty() || path.find(L'\0') != std::wstring::npos)
        return false;
    if (path.find_first_of(L"?*") != std::wstring::npos)
        return false;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES)
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

void VersionInfo::Reset()
{
    fileName.clear();
    fileVersion = {};
    productVersion = {};
    stringTables.clear();
}

bool VersionInfo::Read(const std::wstring& path)
{
    Reset();
    if (!FileExists(path))
        return false;
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0)
        return false;
    std::unique_ptr<BYTE[]> buffer(new (std::nothrow) BYTE[size]);
    if (!buffer)
        return false;
    if (!GetFileVersionInfoW(path.c_str(), 0, size, buffer.get()))
        return false;
    return ReadRecord(path, buffer.get(), size);
}

bool VersionInfo::ReadRecord(const std::wstring& path, const void* record, std::size_t size)
{
    Reset();
    // The version API walks as far as the record's outer length says, so a
    // buffer that does not hold that much is refused before it is asked.
    if (record == nullptr || size < kItemHeaderSize)
        return false;
    WORD outerLength = 0;
    std::memcpy(&outerLength, record, sizeof outerLength);
    if (outerLength > size)
        return false;
    const RecordBounds bounds(record, size);

    LPVOID value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(record, L"\\", &value, &length) || length != kFixedInfoSize
        || bounds.BytesFrom(value) < kFixedInfoSize)
        return false;
    VS_FIXEDFILEINFO fixed;
    std::memcpy(&fixed, value, sizeof fixed);
    fileVersion = {HIWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionMS),
                   HIWORD(fixed.dwFileVersionLS), LOWORD(fixed.dwFileVersionLS)};
    productVersion = {HIWORD(fixed.dwProductVersionMS), LOWORD(fixed.dwProductVersionMS),
                      HIWORD(fixed.dwProductVersionLS), LOWORD(fixed.dwProductVersionLS)};
    fileName = path;

    value = nullptr;
    length = 0;
    if (!VerQueryValueW(record, L"\\VarFileInfo\\Translation", &value, &length) || length < 4)
        return true;
    const std::size_t count = std::min<std::size_t>(length, bounds.BytesFrom(value)) / 4;
    const auto* entries = static_cast<const BYTE*>(value);
    for (std::size_t i = 0; i < count; ++i) {
        VersionStrings table;
        std::memcpy(&table.language, entries + 4 * i, sizeof(WORD));
        std::memcpy(&table.codePage, entries + 4 * i + 2, sizeof(WORD));
        ReadStrings(record, bounds, table);
        stringTables.push_back(std::move(table));
    }
    return true;
}
