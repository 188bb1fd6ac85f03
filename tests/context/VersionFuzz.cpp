#include "tests/context/VersionFuzz.h"

#include "platform/testing/TestVersionBlock.h"

#include <string>
#include <vector>

namespace kytest {

bool FuzzVersionRecord(const std::uint8_t* data, std::size_t size, VersionInfo& info)
{
    // GetFileVersionInfoW never hands out less than one item header, nor a
    // record whose outer length claims more than it copied.
    if (size < 6)
        return true;
    std::vector<BYTE> record(data, data + size);
    if ((record[0] | (record[1] << 8)) > static_cast<int>(size)) {
        record[0] = static_cast<BYTE>(size & 0xFF);
        record[1] = static_cast<BYTE>((size >> 8) & 0xFF);
    }
    const std::vector<BYTE> block = VersionBlockOf(record);

    // Queries the reader never makes as well: empty, partial and unknown paths.
    static const wchar_t* const kSubBlocks[] = {
        L"", L"\\", L"\\VarFileInfo", L"\\VarFileInfo\\Translation", L"\\StringFileInfo",
        L"\\StringFileInfo\\080404b0", L"\\StringFileInfo\\080404b0\\ProductName",
        L"\\StringFileInfo\\\\", L"\\\\\\", L"\\nothing\\here",
    };
    for (const wchar_t* subBlock : kSubBlocks) {
        LPVOID value = nullptr;
        UINT length = 0;
        VerQueryValueW(block.data(), subBlock, &value, &length);
    }

    if (!info.ReadRecord(L"fuzz", block.data(), block.size()))
        return info.fileName.empty() && info.fileVersion == std::array<WORD, 4>{} &&
               info.productVersion == std::array<WORD, 4>{} && info.stringTables.empty();
    // A text is cut at its terminator, so none may hold one.
    for (const VersionStrings& table : info.stringTables)
        for (const std::wstring* text : {&table.companyName, &table.productNameText, &table.specialBuild})
            if (text->find(L'\0') != std::wstring::npos)
                return false;
    return true;
}

}  // namespace kytest
