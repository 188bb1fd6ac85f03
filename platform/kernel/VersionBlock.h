// The memory block GetFileVersionInfoW fills and VerQueryValueW reads.
//
// It starts with the binary VS_VERSIONINFO record exactly as stored in the
// executable (UTF-16 texts). Like Windows, which keeps room after the record
// for the ANSI conversions of VerQueryValueA, we keep room for UTF-32
// copies of the texts, because our wchar_t is 32 bits wide: a conversion
// area after the record, twice the record's size, where the text at record
// offset o is written at area offset 2 * o. The root item's wType (always 0
// in a record) is set to a marker when the area is there, so that the check
// reads nothing beyond the record.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::kernel {

constexpr uint16_t kVersionAreaMarker = 0x574B;  // "KW"
constexpr size_t kVersionRootTypeOffset = 4;

constexpr size_t VersionAreaOffset(size_t recordLength) { return (recordLength + 3) & ~size_t(3); }
constexpr size_t VersionBlockSize(size_t recordLength) {
    return VersionAreaOffset(recordLength) + 2 * recordLength;
}

}  // namespace platform::kernel
