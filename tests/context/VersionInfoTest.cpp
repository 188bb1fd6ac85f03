#include "context/VersionInfo.h"

#include "context/ModulePaths.h"
#include "platform/testing/TestVersionBlock.h"
#include "tests/context/VersionRecordBuilder.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

using kytest::VersionRecordBuilder;

namespace {

const std::array<WORD, 4> kZero{0, 0, 0, 0};

bool ReadBuilt(VersionInfo& info, const std::vector<BYTE>& record)
{
    const std::vector<BYTE> block = kytest::VersionBlockOf(record);
    return info.ReadRecord(L"built.exe", block.data(), block.size());
}

// A state that any failed read must wipe out.
VersionInfo Filled()
{
    VersionInfo info;
    EXPECT_TRUE(ReadBuilt(info, kytest::TypicalVersionRecord()));
    return info;
}

void ExpectReset(const VersionInfo& info)
{
    EXPECT_TRUE(info.fileName.empty());
    EXPECT_EQ(info.fileVersion, kZero);
    EXPECT_EQ(info.productVersion, kZero);
    EXPECT_TRUE(info.stringTables.empty());
}

}  // namespace

TEST(VersionRecord, TablesFollowTheTranslationOrderAndMissingKeysStayEmpty)
{
    const std::vector<BYTE> record =
        VersionRecordBuilder()
            .FileVersion(0x00020003, 0x00040005)
            .ProductVersion(0x00010006, 0x00000007)
            .Table({u"080404b0", {{u"ProductName", u"透镜"}, {u"CompanyName", u"教学组"}}})
            .Table({u"040904b0",
                    {{u"ProductName", u"Lens"}, {u"SpecialBuild", u"only here"}, {u"Comments", u""}}})
            .Translations({{0x409, 0x4B0}, {0x804, 0x4B0}})
            .Build();
    VersionInfo info;
    ASSERT_TRUE(ReadBuilt(info, record));
    EXPECT_EQ(info.fileName, L"built.exe");
    EXPECT_EQ(info.fileVersion, (std::array<WORD, 4>{2, 3, 4, 5}));
    EXPECT_EQ(info.productVersion, (std::array<WORD, 4>{1, 6, 0, 7}));

    ASSERT_EQ(info.stringTables.size(), 2u);
    const VersionStrings& english = info.stringTables[0];
    EXPECT_EQ(english.language, 0x409);
    EXPECT_EQ(english.codePage, 0x4B0);
    EXPECT_EQ(english.productNameText, L"Lens");
    EXPECT_EQ(english.specialBuild, L"only here");
    EXPECT_TRUE(english.companyName.empty());
    EXPECT_TRUE(english.comments.empty());

    const VersionStrings& chinese = info.stringTables[1];
    EXPECT_EQ(chinese.language, 0x804);
    EXPECT_EQ(chinese.productNameText, L"透镜");
    EXPECT_EQ(chinese.companyName, L"教学组");
    EXPECT_TRUE(chinese.specialBuild.empty());
}

TEST(VersionRecord, EveryKeyLandsInItsOwnField)
{
    const std::vector<BYTE> record =
        VersionRecordBuilder()
            .Table({u"000104e4",
                    {{u"CompanyName", u"1"}, {u"FileDescription", u"2"}, {u"FileVersion", u"3"},
                     {u"InternalName", u"4"}, {u"LegalCopyright", u"5"}, {u"OriginalFilename", u"6"},
                     {u"ProductName", u"7"}, {u"ProductVersion", u"8"}, {u"Comments", u"9"},
                     {u"LegalTrademarks", u"10"}, {u"PrivateBuild", u"11"}, {u"SpecialBuild", u"12"}}})
            .Translations({{0x0001, 0x04E4}})  // short numbers are padded to four digits
            .Build();
    VersionInfo info;
    ASSERT_TRUE(ReadBuilt(info, record));
    ASSERT_EQ(info.stringTables.size(), 1u);
    const VersionStrings& t = info.stringTables[0];
    const std::vector<std::wstring> fields{t.companyName,      t.fileDescription, t.fileVersionText,
                                           t.internalName,     t.legalCopyright,  t.originalFilename,
                                           t.productNameText,  t.productVersionText, t.comments,
                                           t.legalTrademarks,  t.privateBuild,    t.specialBuild};
    for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(fields[i], std::to_wstring(i + 1)) << "key " << i + 1;
}

