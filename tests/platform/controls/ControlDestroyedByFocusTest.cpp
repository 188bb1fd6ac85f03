// A control that the focus change of its own click destroys: the window that
// loses the focus tears the control down before the click is finished.
#include <algorithm>

#include "ControlTestSupport.h"

namespace {

class DestroyedByFocus : public controltest::ControlTest {};

TEST_F(DestroyedByFocus, TheClickEndsQuietlyOnTheDeadControl)
{
    const struct { const wchar_t* className; DWORD style; UINT click; } cases[] = {
        {L"button", BS_PUSHBUTTON, BM_CLICK}, {L"button", BS_PUSHBUTTON, WM_LBUTTONDOWN}, {L"edit", WS_BORDER, WM_LBUTTONDOWN}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.click);
        HWND control = Create(c.className, c.style, 10, 10, 120, 23, 7, L"12");
        HWND holder = testwin::CreateChild(parent, 10, 60, 50, 20);
        SetFocus(holder);
        kytest::PumpUntilIdle();
        testwin::ClearLog();
        testwin::SetHook([&](HWND hwnd, UINT message, WPARAM, LPARAM, LRESULT*) {
            if (hwnd == holder && message == WM_KILLFOCUS && IsWindow(control)) DestroyWindow(control);
            return false;
        });
        SendMessageW(control, c.click, MK_LBUTTON, MAKELPARAM(5, 5));
        kytest::PumpUntilIdle();
        testwin::SetHook(nullptr);
        EXPECT_FALSE(IsWindow(control));
        EXPECT_NE(GetCapture(), control);
        const auto codes = Commands(control, 7);
        EXPECT_EQ(std::count(codes.begin(), codes.end(), WORD(BN_CLICKED)), 0) << "a control that is gone reports no click";
    }
}

}  // namespace
