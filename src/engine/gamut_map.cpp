#include "engine/gamut_map.h"

#include <algorithm>

namespace tessaro {

namespace {

constexpr double kJnd = 0.02;
constexpr double kEpsilon = 0.0001;

Rgb01 Clip(Rgb01 rgb)
{
    return {std::clamp(rgb.r, 0.0, 1.0), std::clamp(rgb.g, 0.0, 1.0), std::clamp(rgb.b, 0.0, 1.0)};
}

} // namespace

Rgb01 GamutMapToSrgb(OkLch origin)
{
    if (origin.l >= 1) return {1, 1, 1};
    if (origin.l <= 0) return {0, 0, 0};
    const Rgb01 direct = OkLabToSrgb(OkLchToOkLab(origin));
    if (InUnitRange(direct))
        return direct;

    OkLch current = origin;
    Rgb01 clipped = Clip(direct);
    if (DeltaEOk(SrgbToOkLab(clipped), OkLchToOkLab(current)) < kJnd)
        return clipped;

    double low = 0;
    double high = origin.c;
    bool lowInGamut = true;
    while (high - low > kEpsilon) {
        const double chroma = (low + high) / 2;
        current.c = chroma;
        const OkLab currentLab = OkLchToOkLab(current);
        const Rgb01 rgb = OkLabToSrgb(currentLab);
        if (lowInGamut && InUnitRange(rgb)) {
            low = chroma;
            continue;
        }
        clipped = Clip(rgb);
        const double deltaE = DeltaEOk(SrgbToOkLab(clipped), currentLab);
        if (deltaE < kJnd) {
            if (kJnd - deltaE < kEpsilon)
                break;
            lowInGamut = false;
            low = chroma;
        } else {
            high = chroma;
        }
    }
    return clipped;
}

TColor GamutMapToColor(OkLch color) { return Rgb01ToColor(GamutMapToSrgb(color)); }
TColor GamutMapToColor(OkLab color) { return GamutMapToColor(OkLabToOkLch(color)); }
TColor GamutMapXyzToColor(Xyz xyzD65) { return GamutMapToColor(XyzD65ToOkLab(xyzD65)); }

} // namespace tessaro
