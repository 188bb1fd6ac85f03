// The subset of the resource-script language the program's script uses:
// `#pragma code_page(65001)`, comments, `LANGUAGE <n>, <n>`,
// `<id> ICON "<file>"`,
// `<id> <TYPE> "<file>"` for a user type or a type number (24: the
// manifest), and one `<id> VERSIONINFO` with its
// fixed statements and nested BLOCK / VALUE items. Anything else is an error
// that names the line.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace rc2cpp {

struct ScriptError : std::runtime_error {
    ScriptError(int line, const std::string& message)
        : std::runtime_error(message), line(line) {}
    int line;
};

// A type or name: an integer identifier, or a string (upper-cased, as the
// Windows resource compilers store them).
struct ResourceId {
    bool isNumber = true;
    uint16_t number = 0;
    std::string text;
};

struct FileResource {
    ResourceId type;  // number 3 is never stored here: ICON has its own kind
    ResourceId name;
    bool isIcon = false;
    std::string file;  // as written in the script
    int line = 0;
};

// One node of the version tree: a BLOCK (children) or a VALUE (a text, or
// a list of 16-bit words).
struct VersionNode {
    std::u16string key;
    bool isBlock = false;
    bool isText = false;
    std::u16string text;
    std::vector<uint16_t> words;
    std::vector<VersionNode> children;
};

struct VersionResource {
    ResourceId name;
    uint16_t fileVersion[4] = {};
    uint16_t productVersion[4] = {};
    uint32_t fileFlagsMask = 0;
    uint32_t fileFlags = 0;
    uint32_t fileOs = 0;
    uint32_t fileType = 0;
    uint32_t fileSubtype = 0;
    std::vector<VersionNode> blocks;
};

struct Script {
    std::vector<FileResource> files;
    std::vector<VersionResource> versions;
};

// How deep BEGIN ... END may nest in a VERSIONINFO, its own BEGIN counted;
// the program's script uses three levels.
constexpr int kMaxNesting = 32;

// Parses UTF-8 script text; throws ScriptError.
Script ParseScript(const std::string& text);

}  // namespace rc2cpp
