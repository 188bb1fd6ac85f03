// The single-line "edit" control: text, typing, ES_NUMBER, keys, selection,
// the length limit and its notifications.
#include <chrono>

#include "ControlTestSupport.h"

namespace {

constexpr int kId = 7;
constexpr DWORD kFocalStyle = WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL;

class Edit : public controltest::ControlTest {
protected:
    HWND CreateEdit(DWORD style = kFocalStyle, int width = 60)
    {
        HWND edit = Create(L"edit", style, 20, 20, width, 23, kId);
        EXPECT_NE(edit, nullptr);
        SetFocus(edit);
        kytest::PumpUntilIdle();
        testwin::ClearLog();
        return edit;
    }
    static std::pair<DWORD, DWORD> Selection(HWND edit)
    {
        DWORD start = 99, end = 99;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    void Key(HWND edit, UINT vk)
    {
        kytest::KeyDown(edit, vk);
        kytest::KeyUp(edit, vk);
        kytest::PumpUntilIdle();
    }
};

TEST_F(Edit, TextSetByTheProgramIsReadBackAndNotified)
{
    HWND edit = CreateEdit();
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(edit, WM_GETFONT, 0, 0)), font);

    EXPECT_TRUE(SetWindowTextW(edit, L"12.50"));
    EXPECT_EQ(TextOf(edit), L"12.50");
    EXPECT_EQ(GetWindowTextLengthW(edit), 5);
    EXPECT_EQ(Commands(edit, kId), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{0}));

    wchar_t small[3];
    EXPECT_EQ(SendMessageW(edit, WM_GETTEXT, 3, reinterpret_cast<LPARAM>(small)), 2);
    EXPECT_STREQ(small, L"12");
    EXPECT_TRUE(SetWindowTextW(edit, nullptr));
    EXPECT_EQ(GetWindowTextLengthW(edit), 0);
}

TEST_F(Edit, NumberStyleRefusesTypedNonDigitsOnly)
{
    HWND edit = CreateEdit();
    kytest::TypeText(edit, L"12a3");
    kytest::PumpUntilIdle();
    EXPECT_EQ(TextOf(edit), L"123");
    EXPECT_EQ(testwin::CountOf(WM_COMMAND), 6);  // EN_UPDATE and EN_CHANGE for each digit

    // Pasted and program-set text is not filtered.
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"7.5"));
    EXPECT_EQ(TextOf(edit), L"7.5");
    SetWindowTextW(edit, L"abc");
    EXPECT_EQ(TextOf(edit), L"abc");
}

TEST_F(Edit, EditingKeysMoveTheCaretAndDelete)
{
    HWND edit = CreateEdit(ES_AUTOHSCROLL | WS_BORDER);
    kytest::TypeText(edit, L"abcd");
    kytest::PumpUntilIdle();
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{4}, DWORD{4}));
    Key(edit, VK_HOME);
    Key(edit, VK_DELETE);
    EXPECT_EQ(TextOf(edit), L"bcd");
    Key(edit, VK_END);
    Key(edit, VK_BACK);
    EXPECT_EQ(TextOf(edit), L"bc");
    Key(edit, VK_LEFT);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{1}, DWORD{1}));
    kytest::KeyDown(edit, VK_SHIFT);
    Key(edit, VK_LEFT);
    kytest::KeyUp(edit, VK_SHIFT);
    kytest::PumpUntilIdle();
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{1}));
    kytest::TypeText(edit, L"x");
    kytest::PumpUntilIdle();
    EXPECT_EQ(TextOf(edit), L"xc");
    Key(edit, VK_RIGHT);
    Key(edit, VK_RIGHT);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{2}, DWORD{2}));
}

TEST_F(Edit, SelectionMessagesClampAndOrder)
{
    HWND edit = CreateEdit();
    SetWindowTextW(edit, L"12345");
    SendMessageW(edit, EM_SETSEL, 1, 3);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{1}, DWORD{3}));
    EXPECT_EQ(SendMessageW(edit, EM_GETSEL, 0, 0), MAKELRESULT(1, 3));
    SendMessageW(edit, EM_SETSEL, 4, 2);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{2}, DWORD{4}));
    SendMessageW(edit, EM_SETSEL, 0, -1);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{5}));
    SendMessageW(edit, EM_SETSEL, 2, 100);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{2}, DWORD{5}));
    kytest::TypeText(edit, L"9");
    kytest::PumpUntilIdle();
    EXPECT_EQ(TextOf(edit), L"129");
}

TEST_F(Edit, LengthLimitHoldsTypedAndPastedTextButNotSetText)
{
    HWND edit = CreateEdit();
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 30000);
    SendMessageW(edit, EM_LIMITTEXT, 3, 0);
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 3);
    kytest::TypeText(edit, L"12345");
    kytest::PumpUntilIdle();
    EXPECT_EQ(TextOf(edit), L"123");
    // A refused character still gets its change notifications after
    // EN_MAXTEXT, as Windows sends them.
    EXPECT_EQ(Commands(edit, kId), (std::vector<WORD>{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE,
                                                      EN_MAXTEXT, EN_UPDATE, EN_CHANGE, EN_MAXTEXT, EN_UPDATE, EN_CHANGE}));

    SendMessageW(edit, EM_SETSEL, 1, 2);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"9999"));
    EXPECT_EQ(TextOf(edit), L"193");
    SetWindowTextW(edit, L"123456789");
    EXPECT_EQ(TextOf(edit), L"123456789");
}

TEST_F(Edit, UndoTakesBackTheLastEdit)
{
    HWND edit = CreateEdit();
    SetWindowTextW(edit, L"10");
    EXPECT_FALSE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    SendMessageW(edit, EM_SETSEL, 2, 2);
    kytest::TypeText(edit, L"5");
    kytest::PumpUntilIdle();
    EXPECT_EQ(TextOf(edit), L"105");
    EXPECT_TRUE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    kytest::TypeText(edit, L"\x1A");  // Ctrl+Z
    kytest::PumpUntilIdle();
    EXPECT_EQ(TextOf(edit), L"10");
}

TEST_F(Edit, MouseSelectsByDragAndWordByDoubleClick)
{
    HWND edit = CreateEdit(WS_BORDER | ES_AUTOHSCROLL, 200);
    SetWindowTextW(edit, L"12 345");
    kytest::PressLeft(edit, 1, 10);
    kytest::MovePointer(edit, 190, 10);
    kytest::ReleaseLeft(edit, 190, 10);
    kytest::PumpUntilIdle();
    EXPECT_EQ(GetFocus(), edit);
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{0}, DWORD{6}));
    EXPECT_EQ(GetCapture(), nullptr);

    kytest::PressLeft(edit, 190, 10);
    kytest::ReleaseLeft(edit, 190, 10);
    kytest::PumpUntilIdle();
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{6}, DWORD{6}));
    SendMessageW(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(190, 10));
    SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(190, 10));
    EXPECT_EQ(Selection(edit), std::make_pair(DWORD{3}, DWORD{6}));
}

}  // namespace
