#include "engine/color.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <random>

namespace tessaro {

int Nearest(double x)
{
    const double r = std::nearbyint(x);
    if (!(r > double(INT_MIN)))
        return INT_MIN;
    if (!(r < double(INT_MAX)))
        return INT_MAX;
    return static_cast<int>(r);
}

UnitHsl RgbToUnitHsl(RgbTriple rgb)
{
    const double r = rgb.red / 255.0;
    const double g = rgb.green / 255.0;
    const double b = rgb.blue / 255.0;
    const double max = std::max(r, std::max(g, b));
    const double min = std::min(r, std::min(g, b));
    const double l = (max + min) / 2;
    double s = 0;
    double h = 0;
    if (max != min) {
        const double d = max - min;
        s = l < 0.5 ? d / (max + min) : d / (2 - max - min);
        if (r == max)
            h = (g - b) / d;
        else if (g == max)
            h = 2 + (b - r) / d;
        else
            h = 4 + (r - g) / d;
        h = h / 6;
        if (h < 0)
            h = h + 1;
    }
    return {h, s, l};
}

HslTriple RgbToHsl(RgbTriple rgb)
{
    const UnitHsl u = RgbToUnitHsl(rgb);
    return {Nearest(u.hue * 360), Nearest(u.saturation * 100), Nearest(u.lightness * 100)};
}

RgbTriple HslToRgb(int hue, int saturation, int lightness)
{
    if (hue >= 360 || hue < 0 || saturation < 0 || saturation > 100 || lightness < 0 || lightness > 100)
        return {};

    constexpr double k = 4.25;
    const double h = hue;
    double c[3] = {0, 0, 0};
    if (hue <= 60) {
        c[0] = 255; c[1] = Nearest(h * k); c[2] = 0;
    } else if (hue <= 120) {
        c[0] = Nearest(255 - (h - 60) * k); c[1] = 255; c[2] = 0;
    } else if (hue <= 180) {
        c[0] = 0; c[1] = 255; c[2] = Nearest((h - 120) * k);
    } else if (hue <= 240) {
        c[0] = 0; c[1] = Nearest(255 - (h - 180) * k); c[2] = 255;
    } else if (hue <= 300) {
        c[0] = Nearest((h - 240) * k); c[1] = 0; c[2] = 255;
    } else {
        c[0] = 255; c[1] = 0; c[2] = Nearest(255 - (h - 300) * k);
    }

    const double d = std::fabs((saturation - 100) / 100.0);
    for (double& ch : c)
        ch = Nearest(ch - (ch - 128) * d);

    const double e = (lightness - 50) / 50.0;
    if (e > 0) {
        for (double& ch : c)
            ch = Nearest(ch + e * (255 - ch));
    } else if (e < 0) {
        for (double& ch : c)
            ch = Nearest(ch + e * ch);
    }
    return {std::uint8_t(c[0]), std::uint8_t(c[1]), std::uint8_t(c[2])};
}

int ShiftHue(int hue, int offset)
{
    int shifted = hue + offset;
    if (shifted > 360)
        shifted -= 360;
    if (shifted == 360)
        shifted = 0;
    return shifted;
}

bool IsWebsafe(TColor color)
{
    const auto safe = [](std::uint8_t c) { return c % 51 == 0; };
    return safe(RedOf(color)) && safe(GreenOf(color)) && safe(BlueOf(color));
}

RgbTriple SnapToWebsafe(RgbTriple rgb)
{
    const auto snap = [](std::uint8_t c) -> std::uint8_t {
        if (c <= 25) return 0;
        if (c <= 76) return 51;
        if (c <= 127) return 102;
        if (c <= 178) return 153;
        if (c <= 229) return 204;
        return 255;
    };
    return {snap(rgb.red), snap(rgb.green), snap(rgb.blue)};
}

TColor InvertColor(TColor color)
{
    return color ^ 0xFFFFFFu;
}

TColor RandomColor()
{
    std::mt19937 generator(static_cast<std::uint32_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    std::uniform_int_distribution<std::uint32_t> draw(0, 0xFFFFFF);
    return draw(generator);
}

namespace {

int ClampPercent(int value)
{
    return std::clamp(value, 0, 100);
}

} // namespace

RgbTriple AdjustLightness(RgbTriple rgb, int step)
{
    const HslTriple hsl = RgbToHsl(rgb);
    return HslToRgb(ShiftHue(hsl.hue, 0), hsl.saturation, ClampPercent(hsl.lightness + step));
}

RgbTriple AdjustSaturation(RgbTriple rgb, int step)
{
    const HslTriple hsl = RgbToHsl(rgb);
    return HslToRgb(ShiftHue(hsl.hue, 0), ClampPercent(hsl.saturation + step), hsl.lightness);
}

} // namespace tessaro
