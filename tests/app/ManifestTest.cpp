// The manifest that the Windows loader reads out of lens-demo.exe: the
// systems the program declares itself tested on, GDI scaling instead of
// dpi awareness, and no dependency on the themed common controls.
#include <gtest/gtest.h>

#include <string>

#include "platform/win32.h"

namespace {

const struct { const char* what; const char* text; bool present; } kEntries[] = {
    {"Windows 7", "<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>", true},
    {"Windows 8", "<supportedOS Id=\"{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}\"/>", true},
    {"Windows 8.1", "<supportedOS Id=\"{1f676c76-80e1-4239-95bb-83d0f6d0da78}\"/>", true},
    {"Windows 10 and 11", "<supportedOS Id=\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"/>", true},
    {"dpi unaware", "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">false</dpiAware>", true},
    {"GDI scaling",
     "<gdiScaling xmlns=\"http://schemas.microsoft.com/SMI/2017/WindowsSettings\">true</gdiScaling>", true},
    {"no per-monitor awareness", "dpiAwareness", false},
    {"no themed common controls", "Microsoft.Windows.Common-Controls", false},
};

TEST(Manifest, ProgramDeclaresItsSystemsAndScaling)
{
    // lens-demo.exe sits in app/ of the same build as this test's tests/app/.
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    for (int up = 0; up < 3; ++up)
        path.erase(path.find_last_of(L"\\/"));
    HMODULE program = LoadLibraryExW((path + L"\\app\\lens-demo.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    std::string manifest;
    if (HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), RT_MANIFEST))
        if (const char* bytes = static_cast<const char*>(LockResource(LoadResource(program, found))))
            manifest.assign(bytes, SizeofResource(program, found));
    FreeLibrary(program);
    ASSERT_NE(manifest.find("<assembly"), std::string::npos) << "no manifest resource in lens-demo.exe";
    for (const auto& entry : kEntries)
        EXPECT_EQ(manifest.find(entry.text) != std::string::npos, entry.present) << entry.what;
}

}  // namespace
