#include "base/Text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(Format, ShortResultsComeFromTheSmallBuffer)
{
    EXPECT_EQ(Format(L"%d cm", 12), L"12 cm");
    EXPECT_EQ(Format(L"%.2f", 10.0), L"10.00");
    EXPECT_EQ(Format(L"%ls （%u.%u）:", L"光学", 1u, 6u), L"光学 （1.6）:");
}

TEST(Format, LengthsAroundTheSmallBufferAndTheLimit)
{
    std::wstring s255(255, L'a');
    std::wstring s256(256, L'b');
    EXPECT_EQ(Format(L"%ls", s255.c_str()), s255);
    EXPECT_EQ(Format(L"%ls", s256.c_str()), s256);
    std::wstring big(100000, L'c');
    EXPECT_EQ(Format(L"x%lsy", big.c_str()), L"x" + big + L"y");

    std::wstring atLimit(kFormatMaxLength, L'd');
    EXPECT_EQ(Format(L"%ls", atLimit.c_str()).size(), kFormatMaxLength);
    std::wstring beyond(kFormatMaxLength + 1, L'e');
    EXPECT_TRUE(Format(L"%ls", beyond.c_str()).empty());
}

TEST(Format, NullFormatIsEmpty)
{
    EXPECT_TRUE(Format(nullptr).empty());
}

TEST(Trim, OnlyBlanksAndTabs)
{
    EXPECT_EQ(TrimLeft(L" \t 7 \t"), L"7 \t");
    EXPECT_EQ(TrimRight(L" \t 7 \t"), L" \t 7");
    EXPECT_EQ(TrimLeft(L"\n7"), L"\n7");
    EXPECT_EQ(TrimRight(L"7\u3000"), L"7\u3000");
    EXPECT_EQ(TrimLeft(L" \t"), L"");
    EXPECT_EQ(TrimRight(L""), L"");
}

TEST(ToFloat, ScansExactlyOneValue)
{
    float value = -1.0f;
    EXPECT_FALSE(ToFloat(L"", value));
    EXPECT_EQ(value, 0.0f);

    EXPECT_TRUE(ToFloat(L"12abc", value));
    EXPECT_EQ(value, 12.0f);
    EXPECT_TRUE(ToFloat(L" 7", value));
    EXPECT_EQ(value, 7.0f);
    EXPECT_TRUE(ToFloat(L"1e1", value));
    EXPECT_EQ(value, 10.0f);
    EXPECT_TRUE(ToFloat(L"7.5", value));
    EXPECT_EQ(value, 7.5f);

    value = 3.0f;
    EXPECT_FALSE(ToFloat(L"abc", value));
    EXPECT_EQ(value, 0.0f);
}

TEST(ToFloat, NotANumberIsNeverAnOrdinaryValue)
{
    // The C runtimes differ on whether "%f" accepts "nan"; either way the
    // caller must not receive a finite number from it.
    float value = 0.0f;
    if (ToFloat(L"nan", value))
        EXPECT_TRUE(std::isnan(value));
    else
        EXPECT_EQ(value, 0.0f);
}

TEST(CopyTo, TerminatesAndTruncates)
{
    wchar_t one[1] = {L'x'};
    EXPECT_EQ(CopyTo(L"abc", one, 1), 0u);
    EXPECT_EQ(one[0], L'\0');

    wchar_t exact[4] = {L'x', L'x', L'x', L'x'};
    EXPECT_EQ(CopyTo(L"abcd", exact, 4), 3u);
    EXPECT_EQ(std::wstring(exact), L"abc");

    wchar_t roomy[8];
    EXPECT_EQ(CopyTo(L"abc", roomy, 8), 3u);
    EXPECT_EQ(std::wstring(roomy), L"abc");

    EXPECT_EQ(CopyTo(L"abc", nullptr, 8), 0u);
    EXPECT_EQ(CopyTo(L"abc", roomy, 0), 0u);
}
