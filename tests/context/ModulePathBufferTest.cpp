// What GetModuleFileNameW leaves in the buffer, read back without ever
// looking past what it wrote: a truncated path may have no terminator.
#include "context/ModulePaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

TEST(ModulePathBuffer, TakesOnlyWhatWasWritten)
{
    constexpr auto kFull = static_cast<DWORD>(kPathCapacity);
    const struct {
        std::size_t terminatorAt;  // kPathCapacity: none at all
        DWORD answered;
        std::size_t expected;
    } cases[] = {{kPathCapacity, kFull, kPathCapacity},      // truncated and unterminated
                 {kPathCapacity - 1, kFull, kPathCapacity - 1}, {10, 10, 10},
                 {kPathCapacity, kFull + 5, kPathCapacity},  // answered more than the buffer
                 {0, 0, 0},                                  // failed
                 {kPathCapacity, 0, 0}};                     // failed over an unterminated buffer
    for (const auto& c : cases) {
        // On the heap and exactly as large as the buffer, so that reading
        // past it is caught by the address sanitizer.
        auto buffer = std::make_unique<wchar_t[]>(kPathCapacity);
        std::fill_n(buffer.get(), kPathCapacity, L'p');
        if (c.terminatorAt < kPathCapacity)
            buffer[c.terminatorAt] = L'\0';
        const auto& array = *reinterpret_cast<const wchar_t(*)[kPathCapacity]>(buffer.get());
        EXPECT_EQ(WrittenPath(array, c.answered), std::wstring(c.expected, L'p')) << &c - cases;
    }
}
