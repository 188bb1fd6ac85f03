// System metrics, work area, cursors, beeps.
#include "platform/display/DisplayBackend.h"
#include "platform/user/user.h"

namespace {

// The standard cursors exist once, as on Windows; their handles only name them.
struct StandardCursor {
    int unused;
};
StandardCursor arrowCursor, ibeamCursor;
HCURSOR currentCursor = nullptr;

}  // namespace

int GetSystemMetrics(int index)
{
    RECT screen = platform::Display().ScreenRect();
    RECT work = platform::Display().WorkArea();
    switch (index) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN:
    case SM_CXMAXTRACK: return screen.right - screen.left;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
    case SM_CYMAXTRACK: return screen.bottom - screen.top;
    case SM_CXMAXIMIZED: return work.right - work.left;
    case SM_CYMAXIMIZED: return work.bottom - work.top;
    // Windows' values at 96 dots per inch.
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL: return 17;
    case SM_CYCAPTION: return 23;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK: return 4;
    case SM_CXMINTRACK:
    case SM_CXMIN: return 136;
    case SM_CYMINTRACK:
    case SM_CYMIN: return 39;
    default: return 0;
    }
}

BOOL SystemParametersInfoW(UINT action, UINT, LPVOID data, UINT)
{
    if (action != SPI_GETWORKAREA || !data) return FALSE;
    *static_cast<RECT*>(data) = platform::Display().WorkArea();
    return TRUE;
}

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name)
{
    if (instance) return nullptr;  // the program carries no cursors of its own
    if (name == IDC_ARROW) return reinterpret_cast<HCURSOR>(&arrowCursor);
    if (name == IDC_IBEAM) return reinterpret_cast<HCURSOR>(&ibeamCursor);
    return nullptr;
}

HCURSOR SetCursor(HCURSOR cursor)
{
    HCURSOR old = currentCursor;
    currentCursor = cursor;
    return old;
}

BOOL MessageBeep(UINT) { return TRUE; }
