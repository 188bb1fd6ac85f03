// Icons loaded from the program's resources: LoadIconW and DestroyIcon, and
// for the display backend the decoded images of an icon.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <vector>

HICON LoadIconW(HINSTANCE instance, LPCWSTR name);
BOOL DestroyIcon(HICON icon);

namespace platform::user {

// One image of an icon: straight (not premultiplied) alpha, one 32-bit
// 0xAARRGGBB value per pixel, rows top to bottom without padding.
struct IconImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

// The decoded images of the icon group `name` in `module`'s resources, read
// afresh on every call; empty when the group is missing or none decodes.
std::vector<IconImage> LoadIconImages(HMODULE module, LPCWSTR name);

// The image of `icon` whose size is closest to `size` (a larger one wins a
// tie); null for a handle that is not a live icon.
const IconImage* IconImageNear(HICON icon, int size);

}  // namespace platform::user
