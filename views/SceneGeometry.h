// The pixel geometry of the lens scene as plain functions of the model, so
// that picture boxes, scale ticks and ray end points can be checked without
// a window or a device context.
#pragma once

#include "platform/win32.h"

#include <vector>

// Halves away from zero. NaN gives 0 and values beyond the int range are
// pulled to its ends, so no conversion is ever undefined.
int RoundToInt(float x);

// Toward zero, with the same guards as RoundToInt.
int TruncToInt(float x);

// The y at abscissa x of the line through (x1, y1) and (x2, y2). False, with
// y = 0, when the line is (nearly) vertical.
bool LineYAt(float x1, float y1, float x2, float y2, float x, float& y);

// What the scene is drawn from: the view's model and geometry.
struct SceneModel {
    float scale;
    float originX;
    float originY;
    float focalLength;
    float objectHeight;
    float objectX;
    float imageX;
    float imageHeight;
    bool hasImage;
    int clientWidth;
    int clientHeight;
};

// A picture's destination: left, top, width, height.
struct PictureBox {
    int left;
    int top;
    int width;
    int height;
};

// Width of a picture of the source aspect `sourceWidth` x `sourceHeight`
// drawn `height` pixels tall; 0 for an empty source.
float ScaledWidth(int sourceWidth, int sourceHeight, float height);

// The lens: twice the object's height, centred on the lens point.
PictureBox LensBox(const SceneModel& scene, int sourceWidth, int sourceHeight);
// The candle standing on the axis with its centre line at the object.
PictureBox CandleBox(const SceneModel& scene, int sourceWidth, int sourceHeight);
// The image: hanging below the axis when imageHeight > 0, else standing on it.
PictureBox ImageBox(const SceneModel& scene, int sourceWidth, int sourceHeight);

// Length of the scale ticks for a zoom: trunc(scale) / 5, at least 5.
int TickLength(float scale);

// Tick positions every 10 cm from the lens, k = 1, 2, ...: origin + k * 10 *
// scale * direction, rounded; toward 0 they stop below 0, the other way past
// limit.
std::vector<int> TickPositions(float origin, float scale, int direction, int limit);

// One straight piece of a ray, end points already rounded.
struct RaySegment {
    POINT from;
    POINT to;
    bool dashed;
};

// The convex lens's rays: through the centre, and parallel then through F';
// dashed backward extensions to a virtual image. With no image (object at
// the focal point) both emerging rays are parallel and run off the right
// edge, without extensions. Empty when the object is not left of the lens.
std::vector<RaySegment> ConvexRays(const SceneModel& scene);
// The concave lens's rays: through the centre, and parallel then diverging
// as if from F, with the dashed extension back to F.
std::vector<RaySegment> ConcaveRays(const SceneModel& scene);
