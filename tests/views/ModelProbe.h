// Views with their model fields opened up, so tests can set a scene and read
// back what Recompute made of it.
#pragma once

#include "views/KyViewConcave.h"
#include "views/KyViewConvex.h"

template <typename View>
class ModelProbe : public View {
public:
    using View::focalEdit;
    using View::focalLength;
    using View::hasImage;
    using View::imageHeight;
    using View::imageX;
    using View::isConvex;
    using View::objectHeight;
    using View::objectX;
    using View::scale;
    using View::statusLines;
    using View::hwnd;
};

using ConvexProbe = ModelProbe<KyViewConvex>;
using ConcaveProbe = ModelProbe<KyViewConcave>;
