// The resource compiler: malformed scripts are refused at the right line,
// and what it makes of the program's script is byte for byte what windres
// puts into the Windows executable.
#include "tools/rc2cpp/ResourceCompiler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

int ErrorLine(const std::string& script) {
    try {
        rc2cpp::ParseScript(script);
    } catch (const rc2cpp::ScriptError& e) {
        return e.line;
    }
    return -1;
}

std::string Nested(int depth) {
    std::string script = "1 VERSIONINFO\nBEGIN\n";
    for (int level = 2; level <= depth; ++level) script += "BLOCK \"b\"\nBEGIN\n";
    for (int level = 1; level <= depth; ++level) script += "END\n";
    return script;
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
        // Each level takes two lines (BLOCK, BEGIN): the refused BEGIN of level d stands on line 2d.
        {Nested(rc2cpp::kMaxNesting), -1},
        {Nested(rc2cpp::kMaxNesting + 1), 2 * (rc2cpp::kMaxNesting + 1)},
        {Nested(5000), 66},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorLine(c.script), c.line) << c.script.substr(0, 200);
}

TEST(Rc2Cpp, ProgramScriptCompilesAsWindresCompilesIt) {
    const std::vector<rc2cpp::CompiledResource> ours = rc2cpp::CompileScript(KY_RC_SCRIPT);
    if (std::string(KY_WINDRES).empty()) GTEST_SKIP() << "x86_64-w64-mingw32-windres not installed";
    const std::string script = KY_RC_SCRIPT;
    const std::string folder = script.substr(0, script.find_last_of('/'));
    const std::string res = testing::TempDir() + "/rc2cpp-test.res";
    const std::string command = std::string(KY_WINDRES) + " -c 65001 --include-dir=" + folder + " -O res " + script + " " + res;
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(res, std::ios::binary);
    const std::vector<unsigned char> theirs((std::istreambuf_iterator<char>(in)), {});
    std::remove(res.c_str());
    // Each resource's bytes, the version record's binary layout above all,
    // stand whole in windres's output.
    ASSERT_FALSE(ours.empty());
    for (const rc2cpp::CompiledResource& r : ours)
        EXPECT_NE(std::search(theirs.begin(), theirs.end(), r.data.begin(), r.data.end()), theirs.end())
            << r.type.number << " " << r.name.number;
}

}  // namespace
