// The single-line "edit" control: text, typing, ES_NUMBER, keys, selection,
// the length limit and its notifications.
#include "ControlTestSupport.h"

namespace {

constexpr int kId = 7;
constexpr DWORD kFocalStyle = WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL;
using Sel = std::pair<DWORD, DWORD>;

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
    static Sel Selection(HWND edit)
    {
        DWORD start = 99, end = 99;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    static void Type(HWND edit, const wchar_t* text)
    {
        kytest::TypeText(edit, text);
        kytest::PumpUntilIdle();
    }
    static void Key(HWND edit, UINT vk)
    {
        kytest::KeyDown(edit, vk);
        kytest::KeyUp(edit, vk);
        kytest::PumpUntilIdle();
    }
};

TEST_F(Edit, NumberStyleRefusesTypedNonDigitsOnly)
{
    HWND edit = CreateEdit();
    EXPECT_TRUE(SetWindowTextW(edit, L"12.50"));
    EXPECT_EQ(Commands(edit, kId), (std::vector<WORD>{EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(Selection(edit), Sel(0, 0));
    wchar_t small[3];
    EXPECT_EQ(SendMessageW(edit, WM_GETTEXT, 3, reinterpret_cast<LPARAM>(small)), 2);
    EXPECT_STREQ(small, L"12");

    SetWindowTextW(edit, L"");
    testwin::ClearLog();
    Type(edit, L"12a3");
    EXPECT_EQ(TextOf(edit), L"123");
    EXPECT_EQ(testwin::CountOf(WM_COMMAND), 6);  // EN_UPDATE and EN_CHANGE for each digit
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"7.5"));
    EXPECT_EQ(TextOf(edit), L"7.5") << "replaced text is not filtered";
}

TEST_F(Edit, EditingKeysMoveTheCaretSelectAndDelete)
{
    HWND edit = CreateEdit(ES_AUTOHSCROLL | WS_BORDER);
    Type(edit, L"abcd");
    EXPECT_EQ(Selection(edit), Sel(4, 4));
    const struct { UINT key; bool shift; const wchar_t* text; Sel selection; } steps[] = {
        {VK_HOME, false, L"abcd", {0, 0}}, {VK_DELETE, false, L"bcd", {0, 0}}, {VK_END, false, L"bcd", {3, 3}},
        {VK_BACK, false, L"bc", {2, 2}},   {VK_LEFT, false, L"bc", {1, 1}},    {VK_LEFT, true, L"bc", {0, 1}},
    };
    for (const auto& s : steps) {
        if (s.shift) kytest::KeyDown(edit, VK_SHIFT);
        Key(edit, s.key);
        if (s.shift) kytest::KeyUp(edit, VK_SHIFT);
        kytest::PumpUntilIdle();
        EXPECT_EQ(TextOf(edit), s.text) << (&s - steps);
        EXPECT_EQ(Selection(edit), s.selection) << (&s - steps);
    }
    Type(edit, L"x");
    EXPECT_EQ(TextOf(edit), L"xc");
    Key(edit, VK_RIGHT);
    Key(edit, VK_RIGHT);
    EXPECT_EQ(Selection(edit), Sel(2, 2));
}

TEST_F(Edit, SelectionMessagesClampAndOrder)
{
    HWND edit = CreateEdit();
    SetWindowTextW(edit, L"12345");
    const struct { int from, to; Sel selection; } cases[] = {{1, 3, {1, 3}}, {4, 2, {2, 4}}, {0, -1, {0, 5}}, {2, 100, {2, 5}}};
    for (const auto& c : cases) {
        SendMessageW(edit, EM_SETSEL, c.from, c.to);
        EXPECT_EQ(Selection(edit), c.selection) << c.from << "," << c.to;
        EXPECT_EQ(SendMessageW(edit, EM_GETSEL, 0, 0), MAKELRESULT(c.selection.first, c.selection.second));
    }
    Type(edit, L"9");
    EXPECT_EQ(TextOf(edit), L"129");
}

TEST_F(Edit, LengthLimitHoldsTypedAndPastedTextButNotSetText)
{
    HWND edit = CreateEdit();
    EXPECT_EQ(SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 30000);
    SendMessageW(edit, EM_LIMITTEXT, 3, 0);
    Type(edit, L"12345");
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
    Type(edit, L"5");
    EXPECT_TRUE(SendMessageW(edit, EM_CANUNDO, 0, 0));
    Type(edit, L"\x1A");  // Ctrl+Z
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
    EXPECT_EQ(Selection(edit), Sel(0, 6));
    EXPECT_EQ(GetCapture(), nullptr);
    kytest::PressLeft(edit, 190, 10);
    kytest::ReleaseLeft(edit, 190, 10);
    kytest::PumpUntilIdle();
    EXPECT_EQ(Selection(edit), Sel(6, 6));
    SendMessageW(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(190, 10));
    SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(190, 10));
    EXPECT_EQ(Selection(edit), Sel(3, 6));
}

}  // namespace
