#include "app/CenterWindow.h"

POINT CenteredOrigin(const RECT& area, int width, int height)
{
    // Halves truncate toward zero, so a window larger than its area sits
    // symmetrically over both edges.
    const int x = ((area.right - area.left) - width) / 2;
    const int y = ((area.bottom - area.top) - height) / 2;
    return POINT{area.left + x, area.top + y};
}

void CenterWindow(HWND window)
{
    if (window == nullptr)
        return;
    RECT bounds{};
    if (!GetWindowRect(window, &bounds))
        return;
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;

    RECT area{};
    if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0)
        GetClientRect(GetParent(window), &area);
    else
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);

    const POINT origin = CenteredOrigin(area, width, height);
    MoveWindow(window, origin.x, origin.y, width, height, TRUE);
}
