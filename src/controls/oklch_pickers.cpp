#include "controls/oklch_pickers.h"

#include "engine/gamut_map.h"

#include <cmath>

namespace tessaro::controls {

namespace {

constexpr int kHueMaximum = 360 * kOklchHueUnits;

OkLch FromUnits(const std::array<int, 3>& c)
{
    return {double(c[0]) / kOklchLightnessUnits, double(c[1]) / kOklchChromaUnits, double(c[2]) / kOklchHueUnits};
}

} // namespace

OklchComponentPicker::OklchComponentPicker(int valueIndex, int gradientSteps, const char* placeholder,
                                           const char* hintFormat, QWidget* parent)
    : ComponentPicker({{kOklchLightnessUnits, kOklchMaxChroma, kHueMaximum},
                       {500, 0, 0},
                       valueIndex,
                       gradientSteps,
                       placeholder,
                       hintFormat},
                      parent)
{
}

OkLch OklchComponentPicker::oklch() const
{
    return FromUnits({component(0), component(1), component(2)});
}

TColor OklchComponentPicker::compose(const std::array<int, 3>& components) const
{
    return GamutMapToColor(FromUnits(components));
}

std::array<int, 3> OklchComponentPicker::decompose(TColor c) const
{
    const OkLch lch = ColorToOkLch(c);
    const int hue = int(std::lround(lch.h * kOklchHueUnits)) % kHueMaximum;
    return {int(std::lround(lch.l * kOklchLightnessUnits)), int(std::lround(lch.c * kOklchChromaUnits)), hue};
}

OklchLightnessPicker::OklchLightnessPicker(QWidget* parent)
    : OklchComponentPicker(0, kOklchLightnessUnits + 1, "%l", "Lightness: %l", parent)
{
}

OklchChromaPicker::OklchChromaPicker(QWidget* parent)
    : OklchComponentPicker(1, kOklchMaxChroma + 1, "%c", "Chroma: %c", parent)
{
}

OklchHuePicker::OklchHuePicker(QWidget* parent)
    : OklchComponentPicker(2, kHueMaximum + 1, "%h", "Hue: %h", parent)
{
}

} // namespace tessaro::controls
