// The clipboard as the status display uses it: open without an owner,
// empty, hand over a block of Unicode text, close; and read it back.
#include <gtest/gtest.h>

#include <cstring>
#include <cwchar>
#include <string>

#include "platform/win32.h"
#include "tests/support/TestWindow.h"

namespace {

HGLOBAL TextBlock(const wchar_t* text)
{
    size_t bytes = (std::wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, bytes);
    std::memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    return memory;
}

std::wstring Read()
{
    if (!OpenClipboard(nullptr)) return L"<not opened>";
    std::wstring text = L"<no data>";
    if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(memory));
        GlobalUnlock(memory);
    }
    CloseClipboard();
    return text;
}

TEST(Clipboard, TextHandedOverWithoutOwnerReadsBackUntilEmptied)
{
    // A second copy replaces the first (whose block the clipboard frees).
    for (const wchar_t* line : {L"焦距超出范围：请输入 3.0 到 50.0 之间的数值", L"f = 10.00 cm"}) {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EXPECT_TRUE(EmptyClipboard());
        HGLOBAL memory = TextBlock(line);
        EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, memory), memory);
        EXPECT_TRUE(CloseClipboard());
        EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
        EXPECT_EQ(Read(), line);
    }
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(Read(), L"<no data>");
}

TEST(Clipboard, EveryChangeNeedsItOpenAndOneOpenerAtATime)
{
    HGLOBAL memory = TextBlock(L"x");
    const struct { const char* what; bool (*call)(HGLOBAL); } calls[] = {
        {"empty", [](HGLOBAL) { return EmptyClipboard() != FALSE; }},
        {"set", [](HGLOBAL m) { return SetClipboardData(CF_UNICODETEXT, m) != nullptr; }},
        {"close", [](HGLOBAL) { return CloseClipboard() != FALSE; }},
    };
    for (const auto& c : calls) {
        SetLastError(0);
        EXPECT_FALSE(c.call(memory)) << c.what;
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN)) << c.what;
    }
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
