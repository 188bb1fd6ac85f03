#include "gdi/IdGenerator.h"

IdGenerator& IdGenerator::Instance()
{
    static IdGenerator generator;
    return generator;
}

int32_t IdGenerator::Next()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (nextId_ >= idLimit_ || nextId_ < 1)
        nextId_ = 1;
    return nextId_++;
}

int32_t NextId()
{
    return IdGenerator::Instance().Next();
}
