#include "engine/palette.h"

#include "engine/color_text.h"
#include "engine/keyvalue_text.h"

namespace tessaro {

namespace {

TColor FromHsl(int hue, int saturation, int lightness)
{
    return MakeColor(HslToRgb(hue, saturation, lightness));
}

} // namespace

DerivedPalette DerivePalette(RgbTriple rgb, TColor mainColor, const DeriveOptions& options)
{
    DerivedPalette p;
    const HslTriple hsl = RgbToHsl(rgb);
    const int s = hsl.saturation;
    const int l = hsl.lightness;

    p.wheel[0] = mainColor;
    for (int k = 1; k < 12; ++k)
        p.wheel[k] = FromHsl(ShiftHue(hsl.hue, 30 * k), s, l);

    const auto& w = p.wheel;
    p.analogous = {w[11], w[0], w[1]};
    p.complements = {w[0], w[6]};
    p.splitComplements = {w[0], w[5], w[7]};
    p.triad = {w[0], w[4], w[8]};
    p.tetrad = {w[0], w[2], w[6], w[8]};
    p.square = {w[0], w[3], w[6], w[9]};

    const int hue = ShiftHue(hsl.hue, 0);
    for (std::size_t i = 0; i < kQuickVariationLightness.size(); ++i)
        p.quickVariations[i] = FromHsl(hue, s, kQuickVariationLightness[i]);

    if (options.withVariationGrid) {
        for (int r = 0; r < 12; ++r) {
            const int rowHue = ShiftHue(hsl.hue, 30 * r);
            p.variationGrid[r][0] = FromHsl(rowHue, s, l);
            for (int c = 1; c < 10; ++c)
                p.variationGrid[r][c] = FromHsl(rowHue, s, 10 * c);
        }
    }

    if (options.colorNames)
        p.colorName = LookupColorName(*options.colorNames, rgb);
    return p;
}

std::string LookupColorName(const KeyValueText& names, RgbTriple rgb)
{
    return names.Get(HashHexText(MakeColor(rgb))).value_or(std::string());
}

} // namespace tessaro
