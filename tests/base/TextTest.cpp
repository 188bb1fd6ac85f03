#include "base/Text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

// Lengths either side of the small buffer (256) and of the limit; a null
// format gives nothing.
TEST(Format, LengthsAroundTheSmallBufferAndTheLimit)
{
    EXPECT_EQ(Format(L"%ls （%u.%u）:", L"光学", 1u, 6u), L"光学 （1.6）:");
    for (std::size_t length : {std::size_t{255}, std::size_t{256}, std::size_t{100000}, kFormatMaxLength}) {
        const std::wstring text(length, L'a');
        EXPECT_EQ(Format(L"%ls", text.c_str()), text) << length;
    }
    const std::wstring beyond(kFormatMaxLength + 1, L'e');
    EXPECT_TRUE(Format(L"%ls", beyond.c_str()).empty());
    EXPECT_TRUE(Format(nullptr).empty());
}

// Line breaks and wide spaces are no blanks.
TEST(Trim, OnlyBlanksAndTabs)
{
    const struct { const wchar_t *text, *left, *right; } cases[] = {
        {L" \t 7 \t", L"7 \t", L" \t 7"}, {L"\n7\u3000", L"\n7\u3000", L"\n7\u3000"}, {L" \t", L"", L""}, {L"", L"", L""}};
    for (const auto& c : cases) {
        EXPECT_EQ(TrimLeft(c.text), c.left) << c.text;
        EXPECT_EQ(TrimRight(c.text), c.right) << c.text;
    }
}

// One value at the start, after blanks; anything else reads as 0 and fails.
TEST(ToFloat, ScansExactlyOneValue)
{
    const struct { const wchar_t* text; bool read; float value; } cases[] = {
        {L"", false, 0}, {L"12abc", true, 12}, {L" 7", true, 7}, {L"1e1", true, 10}, {L"7.5", true, 7.5f}, {L"abc", false, 0}};
    for (const auto& c : cases) {
        float value = -1.0f;
        EXPECT_EQ(ToFloat(c.text, value), c.read) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

// The C runtimes differ on whether "%f" accepts "nan"; either way the caller
// must not receive a finite number from it.
TEST(ToFloat, NotANumberIsNeverAnOrdinaryValue)
{
    float value = 0.0f;
    EXPECT_TRUE(ToFloat(L"nan", value) ? std::isnan(value) : value == 0.0f);
}

TEST(CopyTo, TerminatesAndTruncates)
{
    // {source, capacity, copied, text}: a null buffer or no room copies nothing.
    const struct { const wchar_t* source; std::size_t capacity, copied; const wchar_t* text; } cases[] = {
        {L"abc", 1, 0, L""}, {L"abcd", 4, 3, L"abc"}, {L"abc", 8, 3, L"abc"}, {L"abc", 0, 0, L"xxxxxxx"}};
    for (const auto& c : cases) {
        wchar_t buffer[8] = L"xxxxxxx";
        EXPECT_EQ(CopyTo(c.source, buffer, c.capacity), c.copied) << c.capacity;
        EXPECT_EQ(std::wstring(buffer), c.text) << c.capacity;
    }
    EXPECT_EQ(CopyTo(L"abc", nullptr, 8), 0u);
}
