// Reads a fuzzer's input as a stream of little-endian values. Past the end
// every value reads as zero, so a decoder never has to check the length.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace kyfuzz {

class FuzzBytes {
public:
    FuzzBytes(const std::uint8_t* data, std::size_t size) : bytes(data), size(size) {}

    bool Empty() const { return at >= size; }
    std::size_t Left() const { return size - at; }
    const std::uint8_t* Here() const { return bytes + at; }

    template <typename T> T Take()
    {
        T value{};
        std::memcpy(&value, Here(), Skip(sizeof(T)));
        return value;
    }

    // Up to `count` bytes, as many as are left.
    std::size_t Skip(std::size_t count)
    {
        count = std::min(count, Left());
        at += count;
        return count;
    }

private:
    const std::uint8_t* bytes;
    std::size_t size, at = 0;
};

}  // namespace kyfuzz
