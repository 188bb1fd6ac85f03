// One string table of a version record: the language and code page pair it
// is listed under and the twelve standard texts, in the order they are read.
#pragma once

#include "platform/win32.h"

#include <string>

struct VersionStrings {
    WORD language = 0;
    WORD codePage = 0;
    std::wstring companyName;
    std::wstring fileDescription;
    std::wstring fileVersionText;
    std::wstring internalName;
    std::wstring legalCopyright;
    std::wstring originalFilename;
    std::wstring productNameText;
    std::wstring productVersionText;
    std::wstring comments;
    std::wstring legalTrademarks;
    std::wstring privateBuild;
    std::wstring specialBuild;
};
