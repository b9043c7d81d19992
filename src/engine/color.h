// Colour values and the program's own RGB/HSL arithmetic.
#pragma once

#include <cstdint>

namespace tessaro {

// A colour value: red in the lowest byte, then green, then blue. The high
// byte is 0 for an RGB colour; system colours and markers use other values.
using TColor = std::uint32_t;

struct RgbTriple {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const RgbTriple&, const RgbTriple&) = default;
};

// Hue 0..360 as produced by RgbToHsl (0..359 accepted back), saturation and
// lightness 0..100.
struct HslTriple {
    std::int32_t hue = 0;
    std::int32_t saturation = 0;
    std::int32_t lightness = 0;
    friend bool operator==(const HslTriple&, const HslTriple&) = default;
};

constexpr TColor MakeColor(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr TColor MakeColor(RgbTriple rgb) { return MakeColor(rgb.red, rgb.green, rgb.blue); }
constexpr std::uint8_t RedOf(TColor c) { return std::uint8_t(c & 0xFF); }
constexpr std::uint8_t GreenOf(TColor c) { return std::uint8_t((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(TColor c) { return std::uint8_t((c >> 16) & 0xFF); }
constexpr RgbTriple ToRgb(TColor c) { return {RedOf(c), GreenOf(c), BlueOf(c)}; }

// Round to the nearest integer, exact halves to the even neighbour. Values
// beyond int (and NaN, to the low end) are held at its limits.
int Nearest(double x);

// Hue, saturation and lightness as fractions 0..1 (hue 1 being the full
// turn), before any scale is applied: the common first step of every RGB to
// HSL conversion, whatever range it then rounds its values to.
struct UnitHsl {
    double hue = 0;
    double saturation = 0;
    double lightness = 0;
};
UnitHsl RgbToUnitHsl(RgbTriple rgb);

// RgbToUnitHsl on the scale 360 / 100 / 100.
HslTriple RgbToHsl(RgbTriple rgb);
// Out-of-range input (hue outside 0..359, saturation or lightness outside
// 0..100) gives black.
RgbTriple HslToRgb(int hue, int saturation, int lightness);
inline RgbTriple HslToRgb(HslTriple hsl) { return HslToRgb(hsl.hue, hsl.saturation, hsl.lightness); }

// Turns a hue by offset degrees; the result is 0..359 (360 becomes 0).
int ShiftHue(int hue, int offset);

bool IsWebsafe(TColor color);
RgbTriple SnapToWebsafe(RgbTriple rgb);
TColor InvertColor(TColor color);
// A uniformly drawn RGB colour, from a generator seeded afresh from the clock.
TColor RandomColor();

// The fixed step of the lighten/darken/saturate/desaturate commands.
constexpr int kAdjustStep = 13;
RgbTriple AdjustLightness(RgbTriple rgb, int step);
RgbTriple AdjustSaturation(RgbTriple rgb, int step);

} // namespace tessaro
