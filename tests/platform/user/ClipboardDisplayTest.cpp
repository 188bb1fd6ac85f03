// Our own clipboard hands its text to the display, and never reads past the
// block it was given.
#include <gtest/gtest.h>

#include "platform/display/HeadlessBackend.h"
#include "tests/platform/ClipboardText.h"

namespace {

TEST(ClipboardDisplay, TextReachesTheDisplayAndEmptyingClearsIt)
{
    const std::wstring& shown = platform::HeadlessBackend::Instance().ClipboardText();
    // The second block is sized for two-byte characters, as code written for
    // Windows might do, and has no terminator: only what fits is taken.
    const wchar_t text[] = L"像距 v = 15.00 cm";
    const struct { HGLOBAL block; const wchar_t* expected; } cases[] = {
        {cliptext::Block(text, sizeof text), text}, {cliptext::Block(L"abcd", 3 * sizeof(wchar_t)), L"abc"}};
    for (const auto& c : cases) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, c.block), c.block);
        EXPECT_EQ(shown, c.expected);
        EXPECT_TRUE(EmptyClipboard());
        EXPECT_EQ(shown, L"");
        EXPECT_TRUE(CloseClipboard());
    }
}

TEST(ClipboardDisplay, RefusesWhatItCannotOwn)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    int notABlock = 0;
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, &notABlock), nullptr);
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, nullptr), nullptr);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 4);
    EXPECT_EQ(SetClipboardData(CF_TEXT, memory), nullptr);
    EXPECT_EQ(GlobalFree(memory), nullptr);  // still the caller's
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(OpenClipboard(reinterpret_cast<HWND>(0x7777)));
}

}  // namespace
