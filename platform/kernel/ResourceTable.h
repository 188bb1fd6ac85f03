// The embedded resources of the program: tables generated from the resource
// script by tools/rc2cpp register themselves here while static objects are
// initialised, and FindResourceW searches them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform::kernel {

struct ResourceEntry {
    const wchar_t* typeName;  // upper case; null when the type is typeId
    uint16_t typeId;
    const wchar_t* name;      // upper case; null when the name is nameId
    uint16_t nameId;
    const unsigned char* data;
    uint32_t size;
};

// The entries must live as long as the process (generated tables are
// constant arrays). Returns true, so it can initialise a static.
bool RegisterResources(const ResourceEntry* entries, size_t count);

// The version record registered as RT_VERSION, or null; this is what
// GetFileVersionInfoW hands out for the program's own file.
const ResourceEntry* FindVersionRecord();

}  // namespace platform::kernel
