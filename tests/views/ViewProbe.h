// Views with their model, navigation and layout state opened up, and a
// fixture that shows one in a 1000 x 600 popup and talks to it by messages.
#pragma once

#include "bench/ShownView.h"
#include "platform/testing/TestPlatform.h"
#include "views/KyViewConcave.h"
#include "views/KyViewConvex.h"

#include <gtest/gtest.h>

template <typename View>
class ViewProbe : public View {
public:
    using View::buttons, View::clientWidth, View::dragging, View::focalEdit, View::focalLength, View::hasImage,
        View::hwnd, View::imageHeight, View::imageX, View::objectX, View::originY, View::scale, View::Scene,
        View::statusLines, View::statusRect;
};

using ConvexView = ViewProbe<KyViewConvex>;
using ConcaveView = ViewProbe<KyViewConcave>;

inline LPARAM Point(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

template <typename View>
class ViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ShowView(view, 1000, 600));
        kytest::PumpUntilIdle();
        hwnd = view.GetHwnd();
    }
    void TearDown() override { DestroyWindow(hwnd); }
    void Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { SendMessageW(hwnd, message, wParam, lParam); }

    View view;
    HWND hwnd = nullptr;
};
