// One fuzzing step over the version API and the record reader: the bytes are
// taken as a version record, in a block exactly as long as GetFileVersionInfoW
// would make it (so that AddressSanitizer sees any read past it). Shared by
// the libFuzzer target and its bounded replay.
#pragma once

#include "context/VersionInfo.h"

#include <cstddef>
#include <cstdint>

namespace kytest {

// Reads the record into `info`; false when that shows a fault: a refused
// record that left anything of what `info` held, or a text holding its
// terminator.
bool FuzzVersionRecord(const std::uint8_t* data, std::size_t size, VersionInfo& info);

}  // namespace kytest
