// A control that the focus change of its own click destroys: the window that
// loses the focus tears the control down before the click is finished.
#include "ControlTestSupport.h"

namespace {

struct Case {
    const char* name;
    const wchar_t* className;
    DWORD style;
    void (*click)(HWND control);
};

void SendClick(HWND control) { SendMessageW(control, BM_CLICK, 0, 0); }
void SendPress(HWND control) { SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }

const Case kCases[] = {
    {"ButtonClickedByMessage", L"button", BS_PUSHBUTTON, SendClick},
    {"ButtonPressed", L"button", BS_PUSHBUTTON, SendPress},
    {"EditPressed", L"edit", WS_BORDER, SendPress},
};

class DestroyedByFocus : public controltest::ControlTest, public ::testing::WithParamInterface<Case> {};

TEST_P(DestroyedByFocus, TheClickEndsQuietlyOnTheDeadControl)
{
    const int id = 7;
    HWND control = Create(GetParam().className, GetParam().style, 10, 10, 120, 23, id, L"12");
    HWND holder = testwin::CreateChild(parent, 10, 60, 50, 20);
    ASSERT_NE(control, nullptr);
    SetFocus(holder);
    kytest::PumpUntilIdle();
    testwin::ClearLog();
    testwin::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT*) {
        if (hwnd == holder && message == WM_KILLFOCUS && IsWindow(control))
            DestroyWindow(control);
        return false;
    });

    GetParam().click(control);
    kytest::PumpUntilIdle();

    EXPECT_FALSE(IsWindow(control));
    EXPECT_NE(GetCapture(), control);
    for (WORD code : Commands(control, id))
        EXPECT_NE(code, BN_CLICKED) << "a control that is gone reports no click";
}

INSTANTIATE_TEST_SUITE_P(Controls, DestroyedByFocus, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace
