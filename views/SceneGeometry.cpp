#include "views/SceneGeometry.h"

#include "views/OpticsTolerance.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// Conversions of a float that may be NaN or far outside the int range.
int ClampToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);
}

POINT RoundedPoint(float x, float y)
{
    return POINT{RoundToInt(x), RoundToInt(y)};
}

// The ends of rays drawn to the right edge lie one pixel past it, so that
// LineTo, which leaves out its last pixel, still reaches the edge column.
float RightEdgeEnd(const SceneModel& scene)
{
    return static_cast<float>(scene.clientWidth + 1);
}

float RayYAt(float x1, float y1, float x2, float y2, float x)
{
    float y = 0.0f;
    LineYAt(x1, y1, x2, y2, x, y);
    return y;
}

struct RayStart {
    float tipX;
    float tipY;
};

RayStart CandleTip(const SceneModel& scene)
{
    return RayStart{scene.objectX * scene.scale + scene.originX,
                    scene.originY - scene.objectHeight * scene.scale};
}

}  // namespace

int RoundToInt(float x)
{
    const double value = x;
    return ClampToInt(value > 0 ? value + 0.5 : value - 0.5);
}

int TruncToInt(float x)
{
    return ClampToInt(x);
}

bool LineYAt(float x1, float y1, float x2, float y2, float x, float& y)
{
    const float run = x1 - x2;
    if (IsNearZero(run)) {
        y = 0.0f;
        return false;
    }
    y = static_cast<float>(static_cast<double>(y1) +
                           (static_cast<double>(x) - x1) * (static_cast<double>(y2) - y1) /
                               (static_cast<double>(x2) - x1));
    return true;
}

float ScaledWidth(int sourceWidth, int sourceHeight, float height)
{
    if (sourceHeight == 0)
        return 0.0f;
    return static_cast<float>(sourceWidth) * height / static_cast<float>(sourceHeight);
}

PictureBox LensBox(const SceneModel& scene, int sourceWidth, int sourceHeight)
{
    const int height = RoundToInt(2.0f * scene.objectHeight * scene.scale);
    const int width = RoundToInt(ScaledWidth(sourceWidth, sourceHeight, static_cast<float>(height)));
    return PictureBox{RoundToInt(scene.originX - static_cast<float>(width) / 2.0f),
                      RoundToInt(scene.originY - static_cast<float>(height) / 2.0f), width, height};
}

PictureBox CandleBox(const SceneModel& scene, int sourceWidth, int sourceHeight)
{
    const float height = scene.objectHeight * scene.scale;
    const float width = ScaledWidth(sourceWidth, sourceHeight, height);
    return PictureBox{RoundToInt(scene.objectX * scene.scale + scene.originX - width / 2.0f),
                      RoundToInt(scene.originY - height), RoundToInt(width), RoundToInt(height)};
}

PictureBox ImageBox(const SceneModel& scene, int sourceWidth, int sourceHeight)
{
    const float centreX = scene.imageX * scene.scale + scene.originX;
    const float height = std::fabs(scene.imageHeight) * scene.scale;
    const float width = ScaledWidth(sourceWidth, sourceHeight, height);
    const float top = scene.imageHeight > 0 ? scene.originY : scene.imageHeight * scene.scale + scene.originY;
    return PictureBox{RoundToInt(centreX - width / 2.0f), RoundToInt(top), RoundToInt(width), RoundToInt(height)};
}

int TickLength(float scale)
{
    const int length = TruncToInt(scale) / 5;
    return length < 5 ? 5 : length;
}

std::vector<int> TickPositions(float origin, float scale, int direction, int limit)
{
    std::vector<int> positions;
    const float step = scale * 10.0f;
    if (!(step >= 1.0f) || limit < 0 || !std::isfinite(origin))
        return positions;
    // Ticks run from the origin to the far end; an origin far outside the
    // client ends the walk by this count rather than by the edge.
    const double span = std::fabs(static_cast<double>(origin)) + limit;
    const long long most = static_cast<long long>(std::min(span / step, 1e5)) + 1;
    for (long long k = 1; k <= most; ++k) {
        const int position = RoundToInt(static_cast<float>(k) * step * static_cast<float>(direction) + origin);
        if (direction < 0 ? position < 0 : position > limit)
            break;
        positions.push_back(position);
    }
    return positions;
}

std::vector<RaySegment> ConvexRays(const SceneModel& scene)
{
    std::vector<RaySegment> rays;
    if (!(scene.objectX < 0))
        return rays;
    const RayStart tip = CandleTip(scene);
    const float lensX = scene.originX;
    // Without an image the stored image values are stale: the rays leave
    // parallel, so they run off the right edge and have no common point.
    const bool realImage = scene.hasImage && scene.imageX > 0;
    const bool virtualImage = scene.hasImage && scene.imageX < 0;
    const float endX = realImage ? scene.imageX * scene.scale + scene.originX : RightEdgeEnd(scene);
    const POINT from = RoundedPoint(tip.tipX, tip.tipY);
    const POINT atLens = RoundedPoint(lensX, tip.tipY);
    const POINT imageTip = RoundedPoint(scene.imageX * scene.scale + scene.originX,
                                        scene.imageHeight * scene.scale + scene.originY);

    const float centralY = RayYAt(tip.tipX, tip.tipY, scene.originX, scene.originY, endX);
    rays.push_back({from, RoundedPoint(endX, centralY), false});
    if (virtualImage)
        rays.push_back({from, imageTip, true});
    rays.push_back({from, atLens, false});
    const float farFocusX = scene.originX + scene.focalLength * scene.scale;
    const float refractedY = RayYAt(lensX, tip.tipY, farFocusX, scene.originY, endX);
    rays.push_back({atLens, RoundedPoint(endX, refractedY), false});
    if (virtualImage)
        rays.push_back({atLens, imageTip, true});
    return rays;
}

std::vector<RaySegment> ConcaveRays(const SceneModel& scene)
{
    std::vector<RaySegment> rays;
    if (!(scene.objectX < 0))
        return rays;
    const RayStart tip = CandleTip(scene);
    const float endX = RightEdgeEnd(scene);
    const POINT from = RoundedPoint(tip.tipX, tip.tipY);
    const POINT atLens = RoundedPoint(scene.originX, tip.tipY);

    const float centralY = RayYAt(tip.tipX, tip.tipY, scene.originX, scene.originY, endX);
    rays.push_back({from, RoundedPoint(endX, centralY), false});
    rays.push_back({from, atLens, false});
    const float nearFocusX = scene.originX - scene.focalLength * scene.scale;
    const float divergedY = RayYAt(scene.originX, tip.tipY, nearFocusX, scene.originY, endX);
    rays.push_back({atLens, RoundedPoint(endX, divergedY), false});
    rays.push_back({atLens, RoundedPoint(nearFocusX, scene.originY), true});
    return rays;
}
