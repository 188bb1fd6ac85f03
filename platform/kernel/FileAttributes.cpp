#include "platform/kernel/WideText.h"
#include "platform/kernel/kernel.h"

#include <cerrno>
#include <cwchar>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Windows tells a missing file in an existing folder (file not found) from
// a missing folder on the way (path not found).
DWORD MissingError(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return ERROR_FILE_NOT_FOUND;
    struct stat parent;
    if (stat(path.substr(0, slash).c_str(), &parent) == 0 && S_ISDIR(parent.st_mode)) return ERROR_FILE_NOT_FOUND;
    return ERROR_PATH_NOT_FOUND;
}

}  // namespace

DWORD GetFileAttributesW(LPCWSTR fileName) {
    if (fileName == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_FILE_ATTRIBUTES;
    }
    // Wildcards are never valid in a Windows file name.
    if (std::wcspbrk(fileName, L"?*") != nullptr) {
        SetLastError(ERROR_INVALID_NAME);
        return INVALID_FILE_ATTRIBUTES;
    }
    if (*fileName == L'\0') {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    const std::string path = platform::kernel::Utf8FromWide(fileName);
    struct stat info;
    if (stat(path.c_str(), &info) != 0) {
        switch (errno) {
        case ENOENT: SetLastError(MissingError(path)); break;
        case ENOTDIR: SetLastError(ERROR_PATH_NOT_FOUND); break;
        case EACCES: SetLastError(ERROR_ACCESS_DENIED); break;
        case ENAMETOOLONG: SetLastError(ERROR_INVALID_NAME); break;
        default: SetLastError(ERROR_FILE_NOT_FOUND); break;
        }
        return INVALID_FILE_ATTRIBUTES;
    }
    if (S_ISDIR(info.st_mode)) return FILE_ATTRIBUTE_DIRECTORY;
    return access(path.c_str(), W_OK) == 0 ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}
