// The view's own message handling: every message, whether the view acts on
// it or not, ends in DefWindowProcW.
#include "views/KyViewBase.h"

LRESULT KyViewBase::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
