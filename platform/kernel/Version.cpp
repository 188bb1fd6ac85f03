#include "platform/kernel/Module.h"
#include "platform/kernel/ResourceTable.h"
#include "platform/kernel/VersionBlock.h"
#include "platform/kernel/WideText.h"
#include "platform/kernel/kernel.h"

#include <algorithm>
#include <cstring>
#include <sys/stat.h>

namespace {

using platform::kernel::ResourceEntry;

// Only the program's own file has a version record we can give: the one
// embedded from its resource script. Reading other executables' resources
// is not needed.
const ResourceEntry* RecordFor(LPCWSTR fileName) {
    if (fileName == nullptr || *fileName == L'\0') {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    const DWORD attributes = GetFileAttributesW(fileName);
    if (attributes == INVALID_FILE_ATTRIBUTES) return nullptr;
    struct stat asked, own;
    const std::string path = platform::kernel::Utf8FromWide(fileName);
    if (stat(path.c_str(), &asked) != 0 || stat(platform::kernel::OwnExecutablePath().c_str(), &own) != 0 ||
        asked.st_dev != own.st_dev || asked.st_ino != own.st_ino) {
        SetLastError((attributes & FILE_ATTRIBUTE_DIRECTORY) ? ERROR_ACCESS_DENIED : ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    const ResourceEntry* record = platform::kernel::FindVersionRecord();
    if (record == nullptr) SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
    return record;
}

}  // namespace

DWORD GetFileVersionInfoSizeW(LPCWSTR fileName, LPDWORD handle) {
    if (handle != nullptr) *handle = 0;
    const ResourceEntry* record = RecordFor(fileName);
    if (record == nullptr) return 0;
    SetLastError(ERROR_SUCCESS);
    return static_cast<DWORD>(platform::kernel::VersionBlockSize(record->size));
}

BOOL GetFileVersionInfoW(LPCWSTR fileName, DWORD, DWORD size, LPVOID data) {
    if (data == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    // Less than one item header is no record at all.
    if (size < 6) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    const ResourceEntry* record = RecordFor(fileName);
    if (record == nullptr) return FALSE;
    // A short buffer gets the start of the record, and its length says so,
    // so that VerQueryValueW never walks past what was copied.
    const size_t length = std::min<size_t>(size, record->size);
    auto* bytes = static_cast<unsigned char*>(data);
    std::memcpy(bytes, record->data, length);
    if (length < record->size) {
        bytes[0] = length & 0xFF;
        bytes[1] = (length >> 8) & 0xFF;
    }
    if (size >= platform::kernel::VersionBlockSize(length)) {
        bytes[platform::kernel::kVersionRootTypeOffset] = platform::kernel::kVersionAreaMarker & 0xFF;
        bytes[platform::kernel::kVersionRootTypeOffset + 1] = platform::kernel::kVersionAreaMarker >> 8;
    }
    return TRUE;
}
