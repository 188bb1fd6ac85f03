#include "views/KyViewConvex.h"

#include "base/Text.h"
#include "context/AppContext.h"
#include "views/OpticsTolerance.h"
#include "views/SceneDrawing.h"

#include <cmath>

KyViewConvex::KyViewConvex() : KyViewBase(true)
{
}

void KyViewConvex::Recompute()
{
    ShowFocalLength();
    const double f = focalLength;
    const double h = objectHeight;
    const float u = -objectX;

    statusLines.clear();
    statusLines.push_back(Format(L"焦距 f = %.2f cm", f));
    statusLines.push_back(Format(L"物高 h = %.2f cm", h));
    statusLines.push_back(Format(L"当前物距 u = %.2f cm", static_cast<double>(u)));

    ComputeImagePosition(u);
    // Also without an image: the rays still read imageHeight then.
    imageHeight = static_cast<float>(h * imageX / u);

    if (hasImage) {
        const float height = std::fabs(imageHeight);
        const float magnification = static_cast<float>(height / h);
        statusLines.push_back(Format(L"当前像距 = %.2f cm", std::fabs(static_cast<double>(imageX))));
        statusLines.push_back(Format(L"当前像高 = %.2f cm（放大率 = %.2f）", static_cast<double>(height),
                                     static_cast<double>(magnification)));
    } else {
        statusLines.push_back(L"当前不成像");
    }
    RequestRedraw();
}

// An object exactly at the focal point forms no image (and leaves imageX as
// it was); at 2f the image is placed at exactly 2f so that the symmetric case
// shows round numbers.
void KyViewConvex::ComputeImagePosition(float u)
{
    const double f = focalLength;
    if (!(-f < objectX)) {
        const float toFocus = static_cast<float>(objectX + f);
        if (IsNearZero(toFocus)) {
            hasImage = false;
            return;
        }
        const float toTwiceFocus = static_cast<float>(objectX - (-2.0 * f));
        if (objectX >= -2.0 * f && std::fabs(toTwiceFocus) < kOpticsTolerance) {
            imageX = static_cast<float>(2.0 * f);
            hasImage = true;
            return;
        }
    }
    imageX = static_cast<float>(f * u / (u - f));
    hasImage = true;
}

void KyViewConvex::DrawRays(HDC dc, const RECT&)
{
    const AppContext& context = AppContext::Instance();
    DrawRaySegments(dc, ConvexRays(Scene()), context.rayPen, context.dashedRayPen);
}
