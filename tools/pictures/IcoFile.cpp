#include "tools/pictures/IcoFile.h"

#include <cstdint>
#include <cstdio>

namespace pictures {
namespace {

void Put16(std::vector<unsigned char>& out, unsigned value) {
    out.push_back(value & 0xFF);
    out.push_back((value >> 8) & 0xFF);
}

void Put32(std::vector<unsigned char>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// BITMAPINFOHEADER (height doubled for the mask), bottom-up BGRA rows with
// straight alpha, then the 1-bit AND mask, rows padded to 32 bits.
std::vector<unsigned char> EncodeDib(cairo_surface_t* image) {
    cairo_surface_flush(image);
    const int size = cairo_image_surface_get_width(image);
    const int stride = cairo_image_surface_get_stride(image);
    const unsigned char* pixels = cairo_image_surface_get_data(image);
    const int maskStride = ((size + 31) / 32) * 4;
    std::vector<unsigned char> out;
    Put32(out, 40);
    Put32(out, size);
    Put32(out, size * 2);
    Put16(out, 1);
    Put16(out, 32);
    Put32(out, 0);
    Put32(out, size * size * 4 + maskStride * size);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = size - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const uint32_t*>(pixels + y * stride);
        for (int x = 0; x < size; ++x) {
            const uint32_t p = row[x];
            const unsigned a = p >> 24;
            auto straight = [a](unsigned c) { return a == 0 ? 0u : (c * 255 + a / 2) / a; };
            out.push_back(straight(p & 0xFF));
            out.push_back(straight((p >> 8) & 0xFF));
            out.push_back(straight((p >> 16) & 0xFF));
            out.push_back(a);
        }
    }
    for (int y = size - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const uint32_t*>(pixels + y * stride);
        std::vector<unsigned char> mask(maskStride, 0);
        for (int x = 0; x < size; ++x)
            if ((row[x] >> 24) == 0) mask[x / 8] |= 0x80 >> (x % 8);
        out.insert(out.end(), mask.begin(), mask.end());
    }
    return out;
}

}  // namespace

bool WriteIcoFile(const std::string& path, const std::vector<cairo_surface_t*>& images) {
    std::vector<std::vector<unsigned char>> dibs;
    for (cairo_surface_t* image : images) dibs.push_back(EncodeDib(image));
    std::vector<unsigned char> file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, images.size());
    uint32_t offset = 6 + 16 * images.size();
    for (size_t i = 0; i < images.size(); ++i) {
        const int size = cairo_image_surface_get_width(images[i]);
        file.push_back(size >= 256 ? 0 : size);
        file.push_back(size >= 256 ? 0 : size);
        file.push_back(0);
        file.push_back(0);
        Put16(file, 1);
        Put16(file, 32);
        Put32(file, dibs[i].size());
        Put32(file, offset);
        offset += dibs[i].size();
    }
    for (const auto& dib : dibs) file.insert(file.end(), dib.begin(), dib.end());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), f) == file.size();
    return std::fclose(f) == 0 && written;
}

}  // namespace pictures
