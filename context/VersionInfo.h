// The version record of an executable file: the fixed file and product
// versions and one string table per listed language and code page pair.
#pragma once

#include "context/VersionStrings.h"
#include "platform/win32.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// True for an existing file that is not a directory. Wildcards never match;
// a file that exists but is locked by another process counts as existing.
bool FileExists(const std::wstring& path);

class VersionInfo {
public:
    std::wstring fileName;
    std::array<WORD, 4> fileVersion{};
    std::array<WORD, 4> productVersion{};
    std::vector<VersionStrings> stringTables;

    void Reset();

    // Resets, then reads the record of the file at `path`. True when the fixed
    // version data was found; false leaves the object reset.
    bool Read(const std::wstring& path);

    // The part of Read that works on a record already in memory, as
    // GetFileVersionInfoW delivers it (`size` bytes at `record`); `path` is
    // what fileName takes on success. Resets first, like Read.
    bool ReadRecord(const std::wstring& path, const void* record, std::size_t size);
};
