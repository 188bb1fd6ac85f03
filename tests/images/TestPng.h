#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testpng {

struct Rgba {
    uint8_t r, g, b, a;
};

// An RGBA PNG of width x height whose pixel (x, y) is pixel(x, y), stored
// uncompressed so the bytes are easy to damage on purpose.
std::vector<uint8_t> Make(int width, int height, const std::function<Rgba(int, int)>& pixel);

// The picture the jigsaw and drawing tests use: every pixel distinct and
// opaque, so a read-back pixel tells which source pixel landed there.
Rgba Gradient(int x, int y);
uint32_t GradientColour(int x, int y);  // the same as a GDI colour reference

// Writes bytes to a file in the temporary folder; returns its wide path.
std::wstring WriteTempFile(const std::string& name, const std::vector<uint8_t>& bytes);

}  // namespace testpng
