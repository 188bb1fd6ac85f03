// The single-line "edit" control as the focal-length box uses it: digits
// only when typed, editing keys, mouse selection, and the clipboard keys up
// to the length limit.
#include "ControlTestSupport.h"
#include "tests/support/ClipboardText.h"

namespace {

using Sel = std::pair<DWORD, DWORD>;

class Edit : public controltest::ControlTest {
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        edit = Create(L"edit", WS_BORDER | ES_NUMBER | ES_AUTOHSCROLL, 20, 20, 200, 23, 7, L"", true);
    }
    Sel Selection() const
    {
        DWORD start = 99, end = 99;
        SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    void Type(const wchar_t* text) const
    {
        kytest::TypeText(edit, text);
        kytest::PumpUntilIdle();
    }

    HWND edit = nullptr;
};

TEST_F(Edit, NumberStyleRefusesTypedNonDigitsAndKeysMoveSelectAndDelete)
{
    Type(L"12a34");
    EXPECT_EQ(TextOf(edit), L"1234");
    EXPECT_EQ(Selection(), Sel(4, 4));
    const struct { UINT key; bool shift; const wchar_t* text; Sel selection; } steps[] = {
        {VK_HOME, false, L"1234", {0, 0}}, {VK_DELETE, false, L"234", {0, 0}}, {VK_END, false, L"234", {3, 3}},
        {VK_BACK, false, L"23", {2, 2}},   {VK_LEFT, false, L"23", {1, 1}},    {VK_LEFT, true, L"23", {0, 1}},
        {VK_RIGHT, false, L"23", {1, 1}},  {VK_RIGHT, false, L"23", {2, 2}}};
    for (const auto& s : steps) {
        if (s.shift) kytest::KeyDown(edit, VK_SHIFT);
        kytest::KeyDown(edit, s.key);
        kytest::KeyUp(edit, s.key);
        kytest::PumpUntilIdle();  // Shift still down while the key is handled
        if (s.shift) kytest::KeyUp(edit, VK_SHIFT);
        kytest::PumpUntilIdle();
        EXPECT_EQ(TextOf(edit), s.text) << (&s - steps);
        EXPECT_EQ(Selection(), s.selection) << (&s - steps);
    }
    SendMessageW(edit, EM_SETSEL, 0, 1);
    Type(L"9");
    EXPECT_EQ(TextOf(edit), L"93");
}

TEST_F(Edit, MouseSelectsByDragAndWordByDoubleClick)
{
    SetWindowTextW(edit, L"12 345");
    kytest::PressLeft(edit, 1, 10);
    kytest::MovePointer(edit, 190, 10);
    kytest::ReleaseLeft(edit, 190, 10);
    kytest::PumpUntilIdle();
    EXPECT_EQ(Selection(), Sel(0, 6));
    EXPECT_EQ(GetCapture(), nullptr);
    kytest::PressLeft(edit, 190, 10);
    kytest::ReleaseLeft(edit, 190, 10);
    kytest::PumpUntilIdle();
    EXPECT_EQ(Selection(), Sel(6, 6));
    SendMessageW(edit, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(190, 10));
    SendMessageW(edit, WM_LBUTTONUP, 0, MAKELPARAM(190, 10));
    EXPECT_EQ(Selection(), Sel(3, 6));
}

// Pasted text is not filtered by the number style; only its first line is taken.
TEST_F(Edit, ClipboardKeysCopyCutAndPaste)
{
    const struct { const wchar_t* put; int from, to; const wchar_t* keys; const wchar_t* text; const wchar_t* clipboard; } steps[] = {
        {L"7.5", 0, 0, L"\x16", L"7.5", L"7.5"},      // Ctrl+V
        {nullptr, 0, -1, L"\x16", L"7.5", L"7.5"},    // over the selection
        {nullptr, 3, 3, L"\x16", L"7.57.5", L"7.5"},  // at the end
        {nullptr, 1, 3, L"\x03", L"7.57.5", L".5"},   // Ctrl+C
        {nullptr, 3, 6, L"\x18", L"7.5", L"7.5"},     // Ctrl+X
        {L"12\r\n34", 0, -1, L"\x16", L"12", L"12\r\n34"},
    };
    for (const auto& s : steps) {
        EXPECT_TRUE(!s.put || cliptext::Put(s.put));
        SendMessageW(edit, EM_SETSEL, s.from, s.to);
        Type(s.keys);
        EXPECT_EQ(TextOf(edit), s.text) << (&s - steps);
        EXPECT_EQ(cliptext::Get(), s.clipboard) << (&s - steps);
    }
}

TEST_F(Edit, PastingAMegabyteStopsAtTheLimit)
{
    std::wstring huge(1 << 20, L'3');
    huge[29999] = L'9';
    ASSERT_TRUE(cliptext::Put(huge));
    for (int paste = 0; paste < 2; ++paste) {
        Type(L"\x16");
        EXPECT_EQ(TextOf(edit), huge.substr(0, 30000));
    }
}

}  // namespace
