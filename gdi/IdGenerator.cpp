#include "gdi/IdGenerator.h"

IdGenerator& IdGenerator::Instance()
{
    static IdGenerator generator;
    return generator;
}

int32_t IdGenerator::Next()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (nextId >= idLimit || nextId < 1)
        nextId = 1;
    return nextId++;
}

int32_t NextId()
{
    return IdGenerator::Instance().Next();
}
