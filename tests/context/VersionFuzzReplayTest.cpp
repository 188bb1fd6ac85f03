// A bounded, repeatable run of the fuzzing step: random damage of a valid
// record, and plain noise.
#include "tests/context/VersionFuzz.h"
#include "tests/context/VersionRecordBuilder.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

void Replay(const std::vector<BYTE>& record)
{
    kytest::FuzzVersionRecord(record.data(), record.size());
}

}  // namespace

TEST(VersionFuzzReplay, DamagedRecords)
{
    const std::vector<BYTE> full = kytest::TypicalVersionRecord();
    std::mt19937 random(20260101);
    for (int round = 0; round < 3000; ++round) {
        std::vector<BYTE> record = full;
        const int damages = 1 + static_cast<int>(random() % 4);
        for (int d = 0; d < damages; ++d) {
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
            if (record.empty())
                break;
        }
        Replay(record);
    }
}
