#include "tools/rc2cpp/ResourceCompiler.h"

#include "tools/rc2cpp/VersionRecord.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace rc2cpp {
namespace {

constexpr uint16_t kIconType = 3;
constexpr uint16_t kGroupIconType = 14;
constexpr uint16_t kVersionType = 16;

ResourceId Number(uint16_t n) {
    ResourceId id;
    id.number = n;
    return id;
}

std::vector<unsigned char> ReadFile(const std::string& path, int line) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ScriptError(line, "cannot read " + path);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

uint32_t Get(const std::vector<unsigned char>& d, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | d[at + i];
    return v;
}

// An icon file becomes one RT_ICON per image and an RT_GROUP_ICON directory
// that refers to them by number, as the Windows resource compilers lay it out.
void AddIcon(const FileResource& icon, const std::vector<unsigned char>& file, uint16_t& nextIconId,
             std::vector<CompiledResource>& out) {
    if (file.size() < 6 || Get(file, 0, 2) != 0 || Get(file, 2, 2) != 1)
        throw ScriptError(icon.line, icon.file + " is not an icon file");
    const uint32_t count = Get(file, 4, 2);
    if (count == 0 || file.size() < 6 + 16 * count)
        throw ScriptError(icon.line, icon.file + ": truncated icon directory");
    std::vector<unsigned char> group(file.begin(), file.begin() + 6);
    for (uint32_t i = 0; i < count; ++i) {
        const size_t entry = 6 + 16 * i;
        const uint32_t size = Get(file, entry + 8, 4);
        const uint32_t offset = Get(file, entry + 12, 4);
        if (size == 0 || offset > file.size() || size > file.size() - offset)
            throw ScriptError(icon.line, icon.file + ": icon image outside the file");
        const uint16_t id = nextIconId++;
        out.push_back({Number(kIconType), Number(id),
                       std::vector<unsigned char>(file.begin() + offset, file.begin() + offset + size)});
        group.insert(group.end(), file.begin() + entry, file.begin() + entry + 12);
        group.push_back(id & 0xFF);
        group.push_back(id >> 8);
    }
    out.push_back({Number(kGroupIconType), icon.name, group});
}

}  // namespace

std::vector<CompiledResource> CompileScript(const std::string& scriptPath) {
    std::ifstream in(scriptPath, std::ios::binary);
    if (!in) throw ScriptError(0, "cannot read the script");
    std::stringstream text;
    text << in.rdbuf();
    const Script script = ParseScript(text.str());
    const size_t slash = scriptPath.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : scriptPath.substr(0, slash + 1);

    std::vector<CompiledResource> out;
    uint16_t nextIconId = 1;
    for (const FileResource& file : script.files) {
        const std::vector<unsigned char> data = ReadFile(folder + file.file, file.line);
        if (file.isIcon)
            AddIcon(file, data, nextIconId, out);
        else
            out.push_back({file.type, file.name, data});
    }
    for (const VersionResource& version : script.versions)
        out.push_back({Number(kVersionType), version.name, BuildVersionRecord(version)});
    return out;
}

}  // namespace rc2cpp
