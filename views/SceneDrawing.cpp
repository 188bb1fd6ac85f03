#include "views/SceneDrawing.h"

#include "gdi/PenCache.h"

void DrawLineWithPen(HDC dc, int x1, int y1, int x2, int y2, int32_t penId)
{
    MoveToEx(dc, x1, y1, nullptr);
    const HPEN pen = penId != PenCache::kNoPen ? PenHandle(penId) : nullptr;
    ScopedSelection selected(dc, pen);
    LineTo(dc, x2, y2);
}

void DrawRaySegments(HDC dc, const std::vector<RaySegment>& segments, int32_t solidPen, int32_t dashedPen)
{
    for (const RaySegment& segment : segments) {
        DrawLineWithPen(dc, segment.from.x, segment.from.y, segment.to.x, segment.to.y,
                        segment.dashed ? dashedPen : solidPen);
    }
}
