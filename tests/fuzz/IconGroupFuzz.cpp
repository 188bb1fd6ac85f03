// Icon resources from any bytes: a group directory and two images, read the
// way LoadIconW reads them. Every decoded image must hold its pixels.
#include "platform/kernel/ResourceTable.h"
#include "platform/win32.h"
#include "tests/fuzz/FuzzBytes.h"

#include <cstdlib>

namespace {

// The table (a group icon, type 14, and two icons, type 3) is registered
// once; each input rewrites where its entries point.
platform::kernel::ResourceEntry entries[] = {{nullptr, 14, nullptr, 1, nullptr, 0}, {nullptr, 3, nullptr, 1, nullptr, 0}, {nullptr, 3, nullptr, 2, nullptr, 0}};
const bool registered = platform::kernel::RegisterResources(entries, std::size(entries));

}  // namespace

// Input: three parts, each a 16-bit length and that many bytes (cut short at
// the end of the input): the group, then images 1 and 2.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kyfuzz::FuzzBytes bytes(data, size);
    for (platform::kernel::ResourceEntry& entry : entries) {
        const auto length = bytes.Take<std::uint16_t>();
        entry.data = bytes.Here();
        entry.size = static_cast<std::uint32_t>(bytes.Skip(length));
    }
    for (const platform::user::IconImage& image : platform::user::LoadIconImages(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1)))
        if (!registered || image.width <= 0 || image.height <= 0 ||
            image.pixels.size() != std::size_t(image.width) * std::size_t(image.height))
            std::abort();
    return 0;
}
