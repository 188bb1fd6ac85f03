#include "context/AppContext.h"
#include "views/KyViewConcave.h"
#include "views/SceneDrawing.h"

void KyViewConcave::DrawRays(HDC dc, const RECT&)
{
    const AppContext& context = AppContext::Instance();
    DrawRaySegments(dc, ConcaveRays(Scene()), context.rayPen, context.dashedRayPen);
}
