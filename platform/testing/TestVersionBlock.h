// Lets tests read version records they build themselves: the memory block
// GetFileVersionInfoW would hand out for a file whose version record is
// `record` (the bare VS_VERSIONINFO bytes), ready for VerQueryValueW.
#pragma once

#include "platform/win32.h"

#include <vector>

#ifndef _WIN32
#include "platform/kernel/VersionBlock.h"
#endif

namespace kytest {

inline std::vector<unsigned char> VersionBlockOf(const std::vector<unsigned char>& record)
{
#ifdef _WIN32
    // Windows reads the wide values of a bare record in place.
    return record;
#else
    // Ours writes the UTF-32 copies of the texts into an area after the
    // record, which the root item's marker announces.
    std::vector<unsigned char> block(record);
    block.resize(platform::kernel::VersionBlockSize(record.size()), 0);
    if (record.size() >= platform::kernel::kVersionRootTypeOffset + 2) {
        block[platform::kernel::kVersionRootTypeOffset] = platform::kernel::kVersionAreaMarker & 0xFF;
        block[platform::kernel::kVersionRootTypeOffset + 1] = platform::kernel::kVersionAreaMarker >> 8;
    }
    return block;
#endif
}

}  // namespace kytest
