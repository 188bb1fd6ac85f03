// Cutting a line segment to a rectangle in double precision, so that a line
// with far-away end points keeps its slope where it is visible. Rounding a
// far end point, or pulling its x and y in separately, would turn it.
#pragma once

namespace platform::gdi {

struct Segment {
    double x0, y0, x1, y1;
};

struct Bounds {
    double left, top, right, bottom;
};

// Shortens `segment` to the part inside `bounds` (edges included); false when
// no part of it is inside. A segment already inside is left exactly as it is.
bool ClipSegment(Segment& segment, const Bounds& bounds);

}  // namespace platform::gdi
