// The clipboard as the status display uses it: open without an owner,
// empty, hand over a block of Unicode text, close; and read it back.
#include <gtest/gtest.h>

#include "tests/support/ClipboardText.h"
#include "tests/support/TestWindow.h"

namespace {

TEST(Clipboard, TextHandedOverWithoutOwnerReadsBackUntilEmptied)
{
    // A second copy replaces the first (whose block the clipboard frees).
    for (const wchar_t* line : {L"焦距超出范围：请输入 3.0 到 50.0 之间的数值", L"f = 10.00 cm"}) {
        ASSERT_TRUE(cliptext::Put(line));
        EXPECT_EQ(cliptext::Get(), line);
    }
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_TRUE(CloseClipboard());
    EXPECT_EQ(cliptext::Get(), L"<no data>");
}

TEST(Clipboard, DataNeedsItOpenAndOneOpenerAtATime)
{
    HGLOBAL memory = cliptext::Block(L"x", 4);
    SetLastError(0);
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
    EXPECT_EQ(GlobalFree(memory), nullptr) << "refused data stays the caller's";

    HWND first = testwin::CreateTopLevel();
    HWND second = testwin::CreateTopLevel(320, 100);
    ASSERT_TRUE(OpenClipboard(first));
    EXPECT_FALSE(OpenClipboard(second));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_TRUE(OpenClipboard(second));
    EXPECT_TRUE(CloseClipboard());
    testwin::Reset();
}

}  // namespace
