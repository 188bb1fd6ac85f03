// The system classes exist from the first time a window of a class nobody
// registered is asked for, as if the system had always had them.
#include "platform/controls/ButtonControl.h"
#include "platform/controls/EditControl.h"
#include "platform/controls/Procedures.h"
#include "platform/controls/ScrollBarControl.h"

namespace platform::controls {
namespace {

bool Register(const wchar_t* name, WNDPROC proc, UINT style, LPCWSTR cursor)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = style | CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.cbWndExtra = sizeof(LONG_PTR);
    wc.hCursor = LoadCursorW(nullptr, cursor);
    wc.lpszClassName = name;
    return RegisterClassExW(&wc) != 0;
}

}  // namespace

bool RegisterSystemClasses()
{
    static const bool registered = Register(L"edit", ControlProc<EditControl>, CS_DBLCLKS, IDC_IBEAM) &&
                                   Register(L"button", ControlProc<ButtonControl>, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW) &&
                                   Register(L"ScrollBar", ControlProc<ScrollBarControl>, CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, IDC_ARROW);
    return registered;
}

}  // namespace platform::controls
