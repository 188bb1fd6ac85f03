// Views with their navigation and layout state opened up, for the tests of
// navigation and of the scene.
#pragma once

#include "ModelProbe.h"

template <typename View>
class ViewProbe : public ModelProbe<View> {
public:
    using View::buttons;
    using View::clientHeight;
    using View::clientWidth;
    using View::dragging;
    using View::focalEditRect;
    using View::originX;
    using View::originY;
    using View::Scene;
    using View::statusRect;
};

using ConvexView = ViewProbe<KyViewConvex>;
using ConcaveView = ViewProbe<KyViewConcave>;

// A top-level popup whose client area is `width` x `height` (popups have no
// frame), shown and painted once.
template <typename View>
bool OpenView(View& view, int width, int height)
{
    if (!view.Create(0xB, WS_POPUP, 0, nullptr, nullptr))
        return false;
    MoveWindow(view.GetHwnd(), 0, 0, width, height, FALSE);
    ShowWindow(view.GetHwnd(), SW_SHOW);
    UpdateWindow(view.GetHwnd());
    return true;
}
