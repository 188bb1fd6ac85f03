// Our own clipboard hands its text to the display, and never reads past the
// block it was given.
#include <gtest/gtest.h>

#include <cstring>

#include "platform/display/HeadlessBackend.h"
#include "platform/win32.h"

namespace {

const std::wstring& DisplayText() { return platform::HeadlessBackend::Instance().ClipboardText(); }

TEST(ClipboardDisplay, TextReachesTheDisplayAndEmptyingClearsIt)
{
    const wchar_t text[] = L"像距 v = 15.00 cm";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sizeof text);
    std::memcpy(GlobalLock(memory), text, sizeof text);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    ASSERT_EQ(SetClipboardData(CF_UNICODETEXT, memory), memory);
    EXPECT_EQ(DisplayText(), text);
    ASSERT_TRUE(CloseClipboard());

    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(DisplayText(), L"");
    EXPECT_TRUE(CloseClipboard());
}

TEST(ClipboardDisplay, BlockWithoutTerminatorGivesOnlyWhatFits)
{
    // Sized for two-byte characters, as code written for Windows might do:
    // the clipboard takes the characters that fit and stops there.
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 3 * sizeof(wchar_t));
    auto* chars = static_cast<wchar_t*>(GlobalLock(memory));
    chars[0] = L'a';
    chars[1] = L'b';
    chars[2] = L'c';
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, memory), memory);
    EXPECT_EQ(DisplayText(), L"abc");
    EXPECT_TRUE(CloseClipboard());
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
