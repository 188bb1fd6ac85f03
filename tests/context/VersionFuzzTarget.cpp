// libFuzzer entry point; build with a compiler that knows -fsanitize=fuzzer.
#include "tests/context/VersionFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kytest::FuzzVersionRecord(data, size);
    return 0;
}
