// The optics model and the scene geometry from any float bits. Nothing may be
// undefined (UBSan checks float-to-int casts here), and within the ranges the
// controls allow, the image is always a finite place and size.
#include "tests/fuzz/FuzzBytes.h"
#include "views/KyViewConcave.h"
#include "views/KyViewConvex.h"

#include <cmath>
#include <cstdlib>

namespace {

template <typename View>
struct Probe : View {
    void Run(kyfuzz::FuzzBytes& bytes)
    {
        for (float* field : {&this->focalLength, &this->objectX, &this->scale, &this->originX, &this->originY})
            *field = bytes.Take<float>();
        // WM_SIZE carries 16-bit sizes.
        this->clientWidth = bytes.Take<std::uint16_t>();
        this->clientHeight = bytes.Take<std::uint16_t>();
        // The model is defined where the controls can take it: a focal length
        // in [3, 50] and the candle at -0.5 or further left.
        if (!(this->focalLength >= 3.0f && this->focalLength <= 50.0f && this->objectX <= -0.5f && std::isfinite(this->objectX)))
            return;
        this->Recompute();
        const bool inRange = this->scale >= 6.0f && this->scale <= 30.0f && this->objectX >= -1.0e4f;
        if (inRange && this->hasImage && !(std::isfinite(this->imageX) && std::isfinite(this->imageHeight))) std::abort();

        const SceneModel scene = this->Scene();
        const int sourceWidth = bytes.Take<std::int16_t>(), sourceHeight = bytes.Take<std::int16_t>();
        LensBox(scene, sourceWidth, sourceHeight);
        CandleBox(scene, sourceWidth, sourceHeight);
        ImageBox(scene, sourceWidth, sourceHeight);
        TickLength(scene.scale);
        for (int direction : {-1, 1}) TickPositions(scene.originX, scene.scale, direction, scene.clientWidth);
        this->isConvex ? ConvexRays(scene) : ConcaveRays(scene);
    }
};

}  // namespace

// Input: the first byte picks the lens, the rest are the model's fields.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    kyfuzz::FuzzBytes bytes(data, size);
    if (bytes.Take<std::uint8_t>() % 2)
        Probe<KyViewConvex>().Run(bytes);
    else
        Probe<KyViewConcave>().Run(bytes);
    return 0;
}
