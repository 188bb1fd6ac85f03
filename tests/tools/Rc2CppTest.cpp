// The resource compiler: malformed scripts are refused at the right line,
// and what it makes of the program's script is byte for byte what windres
// puts into the Windows executable.
#include "tools/rc2cpp/ResourceCompiler.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <tuple>

namespace {

int ErrorLine(const std::string& script) {
    try {
        rc2cpp::ParseScript(script);
    } catch (const rc2cpp::ScriptError& e) {
        return e.line;
    }
    return -1;
}

TEST(Rc2Cpp, MalformedScriptsNameTheLine) {
    const std::string versionHead = "1 VERSIONINFO\nBEGIN\n BLOCK \"StringFileInfo\"\n BEGIN\n  BLOCK \"080404b0\"\n  BEGIN\n";
    const std::string versionTail = "  END\n END\nEND\n";
    const struct {
        std::string script;
        int line;
    } cases[] = {
        {"#include <winver.h>\n", 1},
        {"// fine\n#pragma code_page(936)\n", 2},
        {"\n\n180 BIN \"candle.png\n", 3},
        {"/* never closed\n180 BIN \"a.png\"\n", 1},
        {"180 BIN\n", 1},
        {"180 BIN \"\"\n", 1},
        {"70000 BIN \"a.png\"\n", 1},
        {"180 BIN \"a\\q.png\"\n", 1},
        {"1 VERSIONINFO\nFILEVERSION 1,6,0,0\nFILEDATE 3\nBEGIN\nEND\n", 3},
        {"1 VERSIONINFO\nFILEVERSION 1,65536\nBEGIN\nEND\n", 2},
        {"1 VERSIONINFO\nBEGIN\n  VALUE \"Translation\" 0x804\nEND\n", 3},
        {"1 VERSIONINFO\nBEGIN\n  BLOCK \"VarFileInfo\"\n  BEGIN\n", 4},
        {versionHead + "   VALUE \"ProductName\", \"\xff\"\n" + versionTail, 7},
        {versionHead + "   VALUE \"ProductName\", 12\n" + versionTail, 7},
        {"180 BIN \"a.png\" @\n", 1},
        {"LANGUAGE 4\n180 BIN \"a.png\"\n", 2},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorLine(c.script), c.line) << c.script;
}

// Each level takes two lines (BLOCK, BEGIN), so the refused BEGIN of level d
// stands on line 2d.
TEST(Rc2Cpp, NestingIsRefusedPastItsLimitAtTheLine) {
    const struct {
        int depth;
        int errorLine;
    } cases[] = {{rc2cpp::kMaxNesting, -1}, {rc2cpp::kMaxNesting + 1, 2 * (rc2cpp::kMaxNesting + 1)}, {5000, 66}};
    for (const auto& c : cases) {
        std::string script = "1 VERSIONINFO\nBEGIN\n";
        for (int level = 2; level <= c.depth; ++level) script += "BLOCK \"b\"\nBEGIN\n";
        for (int level = 1; level <= c.depth; ++level) script += "END\n";
        EXPECT_EQ(ErrorLine(script), c.errorLine) << c.depth;
    }
}

using ResourceKey = std::tuple<std::string, std::string>;

std::string IdText(bool isNumber, unsigned number, const std::string& text) {
    return isNumber ? "#" + std::to_string(number) : text;
}

// Reads a .res file: a sequence of headers (size, header size, type, name,
// …) each followed by its data, both padded to 32 bits.
std::map<ResourceKey, std::vector<unsigned char>> ReadResFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<unsigned char> d((std::istreambuf_iterator<char>(in)), {});
    auto u16 = [&](size_t at) { return unsigned(d[at] | (d[at + 1] << 8)); };
    auto u32 = [&](size_t at) { return u16(at) | (u16(at + 2) << 16); };
    auto id = [&](size_t& at) {
        if (u16(at) == 0xFFFF) {
            at += 4;
            return IdText(true, u16(at - 2), "");
        }
        std::string text;
        for (; u16(at) != 0; at += 2) text += static_cast<char>(u16(at));
        at += 2;
        return text;
    };
    std::map<ResourceKey, std::vector<unsigned char>> resources;
    for (size_t at = 0; at + 8 <= d.size();) {
        const size_t size = u32(at), header = u32(at + 4);
        size_t field = at + 8;
        const std::string type = id(field);
        const std::string name = id(field);
        if (size != 0) resources[{type, name}] = std::vector<unsigned char>(d.begin() + at + header, d.begin() + at + header + size);
        at = (at + header + size + 3) & ~size_t(3);
    }
    return resources;
}

TEST(Rc2Cpp, ProgramScriptCompilesAsWindresCompilesIt) {
    const std::vector<rc2cpp::CompiledResource> ours = rc2cpp::CompileScript(KY_RC_SCRIPT);
    if (std::string(KY_WINDRES).empty()) GTEST_SKIP() << "x86_64-w64-mingw32-windres not installed";
    const std::string script = KY_RC_SCRIPT;
    const std::string folder = script.substr(0, script.find_last_of('/'));
    const std::string res = testing::TempDir() + "/rc2cpp-test.res";
    const std::string command = std::string(KY_WINDRES) + " -c 65001 --include-dir=" + folder + " -O res " + script + " " + res;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const auto theirs = ReadResFile(res);
    std::remove(res.c_str());
    ASSERT_EQ(ours.size(), theirs.size());
    for (const rc2cpp::CompiledResource& r : ours) {
        const ResourceKey key{IdText(r.type.isNumber, r.type.number, r.type.text),
                              IdText(r.name.isNumber, r.name.number, r.name.text)};
        auto found = theirs.find(key);
        ASSERT_NE(found, theirs.end()) << std::get<0>(key) << " " << std::get<1>(key);
        EXPECT_EQ(r.data, found->second) << std::get<0>(key) << " " << std::get<1>(key);
    }
}

}  // namespace
