// What GetModuleFileNameW leaves in the buffer, read back without ever
// looking past what it wrote: a truncated path may have no terminator.
#include "context/ModulePaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

struct BufferCase {
    const char* name;
    std::size_t terminatorAt;  // kPathCapacity: none at all
    DWORD answered;
    std::size_t expected;
};

const BufferCase kCases[] = {
    {"TruncatedAndUnterminated", kPathCapacity, static_cast<DWORD>(kPathCapacity), kPathCapacity},
    {"TruncatedAndTerminated", kPathCapacity - 1, static_cast<DWORD>(kPathCapacity), kPathCapacity - 1},
    {"Fits", 10, 10, 10},
    {"AnsweredMoreThanTheBuffer", kPathCapacity, static_cast<DWORD>(kPathCapacity + 5), kPathCapacity},
    {"Failed", 0, 0, 0},
    {"FailedOverAnUnterminatedBuffer", kPathCapacity, 0, 0},
};

class ModulePathBuffer : public ::testing::TestWithParam<BufferCase> {};

TEST_P(ModulePathBuffer, TakesOnlyWhatWasWritten)
{
    // On the heap and exactly as large as the buffer, so that reading past
    // it is caught by the address sanitizer.
    auto buffer = std::make_unique<wchar_t[]>(kPathCapacity);
    std::fill_n(buffer.get(), kPathCapacity, L'p');
    if (GetParam().terminatorAt < kPathCapacity)
        buffer[GetParam().terminatorAt] = L'\0';
    const auto& array = *reinterpret_cast<const wchar_t(*)[kPathCapacity]>(buffer.get());
    EXPECT_EQ(WrittenPath(array, GetParam().answered), std::wstring(GetParam().expected, L'p'));
}

INSTANTIATE_TEST_SUITE_P(Answers, ModulePathBuffer, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<BufferCase>& info) { return std::string(info.param.name); });

}  // namespace
