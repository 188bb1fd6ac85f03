#include "platform/display/DisplayScale.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iterator>

namespace platform {
namespace {

// Steps a desktop offers; in between the strokes of one-pixel lines would
// come out uneven.
constexpr double kAllowed[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3};

double chosen = 1;

// Far beyond any surface; keeps the products below within int.
constexpr double kFarAway = 1 << 28;

}  // namespace

double DisplayScale() { return chosen; }

void SetDisplayScale(double scale) { chosen = NearestDisplayScale(scale); }

double NearestDisplayScale(double wanted)
{
    if (!(wanted > 0) || !std::isfinite(wanted)) return 1;
    return *std::min_element(std::begin(kAllowed), std::end(kAllowed),
                             [wanted](double a, double b) { return std::abs(a - wanted) < std::abs(b - wanted); });
}

bool ParseDisplayScale(const char* text, double* scale)
{
    if (!text || !scale || !std::isdigit(static_cast<unsigned char>(*text))) return false;
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (*end || std::find(std::begin(kAllowed), std::end(kAllowed), value) == std::end(kAllowed)) return false;
    *scale = value;
    return true;
}

int ToDevice(double logical, double scale)
{
    return static_cast<int>(std::floor(std::clamp(logical * scale, -kFarAway, kFarAway) + 0.5));
}

int ToLogical(int device, double scale)
{
    // The last logical pixel whose first device pixel is not past `device`.
    return static_cast<int>(std::ceil(std::clamp((device + 0.5) / scale, -kFarAway, kFarAway))) - 1;
}

}  // namespace platform
