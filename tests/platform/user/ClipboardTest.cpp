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
    if (!memory) return nullptr;
    std::memcpy(GlobalLock(memory), text, bytes);
    GlobalUnlock(memory);
    return memory;
}

bool Put(const wchar_t* text)
{
    if (!OpenClipboard(nullptr)) return false;
    bool ok = EmptyClipboard();
    HGLOBAL memory = TextBlock(text);
    if (ok && SetClipboardData(CF_UNICODETEXT, memory) != memory) ok = false;
    return CloseClipboard() && ok;
}

std::wstring Read()
{
    std::wstring text;
    if (!OpenClipboard(nullptr)) return L"<not opened>";
    HANDLE memory = GetClipboardData(CF_UNICODETEXT);
    if (memory) {
        text = static_cast<const wchar_t*>(GlobalLock(memory));
        GlobalUnlock(memory);
    } else {
        text = L"<no data>";
    }
    CloseClipboard();
    return text;
}

TEST(Clipboard, TextHandedOverWithoutOwnerReadsBack)
{
    const wchar_t* line = L"焦距超出范围：请输入 3.0 到 50.0 之间的数值";
    ASSERT_TRUE(Put(line));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(Read(), line);

    // A second copy replaces the first (whose block the clipboard frees).
    ASSERT_TRUE(Put(L"f = 10.00 cm"));
    EXPECT_EQ(Read(), L"f = 10.00 cm");
}

TEST(Clipboard, EveryChangeNeedsItOpen)
{
    SetLastError(0);
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));

    HGLOBAL memory = TextBlock(L"x");
    SetLastError(0);
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
    // Refused data stays the caller's.
    EXPECT_EQ(GlobalFree(memory), nullptr);

    SetLastError(0);
    EXPECT_FALSE(CloseClipboard());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
}

TEST(Clipboard, OpenByAnotherWindowRefusesUntilClosed)
{
    HWND first = testwin::CreateTopLevel();
    HWND second = testwin::CreateTopLevel(320, 100);
    ASSERT_TRUE(OpenClipboard(first));
    EXPECT_FALSE(OpenClipboard(second));
    EXPECT_TRUE(CloseClipboard());
    EXPECT_TRUE(OpenClipboard(second));
    EXPECT_TRUE(CloseClipboard());
    DestroyWindow(first);
    DestroyWindow(second);
}

TEST(Clipboard, EmptiedClipboardHasNoText)
{
    ASSERT_TRUE(Put(L"gone soon"));
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(EmptyClipboard());
    EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr);
    EXPECT_TRUE(CloseClipboard());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
}

}  // namespace
