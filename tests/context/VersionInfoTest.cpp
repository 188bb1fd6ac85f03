// This executable carries the program's resources, so it reads the program's
// own record: the same fields through Windows' version API and through ours.
#include "context/VersionInfo.h"

#include "context/ModulePaths.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

void ExpectReset(const VersionInfo& info)
{
    EXPECT_TRUE(info.fileName.empty());
    EXPECT_EQ(info.fileVersion, (std::array<WORD, 4>{}));
    EXPECT_EQ(info.productVersion, (std::array<WORD, 4>{}));
    EXPECT_TRUE(info.stringTables.empty());
}

}  // namespace

TEST(VersionInfoRead, OwnFileGivesTheProgramRecord)
{
    VersionInfo info;
    ASSERT_TRUE(info.Read(ModulePath()));
    EXPECT_EQ(info.fileName, ModulePath());
    const std::array<WORD, 4> version{1, 6, 0, 0};
    EXPECT_EQ(std::pair(info.fileVersion, info.productVersion), std::pair(version, version));
    ASSERT_EQ(info.stringTables.size(), 1u);
    const VersionStrings& t = info.stringTables[0];
    EXPECT_EQ(std::tie(t.language, t.codePage, t.productNameText, t.companyName, t.legalCopyright, t.productVersionText),
              std::tuple(0x804, 0x4B0, L"凸透镜与凹透镜成像演示", L"光学课堂教具组",
                         L"版权所有 (C) 2026 光学课堂教具组", L"1.6.0.0"));
}

// Only plain existing files have a record: not a folder, a wildcard, a
// question mark or a name cut by a terminator. A buffer shorter than its
// record says is refused before the API would walk past its end.
TEST(VersionInfoRead, WhatHasNoRecordLeavesItReset)
{
    const std::wstring self = ModulePath();
    VersionInfo own;
    ASSERT_TRUE(own.Read(self));
    EXPECT_TRUE(FileExists(self));
    std::wstring withQuestionMark = self;
    withQuestionMark.back() = L'?';
    for (const std::wstring& path : {std::wstring(), ModuleDirectory(), self + L".missing", DirectoryOf(self) + L"*",
                                     withQuestionMark, self + std::wstring(1, L'\0') + L"x"}) {
        EXPECT_FALSE(FileExists(path));
        VersionInfo info = own;
        EXPECT_FALSE(info.Read(path));
        ExpectReset(info);
    }

    DWORD handle = 0;
    std::vector<BYTE> block(GetFileVersionInfoSizeW(self.c_str(), &handle));
    ASSERT_TRUE(GetFileVersionInfoW(self.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    const std::size_t recordSize = block[0] | (block[1] << 8);
    for (auto [data, size] : {std::pair<const BYTE*, std::size_t>{nullptr, 100}, {block.data(), 5},
                              {block.data(), recordSize - 1}}) {
        VersionInfo info = own;
        EXPECT_FALSE(info.ReadRecord(L"x", data, size)) << size;
        ExpectReset(info);
    }
}
