#include "views/KyViewConcave.h"

#include "base/Text.h"
#include "context/AppContext.h"
#include "views/SceneDrawing.h"

KyViewConcave::KyViewConcave() : KyViewBase(false)
{
}

void KyViewConcave::Recompute()
{
    ShowFocalLength();
    const double f = focalLength;
    const double h = objectHeight;
    const double u = static_cast<float>(-objectX);

    hasImage = true;
    imageX = static_cast<float>((-u * f) / (f - objectX));
    imageHeight = static_cast<float>((-h * f) / (u + f));
    const float magnification = static_cast<float>(-imageHeight / h);

    statusLines.clear();
    statusLines.push_back(Format(L"焦距 f = %.2f cm", f));
    statusLines.push_back(Format(L"物高 h = %.2f cm", h));
    statusLines.push_back(Format(L"当前物距 u = %.2f cm", u));
    // The image distance is v; the object distance above is u.
    statusLines.push_back(Format(L"当前像距 v = %.2f cm", -static_cast<double>(imageX)));
    statusLines.push_back(Format(L"当前像高 h' = %.2f cm", -static_cast<double>(imageHeight)));
    statusLines.push_back(Format(L"当前放大率 : %.2f", static_cast<double>(magnification)));
    RequestRedraw();
}

void KyViewConcave::DrawRays(HDC dc, const RECT&)
{
    const AppContext& context = AppContext::Instance();
    DrawRaySegments(dc, ConcaveRays(Scene()), context.rayPen, context.dashedRayPen);
}
