// A bounded, repeatable run of the fuzzing step: random damage of the
// program's own record (this executable carries it), each read into a copy of
// the record as first read, which a refused read must leave empty.
#include "tests/context/VersionFuzz.h"

#include "context/ModulePaths.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

TEST(VersionFuzzReplay, DamagedRecords)
{
    VersionInfo own;
    ASSERT_TRUE(own.Read(ModulePath()));
    DWORD handle = 0;
    std::vector<BYTE> full(GetFileVersionInfoSizeW(ModulePath().c_str(), &handle));
    ASSERT_TRUE(GetFileVersionInfoW(ModulePath().c_str(), 0, static_cast<DWORD>(full.size()), full.data()));
    full.resize(full[0] | (full[1] << 8));  // the bare record, as far as its outer length

    std::mt19937 random(20260101);
    for (int round = 0; round < 3000; ++round) {
        std::vector<BYTE> record = full;
        const int damages = 1 + static_cast<int>(random() % 4);
        for (int d = 0; d < damages && !record.empty(); ++d) {
            const std::size_t at = random() % record.size();
            switch (random() % 3) {
            case 0:  // one byte anything
                record[at] = static_cast<BYTE>(random());
                break;
            case 1:  // a length or type word gone extreme
                record[at] = (random() % 2) ? 0xFF : 0x00;
                if (at + 1 < record.size())
                    record[at + 1] = record[at];
                break;
            default:  // cut short
                record.resize(at);
                break;
            }
        }
        VersionInfo info = own;
        EXPECT_TRUE(kytest::FuzzVersionRecord(record.data(), record.size(), info)) << "round " << round;
    }
}
