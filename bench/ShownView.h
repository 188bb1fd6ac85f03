// A lens view as the benches and the view tests use it: a top-level popup of
// the given client size (popups have no frame), shown and painted once.
#pragma once

#include "platform/win32.h"

template <typename View>
bool ShowView(View& view, int width, int height)
{
    if (!view.Create(0xB, WS_POPUP, 0, nullptr, nullptr))
        return false;
    MoveWindow(view.GetHwnd(), 0, 0, width, height, FALSE);
    ShowWindow(view.GetHwnd(), SW_SHOW);
    UpdateWindow(view.GetHwnd());
    return true;
}
