#include "views/ViewLayout.h"

#include "views/SceneGeometry.h"

namespace {

// The 32-bit float 0.45, widened: the convex axis sits where it always has.
constexpr double kConvexAxisShare = 0.44999998807907104;

constexpr int kEditLeft = 180;
constexpr int kEditWidth = 60;
constexpr int kEditHeight = 23;
constexpr int kButtonWidth = 65;
constexpr int kButtonPitch = 69;
constexpr int kButtonTopGap = 51;
constexpr int kButtonBottomGap = 29;
constexpr int kUpdateLeft = 245;
constexpr int kConcaveStepLeft = 340;

}  // namespace

ViewLayout LayOutView(bool convex, int width, int height)
{
    ViewLayout layout{};
    layout.originX = static_cast<float>(width * (convex ? 0.5 : 0.75));
    layout.originY = static_cast<float>(height * (convex ? kConvexAxisShare : 0.75));
    layout.focalEdit = RECT{kEditLeft, height - 50, kEditLeft + kEditWidth, height - 50 + kEditHeight};

    const int lensX = TruncToInt(layout.originX);
    const int axisY = TruncToInt(layout.originY);
    const int firstStepLeft = convex ? lensX + 50 : kConcaveStepLeft;
    for (int i = 0; i < 4; ++i) {
        const int left = firstStepLeft + kButtonPitch * i;
        layout.buttons[i] = RECT{left, height - kButtonTopGap, left + kButtonWidth, height - kButtonBottomGap};
    }
    layout.buttons[4] =
        RECT{kUpdateLeft, height - kButtonTopGap, kUpdateLeft + kButtonWidth, height - kButtonBottomGap};

    layout.status = convex ? RECT{10, axisY + 70, lensX - 20, height - 70} : RECT{10, 10, lensX - 20, axisY - 20};
    return layout;
}
