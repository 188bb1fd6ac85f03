#include "context/AppContext.h"
#include "views/KyViewConvex.h"
#include "views/SceneDrawing.h"

void KyViewConvex::DrawRays(HDC dc, const RECT&)
{
    const AppContext& context = AppContext::Instance();
    DrawRaySegments(dc, ConvexRays(Scene()), context.rayPen, context.dashedRayPen);
}
