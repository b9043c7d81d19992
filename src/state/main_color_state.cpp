#include "state/main_color_state.h"

#include "engine/color_text.h"
#include "engine/extended_values.h"

namespace tessaro::workspace {

namespace {

void RecomputeDerived(MainColorState& s, const KeyValueText* names, std::string_view decimalSeparator)
{
    s.extendedLines = ExtendedValueLines(ComputeExtendedValues(s.rgb()), decimalSeparator);
    s.mainColor = MakeColor(s.rgb());
    s.hexText = HexText(s.mainColor);
    s.bgrHexText = BgrHexText(s.mainColor);
    std::string previousName = std::move(s.palette.colorName);
    s.palette = DerivePalette(s.rgb(), s.mainColor, {.withVariationGrid = s.variationsOpen, .colorNames = names});
    if (!names)
        s.palette.colorName = std::move(previousName);
    s.isWebsafe = IsWebsafe(s.mainColor);
}

} // namespace

void RecomputeFromRgb(MainColorState& s, const KeyValueText* names, std::string_view decimalSeparator)
{
    const HslTriple hsl = RgbToHsl(s.rgb());
    s.hue = hsl.hue;
    s.saturation = hsl.saturation;
    s.lightness = hsl.lightness;
    RecomputeDerived(s, names, decimalSeparator);
}

void RecomputeFromHsl(MainColorState& s, const KeyValueText* names, std::string_view decimalSeparator)
{
    const RgbTriple rgb = HslToRgb(s.hue, s.saturation, s.lightness);
    s.red = rgb.red;
    s.green = rgb.green;
    s.blue = rgb.blue;
    RecomputeDerived(s, names, decimalSeparator);
}

} // namespace tessaro::workspace
