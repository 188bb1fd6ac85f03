// libFuzzer entry point; build with a compiler that knows -fsanitize=fuzzer.
#include "tests/context/VersionFuzz.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    VersionInfo info;
    if (!kytest::FuzzVersionRecord(data, size, info))
        std::abort();
    return 0;
}
