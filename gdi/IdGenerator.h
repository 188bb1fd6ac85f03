#pragma once

#include <cstdint>
#include <mutex>

// Hands out the identifiers of fonts, pens, brushes and list items from one
// sequence, so no two of them ever share a number. 0 and INT_MAX are never
// issued: callers use them to mean "no object".
class IdGenerator {
public:
    // The process-wide generator, created on first use, kept until exit.
    static IdGenerator& Instance();

    // `first` lets a test start close to the wrap-around point.
    explicit IdGenerator(int32_t first = 1) : nextId(first) {}
    IdGenerator(const IdGenerator&) = delete;
    IdGenerator& operator=(const IdGenerator&) = delete;

    int32_t Next();

private:
    // The program has one thread; the lock keeps a second one from ever
    // being handed the same number.
    std::mutex mutex;
    int32_t nextId;
    static constexpr int32_t idLimit = INT32_MAX;
};

// The next identifier of the process-wide sequence.
int32_t NextId();
