// Builds version records in the binary layout that GetFileVersionInfoW
// delivers (VS_VERSIONINFO with UTF-16 keys and texts), so that tests can read
// records the resource compiler would never produce.
#pragma once

#include "platform/win32.h"

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace kytest {

struct VersionTable {
    std::u16string key;  // e.g. u"080404b0"
    std::vector<std::pair<std::u16string, std::u16string>> strings;
};

class VersionRecordBuilder {
public:
    VersionRecordBuilder& FileVersion(DWORD mostSignificant, DWORD leastSignificant);
    VersionRecordBuilder& ProductVersion(DWORD mostSignificant, DWORD leastSignificant);
    // Stores only the first `bytes` bytes of the fixed data (zero-padded past 52).
    VersionRecordBuilder& FixedSize(std::size_t bytes);
    VersionRecordBuilder& Table(VersionTable table);
    // Raw bytes of "\VarFileInfo\Translation"; without a call there is no
    // VarFileInfo block at all.
    VersionRecordBuilder& TranslationBytes(std::vector<BYTE> bytes);
    VersionRecordBuilder& Translations(const std::vector<std::pair<WORD, WORD>>& pairs);

    std::vector<BYTE> Build() const;

private:
    DWORD fileMs_ = 0, fileLs_ = 0, productMs_ = 0, productLs_ = 0;
    std::size_t fixedSize_ = 52;
    std::vector<VersionTable> tables_;
    bool hasTranslation_ = false;
    std::vector<BYTE> translation_;
};

// The record of a typical program: 1.6.0.0 and one Chinese table 0x804/0x4B0.
std::vector<BYTE> TypicalVersionRecord();

// Gives the record's outermost length the value `size` when it claims more:
// GetFileVersionInfoW never hands out fewer bytes than that length says.
void ClampRecordLength(std::vector<BYTE>& record);

}  // namespace kytest
