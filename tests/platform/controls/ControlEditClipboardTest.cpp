// The edit control's clipboard commands: copy, cut and paste by message and
// by key, pasted text not filtered by ES_NUMBER, and the length limit.
#include <cwchar>

#include "ControlTestSupport.h"

namespace {

class EditClipboard : public controltest::ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        edit = Create(L"edit", WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL, 20, 20, 60, 23, 8);
        ASSERT_NE(edit, nullptr);
        SetFocus(edit);
        kytest::PumpUntilIdle();
    }
    static void PutText(const std::wstring& text)
    {
        ASSERT_TRUE(OpenClipboard(nullptr));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
        std::wmemcpy(static_cast<wchar_t*>(GlobalLock(memory)), text.c_str(), text.size() + 1);
        GlobalUnlock(memory);
        EXPECT_NE(SetClipboardData(CF_UNICODETEXT, memory), nullptr);
        CloseClipboard();
    }
    static std::wstring ClipboardText()
    {
        if (!OpenClipboard(nullptr)) return L"<not open>";
        std::wstring text;
        if (HANDLE memory = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(memory));
            GlobalUnlock(memory);
        }
        CloseClipboard();
        return text;
    }
    // Selects [from, to) and types `keys` (control characters for the commands).
    void Do(int from, int to, const wchar_t* keys)
    {
        SendMessageW(edit, EM_SETSEL, from, to);
        kytest::TypeText(edit, keys);
        kytest::PumpUntilIdle();
    }

    HWND edit = nullptr;
};

TEST_F(EditClipboard, CopyCutAndPasteByKeyAreNotFilteredByNumberStyle)
{
    PutText(L"7.5");
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(edit), L"7.5");
    const struct { int from, to; const wchar_t* keys; const wchar_t* text; const wchar_t* clipboard; } steps[] = {
        {0, -1, L"\x16", L"7.5", L"7.5"},        // Ctrl+V over the selection
        {3, 3, L"\x16", L"7.57.5", L"7.5"},      // Ctrl+V at the end
        {1, 3, L"\x03", L"7.57.5", L".5"},       // Ctrl+C
        {3, 6, L"\x18", L"7.5", L"7.5"},         // Ctrl+X
        {0, 0, L"\x16", L"7.57.5", L"7.5"},
    };
    for (const auto& s : steps) {
        Do(s.from, s.to, s.keys);
        EXPECT_EQ(TextOf(edit), s.text) << (&s - steps);
        EXPECT_EQ(ClipboardText(), s.clipboard) << (&s - steps);
    }
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
    for (int paste = 0; paste < 2; ++paste) {
        Do(0, 0, L"\x16");
        EXPECT_EQ(GetWindowTextLengthW(edit), 30000);
    }
    EXPECT_EQ(TextOf(edit), huge.substr(0, 30000));
}

}  // namespace
