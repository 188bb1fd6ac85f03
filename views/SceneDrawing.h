// Small drawing helpers of the lens scene: lines with a cached pen, and the
// rays.
#pragma once

#include "base/ScopedSelection.h"
#include "platform/win32.h"
#include "views/SceneGeometry.h"

#include <cstdint>
#include <vector>

// A line from (x1, y1) to (x2, y2), end point excluded, with the cached pen
// `penId`; with the cache's "none" the pen already in the DC draws.
void DrawLineWithPen(HDC dc, int x1, int y1, int x2, int y2, int32_t penId);

// Each segment with the solid or the dashed pen.
void DrawRaySegments(HDC dc, const std::vector<RaySegment>& segments, int32_t solidPen, int32_t dashedPen);
