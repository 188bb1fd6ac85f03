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
    FuzzBytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Empty() const { return at_ >= size_; }
    std::size_t Left() const { return size_ - at_; }
    const std::uint8_t* Here() const { return data_ + at_; }

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
        at_ += count;
        return count;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_, at_ = 0;
};

}  // namespace kyfuzz
