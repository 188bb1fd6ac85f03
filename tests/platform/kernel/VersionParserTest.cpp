// Our VerQueryValueW walks damaged records without reading outside them.
// Windows trusts the record's lengths, so this holds only for our own
// implementation; under the sanitizers any stray read fails the test.
#include "platform/kernel/VersionBlock.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

const wchar_t* const kQueries[] = {
    L"\\",
    L"\\VarFileInfo\\Translation",
    L"\\StringFileInfo\\080404b0\\ProductName",
    L"\\StringFileInfo\\080404b0\\LegalCopyright",
    L"\\StringFileInfo\\080404b0\\ProductVersion",
    L"\\StringFileInfo",
    L"\\x\\y\\z",
};

std::wstring OwnPath() {
    wchar_t path[MAX_PATH];
    return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
}

// Runs every query; each success must point inside the block.
void QueryAll(const std::vector<unsigned char>& block) {
    for (const wchar_t* query : kQueries) {
        void* value = nullptr;
        UINT length = 0;
        if (VerQueryValueW(block.data(), query, &value, &length)) {
            const auto* p = static_cast<const unsigned char*>(value);
            const bool inside = p >= block.data() && p < block.data() + block.size();
            EXPECT_TRUE(inside || length == 0) << query;
        }
    }
}

TEST(VersionParser, EveryTruncationIsSafe) {
    const std::wstring path = OwnPath();
    const DWORD full = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    ASSERT_GT(full, 0u);
    for (DWORD size = 6; size <= full; ++size) {
        std::vector<unsigned char> block(size);
        ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, block.data())) << size;
        QueryAll(block);
    }
    std::vector<unsigned char> tiny(5);
    EXPECT_FALSE(GetFileVersionInfoW(path.c_str(), 0, 5, tiny.data()));
}

TEST(VersionParser, DamagedLengthsAreSafe) {
    const std::wstring path = OwnPath();
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    std::vector<unsigned char> pristine(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, pristine.data()));
    const size_t record = pristine[0] | (pristine[1] << 8);
    for (size_t at = 0; at + 1 < record; at += 2) {
        for (unsigned word : {0u, 1u, 7u, 0x7FFFu, 0xFFFFu}) {
            // The root's length is the one bound there is: it may shrink,
            // not grow past the block.
            if (at == 0 && word > record) continue;
            std::vector<unsigned char> block = pristine;
            block[at] = word & 0xFF;
            block[at + 1] = word >> 8;
            QueryAll(block);
        }
    }
}

TEST(VersionParser, RandomBytesAreSafe) {
    std::mt19937 random(1234);
    for (int round = 0; round < 3000; ++round) {
        const size_t record = 6 + random() % 300;
        // Every other block has the room for wide texts that
        // GetFileVersionInfoW leaves, so the conversion is exercised too.
        const bool withArea = round % 2;
        std::vector<unsigned char> block(withArea ? kyplatform::VersionBlockSize(record) : record);
        for (unsigned char& b : block) b = static_cast<unsigned char>(random());
        block[0] = record & 0xFF;
        block[1] = record >> 8;
        const uint16_t type = withArea ? kyplatform::kVersionAreaMarker : 0;
        block[4] = type & 0xFF;
        block[5] = type >> 8;
        // Child items that claim to be text, to reach the conversion.
        for (size_t at = 4; at + 6 <= record; at += 4)
            if (random() % 4 == 0) block[at + 4] = 1, block[at + 5] = 0;
        QueryAll(block);
    }
}

}  // namespace
