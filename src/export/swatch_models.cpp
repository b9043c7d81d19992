#include "export/swatch_models.h"

#include <algorithm>
#include <cmath>

namespace tessaro::exporting {

namespace {

std::uint8_t Channel(double value)
{
    if (!(value > 0))  // also NaN
        return 0;
    return std::uint8_t(std::nearbyint(std::min(value, 1.0) * 255.0));
}

TColor FromUnit(double red, double green, double blue)
{
    return MakeColor(Channel(red), Channel(green), Channel(blue));
}

double Clamped(double value)
{
    return std::isfinite(value) ? std::clamp(value, 0.0, 1.0) : 0.0;
}

double SrgbCurve(double linear)
{
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

std::string Count(int n, const char* what)
{
    return std::to_string(n) + " " + what;
}

} // namespace

TColor GreyToRgb(double level)
{
    const std::uint8_t grey = Channel(level);
    return MakeColor(grey, grey, grey);
}

TColor HsbToRgb(double hue, double saturation, double brightness)
{
    const double s = Clamped(saturation);
    const double v = Clamped(brightness);
    double h = std::isfinite(hue) ? std::fmod(hue, 1.0) : 0.0;
    if (h < 0)
        h += 1.0;
    h *= 6.0;
    const int sector = std::min(int(h), 5);
    const double f = h - sector;
    const double p = v * (1 - s);
    const double q = v * (1 - s * f);
    const double t = v * (1 - s * (1 - f));
    switch (sector) {
    case 0: return FromUnit(v, t, p);
    case 1: return FromUnit(q, v, p);
    case 2: return FromUnit(p, v, t);
    case 3: return FromUnit(p, q, v);
    case 4: return FromUnit(t, p, v);
    default: return FromUnit(v, p, q);
    }
}

TColor CmykToRgb(double cyan, double magenta, double yellow, double black)
{
    const double white = 1 - Clamped(black);
    return FromUnit((1 - Clamped(cyan)) * white, (1 - Clamped(magenta)) * white, (1 - Clamped(yellow)) * white);
}

TColor LabD50ToRgb(double lightness, double a, double b)
{
    if (!std::isfinite(lightness) || !std::isfinite(a) || !std::isfinite(b))
        return 0;
    // CIE L*a*b* to XYZ relative to the D50 white.
    constexpr double kEpsilon = 216.0 / 24389.0;
    constexpr double kKappa = 24389.0 / 27.0;
    const double fy = (lightness + 16) / 116;
    const double fx = fy + a / 500;
    const double fz = fy - b / 200;
    const auto inverse = [&](double f) { return f * f * f > kEpsilon ? f * f * f : (116 * f - 16) / kKappa; };
    const double x = inverse(fx) * 0.96422;
    const double y = lightness > kKappa * kEpsilon ? fy * fy * fy : lightness / kKappa;
    const double z = inverse(fz) * 0.82521;
    // D50 XYZ to linear sRGB, the white adapted by Bradford.
    const double red = 3.1338561 * x - 1.6168667 * y - 0.4906146 * z;
    const double green = -0.9787684 * x + 1.9161415 * y + 0.0334540 * z;
    const double blue = 0.0719453 * x - 0.2289914 * y + 1.4052427 * z;
    return FromUnit(SrgbCurve(Clamped(red)), SrgbCurve(Clamped(green)), SrgbCurve(Clamped(blue)));
}

void SwatchModelTally::skipped(const std::string& model)
{
    ++skipped_;
    if (std::find(skippedModels_.begin(), skippedModels_.end(), model) == skippedModels_.end())
        skippedModels_.push_back(model);
}

bool SwatchModelTally::empty() const
{
    return skipped_ == 0 && std::all_of(converted_.begin(), converted_.end(), [](int n) { return n == 0; });
}

std::string SwatchModelTally::note(const char* format, std::size_t swatches) const
{
    if (empty())
        return {};
    static constexpr const char* kConverted[] = {
        "grey converted exactly",
        "HSB converted exactly",
        "CMYK converted without a colour profile (R = 255*(1-C)*(1-K), likewise G and B)",
        "Lab converted from D50 to sRGB (clipped to sRGB)",
    };
    int notRgb = skipped_;
    std::vector<std::string> parts;
    for (std::size_t i = 0; i < converted_.size(); ++i)
        if (converted_[i] > 0) {
            notRgb += converted_[i];
            parts.push_back(Count(converted_[i], kConverted[i]));
        }
    if (skipped_ > 0) {
        std::string models;
        for (const std::string& model : skippedModels_)
            models += (models.empty() ? "" : ", ") + model;
        parts.push_back(Count(skipped_, "skipped") + " (" + models + ")");
    }
    std::string text = std::string(format) + ": " + std::to_string(notRgb) + " of " + std::to_string(swatches) +
                       (swatches == 1 ? " swatch" : " swatches") + (notRgb == 1 ? " was" : " were") + " not RGB: ";
    for (std::size_t i = 0; i < parts.size(); ++i)
        text += (i == 0 ? "" : ", ") + parts[i];
    return text;
}

} // namespace tessaro::exporting
