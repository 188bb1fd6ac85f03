#include "tests/context/VersionFuzz.h"

#include "context/VersionInfo.h"
#include "platform/testing/TestVersionBlock.h"
#include "tests/context/VersionRecordBuilder.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace kytest {

void FuzzVersionRecord(const std::uint8_t* data, std::size_t size)
{
    // GetFileVersionInfoW never hands out less than one item header, nor a
    // record whose outer length claims more than it copied.
    if (size < 6)
        return;
    std::vector<BYTE> record(data, data + size);
    ClampRecordLength(record);
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

    VersionInfo info;
    if (!info.ReadRecord(L"fuzz", block.data(), block.size()))
        return;
    // A text is cut at its terminator, so none may hold one.
    for (const VersionStrings& table : info.stringTables)
        for (const std::wstring* text : {&table.companyName, &table.productNameText, &table.specialBuild})
            if (text->find(L'\0') != std::wstring::npos)
                std::abort();
}

}  // namespace kytest
