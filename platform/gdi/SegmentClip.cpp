#include "platform/gdi/SegmentClip.h"

#include <cmath>

namespace platform::gdi {
namespace {

// One edge of Liang-Barsky: narrows [enter, leave] along the segment by the
// half-plane p * t <= q.
bool Narrow(double p, double q, double& enter, double& leave)
{
    if (p == 0.0)
        return q >= 0.0;
    const double t = q / p;
    if (p < 0.0) {
        if (t > leave)
            return false;
        if (t > enter)
            enter = t;
    } else {
        if (t < enter)
            return false;
        if (t < leave)
            leave = t;
    }
    return true;
}

}  // namespace

bool ClipSegment(Segment& segment, const Bounds& bounds)
{
    const double dx = segment.x1 - segment.x0;
    const double dy = segment.y1 - segment.y0;
    if (!std::isfinite(dx) || !std::isfinite(dy))
        return false;
    double enter = 0.0;
    double leave = 1.0;
    if (!Narrow(-dx, segment.x0 - bounds.left, enter, leave) || !Narrow(dx, bounds.right - segment.x0, enter, leave) ||
        !Narrow(-dy, segment.y0 - bounds.top, enter, leave) || !Narrow(dy, bounds.bottom - segment.y0, enter, leave)) {
        return false;
    }
    // Only an end that was outside moves; the other keeps its exact value.
    const Segment original = segment;
    if (leave < 1.0) {
        segment.x1 = original.x0 + leave * dx;
        segment.y1 = original.y0 + leave * dy;
    }
    if (enter > 0.0) {
        segment.x0 = original.x0 + enter * dx;
        segment.y0 = original.y0 + enter * dy;
    }
    return true;
}

}  // namespace platform::gdi
