// RECTs in assertions: compared whole and printed as "(left, top)-(right,
// bottom)", and a check that one lies inside another, which names both
// when it fails.
#pragma once

#include "platform/win32.h"

#include <gtest/gtest.h>

#include <ostream>

inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline void PrintTo(const RECT& r, std::ostream* out)
{
    *out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}

inline ::testing::AssertionResult Inside(const RECT& inner, const RECT& outer)
{
    if (inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right && inner.bottom <= outer.bottom)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << ::testing::PrintToString(inner) << " is not inside " << ::testing::PrintToString(outer);
}
