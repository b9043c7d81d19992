#include "controls/picker_math.h"

#include <algorithm>
#include <cmath>

namespace tessaro::controls {

namespace {

TColor PackClamped(int red, int green, int blue)
{
    return MakeColor(static_cast<std::uint8_t>(std::clamp(red, 0, 255)),
                     static_cast<std::uint8_t>(std::clamp(green, 0, 255)),
                     static_cast<std::uint8_t>(std::clamp(blue, 0, 255)));
}

// One channel of the HSL conversion, x being the hue shifted for the channel.
double HslChannel(double m1, double m2, double x)
{
    if (x < 0)
        x += 1;
    else if (x > 1)
        x -= 1;
    if (6 * x < 1)
        return m1 + (m2 - m1) * (6 * x);
    if (2 * x < 1)
        return m2;
    if (3 * x < 2)
        return m1 + (m2 - m1) * (2.0 / 3.0 - x) * 6;
    return m1;
}

} // namespace

TColor PickerHsvToRgb(int hue, int saturation, int value)
{
    // Any hue lands on the circle; 360 and 0 are the same hue.
    hue %= 360;
    if (hue < 0)
        hue += 360;
    const int s = std::clamp(saturation, 0, 255);
    const int v = std::clamp(value, 0, 255);
    if (s == 0)
        return PackClamped(v, v, v);
    const int f = hue % 60;
    const int k = hue / 60;
    const int p = v - v * s / 255;
    const int q = v - v * s * f / 15300;
    const int t = v - v * s * (60 - f) / 15300;
    switch (k) {
    case 0: return PackClamped(v, t, p);
    case 1: return PackClamped(q, v, p);
    case 2: return PackClamped(p, v, t);
    case 3: return PackClamped(p, q, v);
    case 4: return PackClamped(t, p, v);
    default: return PackClamped(v, p, q);
    }
}

void PickerRgbToHsv(TColor c, int& hue, int& saturation, int& value)
{
    const int r = RedOf(c);
    const int g = GreenOf(c);
    const int b = BlueOf(c);
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    value = mx;
    saturation = mx == 0 ? 0 : Nearest(double(mx - mn) / mx * 255);
    if (saturation == 0) {
        hue = 0;
        return;
    }
    const double delta = mx - mn;
    double h;
    if (r == mx)
        h = 60.0 * (g - b) / delta;
    else if (g == mx)
        h = 120 + 60.0 * (b - r) / delta;
    else
        h = 240 + 60.0 * (r - g) / delta;
    if (h < 0)
        h += 360;
    hue = Nearest(h);
}

TColor PickerHslToRgb(int hue, int saturation, int luminance)
{
    const double h = std::clamp(hue, 0, 239) / 239.0;
    const double s = std::clamp(saturation, 0, 240) / 240.0;
    const double l = std::clamp(luminance, 0, 240) / 240.0;
    if (s == 0) {
        const int grey = Nearest(255 * l);
        return PackClamped(grey, grey, grey);
    }
    const double m2 = l <= 0.5 ? l * (1 + s) : l + s - l * s;
    const double m1 = 2 * l - m2;
    return PackClamped(Nearest(255 * HslChannel(m1, m2, h + 1.0 / 3.0)),
                       Nearest(255 * HslChannel(m1, m2, h)),
                       Nearest(255 * HslChannel(m1, m2, h - 1.0 / 3.0)));
}

void PickerRgbToHsl(TColor c, int& hue, int& saturation, int& luminance)
{
    const UnitHsl hsl = RgbToUnitHsl(ToRgb(c));
    hue = Nearest(239 * hsl.hue);
    saturation = Nearest(240 * hsl.saturation);
    luminance = Nearest(240 * hsl.lightness);
}

int PositionOfValue(int value, int extent, int maximum)
{
    if (maximum <= 0)
        return 0;
    const int position = Nearest(double(value) * (extent - 12) / maximum);
    return std::max(std::min(position, extent - 7), 0);
}

int PositionOfMouse(int x, int extent, int arrowHalfWidth)
{
    return std::max(std::min(x - arrowHalfWidth, extent - arrowHalfWidth - 1), 0);
}

int ValueOfPosition(int position, int extent, int maximum)
{
    // Without a scale there is no value to point at; dividing by it would not
    // give a number.
    if (extent <= 12 || maximum <= 0)
        return 0;
    const double perStep = double(extent - 12) / maximum;
    return Nearest(position / perStep);
}

int StripStepOfPixel(int pixel, int length, int steps)
{
    if (steps <= 1 || length <= 1)
        return 0;
    const int p = std::clamp(pixel, 0, length - 1);
    // Rounded p * (steps - 1) / (length - 1), in integers.
    return int((static_cast<long long>(p) * (steps - 1) * 2 + (length - 1)) / (2LL * (length - 1)));
}

} // namespace tessaro::controls
