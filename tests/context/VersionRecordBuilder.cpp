#include "tests/context/VersionRecordBuilder.h"

#include <algorithm>
#include <cstring>

namespace kytest {
namespace {

constexpr WORD kBinary = 0;
constexpr WORD kText = 1;

void Align4(std::vector<BYTE>& out)
{
    while (out.size() % 4 != 0)
        out.push_back(0);
}

void PutWord(std::vector<BYTE>& out, std::size_t at, WORD value)
{
    out[at] = static_cast<BYTE>(value & 0xFF);
    out[at + 1] = static_cast<BYTE>(value >> 8);
}

void AppendText(std::vector<BYTE>& out, const std::u16string& text)
{
    for (char16_t c : text) {
        out.push_back(static_cast<BYTE>(c & 0xFF));
        out.push_back(static_cast<BYTE>(c >> 8));
    }
    out.push_back(0);
    out.push_back(0);
}

// One node: wLength, wValueLength, wType, key, padding, value, padding,
// children. `writeChildren` appends the children in place.
template <typename Children>
void AppendNode(std::vector<BYTE>& out, const std::u16string& key, WORD type,
                const std::vector<BYTE>& value, WORD valueLength, Children writeChildren)
{
    Align4(out);
    const std::size_t start = out.size();
    out.resize(start + 6);
    PutWord(out, start + 2, valueLength);
    PutWord(out, start + 4, type);
    AppendText(out, key);
    Align4(out);
    out.insert(out.end(), value.begin(), value.end());
    writeChildren(out);
    PutWord(out, start, static_cast<WORD>(out.size() - start));
}

void NoChildren(std::vector<BYTE>&) {}

std::vector<BYTE> Dwords(std::initializer_list<DWORD> values)
{
    std::vector<BYTE> bytes;
    for (DWORD v : values)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<BYTE>(v >> shift));
    return bytes;
}

}  // namespace

VersionRecordBuilder& VersionRecordBuilder::FileVersion(DWORD ms, DWORD ls)
{
    fileMs_ = ms;
    fileLs_ = ls;
    return *this;
}

VersionRecordBuilder& VersionRecordBuilder::ProductVersion(DWORD ms, DWORD ls)
{
    productMs_ = ms;
    productLs_ = ls;
    return *this;
}

VersionRecordBuilder& VersionRecordBuilder::FixedSize(std::size_t bytes)
{
    fixedSize_ = bytes;
    return *this;
}

VersionRecordBuilder& VersionRecordBuilder::Table(VersionTable table)
{
    tables_.push_back(std::move(table));
    return *this;
}

VersionRecordBuilder& VersionRecordBuilder::TranslationBytes(std::vector<BYTE> bytes)
{
    hasTranslation_ = true;
    translation_ = std::move(bytes);
    return *this;
}

VersionRecordBuilder& VersionRecordBuilder::Translations(const std::vector<std::pair<WORD, WORD>>& pairs)
{
    std::vector<BYTE> bytes;
    for (const auto& [language, codePage] : pairs) {
        const std::vector<BYTE> entry = Dwords({static_cast<DWORD>(language) | (static_cast<DWORD>(codePage) << 16)});
        bytes.insert(bytes.end(), entry.begin(), entry.end());
    }
    return TranslationBytes(std::move(bytes));
}

std::vector<BYTE> VersionRecordBuilder::Build() const
{
    std::vector<BYTE> fixed = Dwords({0xFEEF04BD, 0x00010000, fileMs_, fileLs_, productMs_, productLs_,
                                      0x3F, 0, 0x40004, 1, 0, 0, 0});
    fixed.resize(fixedSize_, 0);

    std::vector<BYTE> record;
    AppendNode(record, u"VS_VERSION_INFO", kBinary, fixed, static_cast<WORD>(fixedSize_),
               [this](std::vector<BYTE>& out) {
        if (!tables_.empty())
            AppendNode(out, u"StringFileInfo", kText, {}, 0, [this](std::vector<BYTE>& files) {
                for (const VersionTable& table : tables_)
                    AppendNode(files, table.key, kText, {}, 0, [&table](std::vector<BYTE>& strings) {
                        for (const auto& [key, text] : table.strings) {
                            std::vector<BYTE> value;
                            AppendText(value, text);
                            AppendNode(strings, key, kText, value,
                                       static_cast<WORD>(text.size() + 1), NoChildren);
                        }
                    });
            });
        if (hasTranslation_)
            AppendNode(out, u"VarFileInfo", kText, {}, 0, [this](std::vector<BYTE>& vars) {
                AppendNode(vars, u"Translation", kBinary, translation_,
                           static_cast<WORD>(translation_.size()), NoChildren);
            });
    });
    return record;
}

std::vector<BYTE> TypicalVersionRecord()
{
    return VersionRecordBuilder()
        .FileVersion(0x00010006, 0)
        .ProductVersion(0x00010006, 0)
        .Table({u"080404b0",
                {{u"CompanyName", u"物理教学组"},
                 {u"FileDescription", u"凸透镜成像演示"},
                 {u"FileVersion", u"1.6.0.0"},
                 {u"ProductName", u"透镜成像演示"},
                 {u"ProductVersion", u"1.6.0.0"}}})
        .Translations({{0x804, 0x4B0}})
        .Build();
}

void ClampRecordLength(std::vector<BYTE>& record)
{
    if (record.size() < 2)
        return;
    const std::size_t claimed = record[0] | (record[1] << 8);
    if (claimed > record.size())
        PutWord(record, 0, static_cast<WORD>(record.size()));
}

}  // namespace kytest
