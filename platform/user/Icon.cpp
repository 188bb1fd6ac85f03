#include "platform/user/Icon.h"

#include "platform/gdi/PngMemory.h"
#include "platform/kernel/kernel.h"

#include <cairo.h>
#include <cstdlib>
#include <cstring>
#include <cwctype>
#include <map>
#include <memory>
#include <utility>

namespace platform::user {
namespace {

struct Icon {
    std::vector<IconImage> images;
};

uint32_t Read32(const unsigned char* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }

// A 32-bit BITMAPINFOHEADER image as icon resources hold it: bottom-up
// BGRA rows, the height doubled to cover the AND mask, which 32-bit images
// do not need because their alpha says everything.
bool DecodeDib(const unsigned char* data, size_t size, IconImage& image) {
    if (size < 40 || Read32(data) < 40) return false;
    const int32_t width = static_cast<int32_t>(Read32(data + 4));
    const int32_t doubled = static_cast<int32_t>(Read32(data + 8));
    const unsigned bitCount = data[14] | (data[15] << 8);
    const uint32_t compression = Read32(data + 16);
    if (width <= 0 || width > 256 || doubled <= 0 || doubled % 2 || doubled / 2 > 256 || bitCount != 32 ||
        compression != 0)
        return false;
    const int height = doubled / 2;
    const size_t header = Read32(data);
    if (header > size || size - header < size_t(width) * height * 4) return false;
    image.width = width;
    image.height = height;
    image.pixels.resize(size_t(width) * height);
    for (int y = 0; y < height; ++y) {
        const unsigned char* row = data + header + size_t(height - 1 - y) * width * 4;
        for (int x = 0; x < width; ++x) image.pixels[size_t(y) * width + x] = Read32(row + x * 4);
    }
    return true;
}

// Icon images may also be PNG files (Windows Vista and later read them).
bool DecodePng(const unsigned char* data, size_t size, IconImage& image) {
    cairo_surface_t* surface = platform::gdi::SurfaceFromPng(data, size);
    if (!surface) return false;
    const bool ok = cairo_image_surface_get_format(surface) == CAIRO_FORMAT_ARGB32;
    if (ok) {
        image.width = cairo_image_surface_get_width(surface);
        image.height = cairo_image_surface_get_height(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        const unsigned char* pixels = cairo_image_surface_get_data(surface);
        image.pixels.resize(size_t(image.width) * image.height);
        for (int y = 0; y < image.height; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(pixels + size_t(y) * stride);
            for (int x = 0; x < image.width; ++x) {
                const uint32_t p = row[x];
                const uint32_t a = p >> 24;
                auto straight = [a](uint32_t c) { return a == 0 ? 0u : (c * 255 + a / 2) / a; };
                image.pixels[size_t(y) * image.width + x] =
                    (a << 24) | (straight((p >> 16) & 0xFF) << 16) | (straight((p >> 8) & 0xFF) << 8) | straight(p & 0xFF);
            }
        }
    }
    cairo_surface_destroy(surface);
    return ok;
}

// Icons from resources are shared, as LoadIconW's are on Windows: one
// object per module and name for the life of the process.
std::map<std::pair<HMODULE, std::wstring>, std::unique_ptr<Icon>>& SharedIcons() {
    static std::map<std::pair<HMODULE, std::wstring>, std::unique_ptr<Icon>> icons;
    return icons;
}

std::wstring NameKey(LPCWSTR name) {
    if (IS_INTRESOURCE(name)) return L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name));
    std::wstring key;
    for (const wchar_t* p = name; *p != L'\0'; ++p) key += static_cast<wchar_t>(std::towupper(*p));
    return key;
}

Icon* LiveIcon(HICON handle) {
    for (auto& [key, icon] : SharedIcons())
        if (reinterpret_cast<HICON>(icon.get()) == handle) return icon.get();
    return nullptr;
}

}  // namespace

// The group directory (RT_GROUP_ICON) names each image (RT_ICON) by number.
std::vector<IconImage> LoadIconImages(HMODULE module, LPCWSTR name) {
    std::vector<IconImage> images;
    HRSRC groupResource = FindResourceW(module, name, RT_GROUP_ICON);
    if (groupResource == nullptr) return images;
    const auto* group = static_cast<const unsigned char*>(LockResource(LoadResource(module, groupResource)));
    const DWORD groupSize = SizeofResource(module, groupResource);
    if (group == nullptr || groupSize < 6) return images;
    const unsigned count = group[4] | (group[5] << 8);
    for (unsigned i = 0; i < count && 6 + 14 * (i + 1) <= groupSize; ++i) {
        const unsigned char* entry = group + 6 + 14 * i;
        const WORD id = entry[12] | (entry[13] << 8);
        HRSRC imageResource = FindResourceW(module, MAKEINTRESOURCEW(id), RT_ICON);
        if (imageResource == nullptr) continue;
        const auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(module, imageResource)));
        const DWORD size = SizeofResource(module, imageResource);
        IconImage image;
        static const unsigned char kPngSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
        const bool png = size >= 8 && std::memcmp(data, kPngSignature, 8) == 0;
        if (png ? DecodePng(data, size, image) : DecodeDib(data, size, image)) images.push_back(std::move(image));
    }
    return images;
}

const IconImage* IconImageNear(HICON handle, int size) {
    const Icon* icon = LiveIcon(handle);
    if (icon == nullptr) return nullptr;
    const IconImage* best = nullptr;
    for (const IconImage& image : icon->images) {
        if (best == nullptr) {
            best = &image;
            continue;
        }
        const int distance = std::abs(image.width - size);
        const int bestDistance = std::abs(best->width - size);
        if (distance < bestDistance || (distance == bestDistance && image.width > best->width)) best = &image;
    }
    return best;
}

}  // namespace platform::user

HICON LoadIconW(HINSTANCE instance, LPCWSTR name) {
    using namespace platform::user;
    // System icons (a null instance) are not provided.
    if (instance == nullptr || name == nullptr) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    const auto key = std::make_pair(static_cast<HMODULE>(instance), NameKey(name));
    auto found = SharedIcons().find(key);
    if (found != SharedIcons().end()) return reinterpret_cast<HICON>(found->second.get());
    auto icon = std::make_unique<Icon>();
    icon->images = LoadIconImages(instance, name);
    if (icon->images.empty()) {
        if (GetLastError() == ERROR_SUCCESS) SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    Icon* raw = icon.get();
    SharedIcons().emplace(key, std::move(icon));
    return reinterpret_cast<HICON>(raw);
}

// A shared icon outlives DestroyIcon, which succeeds without freeing it.
BOOL DestroyIcon(HICON icon) {
    if (platform::user::LiveIcon(icon) == nullptr) {
        SetLastError(ERROR_INVALID_ICON_HANDLE);
        return FALSE;
    }
    return TRUE;
}
