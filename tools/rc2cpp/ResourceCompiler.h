// Turns a resource script into the list of resources that the Windows
// resource compilers would put into the program: files as they are, icons
// split into RT_ICON images and an RT_GROUP_ICON directory, VERSIONINFO as
// its binary record.
#pragma once

#include "tools/rc2cpp/RcScript.h"

#include <string>
#include <vector>

namespace rc2cpp {

struct CompiledResource {
    ResourceId type;
    ResourceId name;
    std::vector<unsigned char> data;
};

// Files are read relative to the script's folder. Throws ScriptError.
std::vector<CompiledResource> CompileScript(const std::string& scriptPath);

}  // namespace rc2cpp
