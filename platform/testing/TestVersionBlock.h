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
    block.resize(kyplatform::VersionBlockSize(record.size()), 0);
    if (record.size() >= kyplatform::kVersionRootTypeOffset + 2) {
        block[kyplatform::kVersionRootTypeOffset] = kyplatform::kVersionAreaMarker & 0xFF;
        block[kyplatform::kVersionRootTypeOffset + 1] = kyplatform::kVersionAreaMarker >> 8;
    }
    return block;
#endif
}

}  // namespace kytest
