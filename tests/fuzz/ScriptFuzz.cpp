// The resource compiler's parser over any text: a script is either refused
// with a ScriptError or read, and what was read always makes a record.
#include "tools/rc2cpp/RcScript.h"
#include "tools/rc2cpp/VersionRecord.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const rc2cpp::Script script = rc2cpp::ParseScript(std::string(reinterpret_cast<const char*>(data), size));
        for (const rc2cpp::VersionResource& version : script.versions)
            rc2cpp::BuildVersionRecord(version);
    } catch (const rc2cpp::ScriptError&) {
    }
    return 0;
}
