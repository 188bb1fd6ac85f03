// Small drawing helpers of the lens scene: a scoped selection, lines with a
// cached pen, and the rays.
#pragma once

#include "platform/win32.h"
#include "views/SceneGeometry.h"

#include <cstdint>
#include <vector>

// Selects a GDI object for one scope and puts the previous one back on every
// way out. A null object selects nothing.
class ScopedSelection {
public:
    ScopedSelection(HDC dc, HGDIOBJ object);
    ~ScopedSelection();
    ScopedSelection(const ScopedSelection&) = delete;
    ScopedSelection& operator=(const ScopedSelection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// A line from (x1, y1) to (x2, y2), end point excluded, with the cached pen
// `penId`; with the cache's "none" the pen already in the DC draws.
void DrawLineWithPen(HDC dc, int x1, int y1, int x2, int y2, int32_t penId);

// Each segment with the solid or the dashed pen.
void DrawRaySegments(HDC dc, const std::vector<RaySegment>& segments, int32_t solidPen, int32_t dashedPen);
