// The edit control's clipboard commands: copy, cut and paste by message and
// by key, pasted text not filtered by ES_NUMBER, and the length limit.
#include <cwchar>

#include "ControlTestSupport.h"

namespace {

constexpr int kId = 8;

class EditClipboard : public controltest::ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        edit = Create(L"edit", WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL, 20, 20, 60, 23, kId);
        ASSERT_NE(edit, nullptr);
        SetFocus(edit);
        kytest::PumpUntilIdle();
    }
    static void PutText(const std::wstring& text)
    {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        ASSERT_NE(memory, nullptr);
        auto* data = static_cast<wchar_t*>(GlobalLock(memory));
        std::wmemcpy(data, text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        EXPECT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
        CloseClipboard();
    }
    static std::wstring ClipboardText()
    {
        std::wstring text;
        if (!OpenClipboard(nullptr)) return L"<not open>";
        if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
            if (auto* data = static_cast<const wchar_t*>(GlobalLock(memory))) {
                text = data;
                GlobalUnlock(memory);
            }
        }
        CloseClipboard();
        return text;
    }
    void Type(const wchar_t* text)
    {
        kytest::TypeText(edit, text);
        kytest::PumpUntilIdle();
    }

    HWND edit = nullptr;
};

TEST_F(EditClipboard, PastedTextIsNotFilteredByNumberStyle)
{
    PutText(L"7.5");
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(edit), L"7.5");
    SendMessageW(edit, EM_SETSEL, 0, -1);
    Type(L"\x16");  // Ctrl+V over the selection
    EXPECT_EQ(TextOf(edit), L"7.5");
    SendMessageW(edit, EM_SETSEL, 3, 3);
    Type(L"\x16");
    EXPECT_EQ(TextOf(edit), L"7.57.5");
}

TEST_F(EditClipboard, CopyAndCutPutTheSelectionOnTheClipboard)
{
    SetWindowTextW(edit, L"12345");
    SendMessageW(edit, EM_SETSEL, 1, 3);
    Type(L"\x03");  // Ctrl+C
    EXPECT_EQ(ClipboardText(), L"23");
    EXPECT_EQ(TextOf(edit), L"12345");
    SendMessageW(edit, EM_SETSEL, 3, 5);
    Type(L"\x18");  // Ctrl+X
    EXPECT_EQ(ClipboardText(), L"45");
    EXPECT_EQ(TextOf(edit), L"123");
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(edit), L"45123");
}

TEST_F(EditClipboard, OnlyTheFirstLineIsPasted)
{
    PutText(L"12\r\n34");
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(edit), L"12");
}

TEST_F(EditClipboard, PastingAMegabyteStopsAtTheLimit)
{
    std::wstring huge(1 << 20, L'3');
    huge[29999] = L'9';
    PutText(huge);
    SetWindowTextW(edit, L"");
    Type(L"\x16");
    EXPECT_EQ(GetWindowTextLengthW(edit), 30000);
    EXPECT_EQ(TextOf(edit), huge.substr(0, 30000));
    Type(L"\x16");
    EXPECT_EQ(GetWindowTextLengthW(edit), 30000);
}

}  // namespace
