// The number of live GDI objects when the guard is made, expected again at
// each Check. Where the system keeps no count (Wine answers 0 for every
// process) the check marks the test skipped and says why, rather than
// passing on two zeros.
#pragma once

#include "platform/testing/TestPlatform.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <string>

class NoGdiLeak {
public:
    NoGdiLeak() : before(kytest::LiveGdiObjectCount()) {}

    // More objects than `expectedExtra` beyond the starting count fail the test.
    void Check(const std::string& where = {}, unsigned expectedExtra = 0) const
    {
        if (!SystemCounts()) GTEST_SKIP() << "this system keeps no count of GDI objects (Wine answers 0)";
        EXPECT_EQ(kytest::LiveGdiObjectCount(), before + expectedExtra) << where;
    }

    static bool SystemCounts()
    {
        const unsigned start = kytest::LiveGdiObjectCount();
        HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
        const bool counted = kytest::LiveGdiObjectCount() > start;
        DeleteObject(probe);
        return counted;
    }

private:
    unsigned before;
};
