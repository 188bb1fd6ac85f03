// Lays out a VERSIONINFO resource in the binary VS_VERSIONINFO form that
// Windows resource compilers produce: UTF-16LE keys and texts, every item
// starting on a 32-bit boundary, wLength covering an item up to the end of
// its last child (no trailing padding), text lengths in characters with the
// terminator, binary lengths in bytes.
#pragma once

#include "tools/rc2cpp/RcScript.h"

#include <vector>

namespace rc2cpp {

std::vector<unsigned char> BuildVersionRecord(const VersionResource& version);

}  // namespace rc2cpp