TEST(VersionRecord, MissingOrShortTranslationStillReadsTheVersions)
{
    const auto base = [] {
        return VersionRecordBuilder()
            .FileVersion(0x00010006, 0)
            .ProductVersion(0x00010006, 0)
            .Table({u"080404b0", {{u"ProductName", u"透镜"}}});
    };
    for (auto record : {base().Build(), base().TranslationBytes({0x04, 0x08}).Build()}) {
        VersionInfo info;
        EXPECT_TRUE(ReadBuilt(info, record));
        EXPECT_EQ(info.fileName, L"built.exe");
        EXPECT_EQ(info.productVersion, (std::array<WORD, 4>{1, 6, 0, 0}));
        EXPECT_TRUE(info.stringTables.empty());
    }

    // A remainder after the last whole entry is ignored.
    VersionInfo info;
    EXPECT_TRUE(ReadBuilt(info, base().TranslationBytes({0x04, 0x08, 0xB0, 0x04, 0x09, 0x04}).Build()));
    ASSERT_EQ(info.stringTables.size(), 1u);
    EXPECT_EQ(info.stringTables[0].productNameText, L"透镜");
}

TEST(VersionRecord, FixedDataOfAnyOtherSizeIsRefused)
{
    for (std::size_t size : {0u, 48u, 56u}) {
        VersionInfo info = Filled();
        const std::vector<BYTE> record = VersionRecordBuilder()
                                             .FileVersion(0x00010006, 0)
                                             .FixedSize(size)
                                             .Translations({{0x804, 0x4B0}})
                                             .Build();
        EXPECT_FALSE(ReadBuilt(info, record)) << size;
        ExpectReset(info);
    }
}

TEST(VersionRecord, BuffersThatCannotHoldTheRecordAreRefused)
{
    const std::vector<BYTE> record = kytest::TypicalVersionRecord();
    // The last is shorter than the record says: the API would walk past the end.
    for (auto [data, size] : {std::pair<const BYTE*, std::size_t>{nullptr, 100}, {record.data(), 5},
                              {record.data(), record.size() - 1}}) {
        VersionInfo info = Filled();
        EXPECT_FALSE(info.ReadRecord(L"x", data, size)) << size;
        ExpectReset(info);
    }
}

// Only plain existing files have a record: not a folder, a wildcard, a
// question mark or a name cut by a terminator.
TEST(VersionInfoRead, PathsWithoutARecordLeaveItReset)
{
    const std::wstring self = ModulePath();
    EXPECT_TRUE(FileExists(self));
    std::wstring withQuestionMark = self;
    withQuestionMark.back() = L'?';
    for (const std::wstring& path : {std::wstring(), ModuleDirectory(), self + L".missing", DirectoryOf(self) + L"*",
                                     withQuestionMark, self + std::wstring(1, L'\0') + L"x"}) {
        EXPECT_FALSE(FileExists(path));
        VersionInfo info = Filled();
        EXPECT_FALSE(info.Read(path));
        ExpectReset(info);
    }
}

// This executable carries the program's resources, so it reads the program's
// own record: the same fields through Windows' version API and through ours.
TEST(VersionInfoRead, OwnFileGivesTheProgramRecord)
{
    VersionInfo info;
    ASSERT_TRUE(info.Read(ModulePath()));
    EXPECT_EQ(info.fileName, ModulePath());
    EXPECT_EQ(info.fileVersion, (std::array<WORD, 4>{1, 6, 0, 0}));
    EXPECT_EQ(info.productVersion, (std::array<WORD, 4>{1, 6, 0, 0}));
    ASSERT_EQ(info.stringTables.size(), 1u);
    const VersionStrings& table = info.stringTables[0];
    EXPECT_EQ(table.language, 0x804);
    EXPECT_EQ(table.codePage, 0x4B0);
    EXPECT_EQ(table.productNameText, L"凸透镜与凹透镜成像演示");
    EXPECT_EQ(table.companyName, L"光学课堂教具组");
    EXPECT_EQ(table.legalCopyright, L"版权所有 (C) 2026 光学课堂教具组");
    EXPECT_EQ(table.productVersionText, L"1.6.0.0");
}
