#include "app/MainLayout.h"

namespace {

constexpr int kHeaderHeight = 60;
constexpr int kButtonSpace = 270;  // the button, and 20 pixels to the right edge
constexpr int kButtonTop = 18;
constexpr int kButtonWidth = 250;
constexpr int kButtonHeight = 23;
constexpr int kGap = 2;
constexpr int kStatusHeight = 60;

}  // namespace

MainLayout ComputeMainLayout(int width, int height)
{
    MainLayout layout{};
    const int buttonLeft = width - kButtonSpace;
    layout.header = RECT{0, 0, buttonLeft, kHeaderHeight};
    layout.modeButton = RECT{buttonLeft, kButtonTop, buttonLeft + kButtonWidth, kButtonTop + kButtonHeight};
    const int viewsTop = kHeaderHeight + kGap;
    layout.views = RECT{0, viewsTop, width, height - kStatusHeight - kGap};
    layout.status = RECT{0, height - kStatusHeight, width, height};
    return layout;
}
