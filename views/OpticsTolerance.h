// The one tolerance of the optics model, as the 32-bit float nearest 1e-6.
#pragma once

inline constexpr float kOpticsTolerance = 1e-6f;

// Strictly between -tolerance and +tolerance.
inline bool IsNearZero(float value)
{
    return -kOpticsTolerance < value && value < kOpticsTolerance;
}
