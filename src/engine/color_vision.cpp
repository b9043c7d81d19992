#include "engine/color_vision.h"

#include "engine/apca.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tessaro {

namespace {

using Matrix = std::array<std::array<double, 3>, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1.0, for linear RGB.
constexpr Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                              {0.114503, 0.786281, 0.099216},
                              {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                                {0.280085, 0.672501, 0.047413},
                                {-0.011820, 0.042940, 0.968881}}};
constexpr Matrix kTritanopia{{{1.255528, -0.076749, -0.178779},
                              {-0.078411, 0.930809, 0.147602},
                              {0.004733, 0.691367, 0.303900}}};
// Greyscale keeps the luminance (Rec. 709 weights, as WCAG uses them).
constexpr Matrix kGreyscale{{{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}};

const Matrix* MatrixOf(ColorVision vision)
{
    switch (vision) {
    case ColorVision::Normal: return nullptr;
    case ColorVision::Protanopia: return &kProtanopia;
    case ColorVision::Deuteranopia: return &kDeuteranopia;
    case ColorVision::Tritanopia: return &kTritanopia;
    case ColorVision::Greyscale: return &kGreyscale;
    }
    return nullptr;
}

struct Tables {
    std::array<double, 256> linear{};
    // thresholds[k]: the linear value where byte k + 1 starts to be nearer.
    std::array<double, 255> thresholds{};
};

const Tables& SrgbTables()
{
    static const Tables tables = [] {
        Tables t;
        for (int i = 0; i < 256; ++i) {
            const double c = i / 255.0;
            t.linear[std::size_t(i)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        for (int k = 0; k < 255; ++k) {
            const double c = (k + 0.5) / 255.0;
            t.thresholds[std::size_t(k)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return t;
    }();
    return tables;
}

std::array<std::uint8_t, 3> Apply(const Matrix& m, std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    const auto& lin = SrgbTables().linear;
    const double in[3] = {lin[r], lin[g], lin[b]};
    std::array<std::uint8_t, 3> out{};
    for (std::size_t row = 0; row < 3; ++row)
        out[row] = LinearToSrgb(m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2]);
    return out;
}

} // namespace

double SrgbToLinear(std::uint8_t value)
{
    return SrgbTables().linear[value];
}

std::uint8_t LinearToSrgb(double value)
{
    const auto& thresholds = SrgbTables().thresholds;
    if (!(value > 0))
        return 0;
    // The first threshold above the value is the byte it rounds to.
    return std::uint8_t(std::upper_bound(thresholds.begin(), thresholds.end(), value) - thresholds.begin());
}

double RelativeLuminance(TColor color)
{
    return 0.2126 * SrgbToLinear(RedOf(color)) + 0.7152 * SrgbToLinear(GreenOf(color)) +
           0.0722 * SrgbToLinear(BlueOf(color));
}

double ContrastRatio(TColor a, TColor b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsLargeText(int points, bool bold)
{
    return points >= 18 || (bold && points >= 14);
}

ContrastVerdict JudgeContrast(TColor text, TColor backdrop, bool large)
{
    ContrastVerdict verdict;
    verdict.ratio = ContrastRatio(text, backdrop);
    verdict.large = large;
    verdict.passesAA = verdict.ratio >= (large ? 3.0 : 4.5);
    verdict.passesAAA = verdict.ratio >= (large ? 4.5 : 7.0);
    verdict.apcaLc = ApcaContrast(text, backdrop);
    return verdict;
}

std::string ContrastRatioText(double ratio)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f:1", ratio);
    return text;
}

std::string ContrastVerdictText(const ContrastVerdict& verdict)
{
    std::string text = "Contrast " + ContrastRatioText(verdict.ratio);
    if (verdict.large)
        text += " large text";
    text += verdict.passesAA ? ", AA pass" : ", AA fail";
    text += verdict.passesAAA ? ", AAA pass" : ", AAA fail";
    return text;
}

std::string ContrastVerdictWithApcaText(const ContrastVerdict& verdict)
{
    return ContrastVerdictText(verdict) + ", APCA Lc " + ApcaContrastText(verdict.apcaLc) + " (" +
           ApcaLevelReading(verdict.apcaLc) + ")";
}

std::string_view ColorVisionName(ColorVision vision)
{
    switch (vision) {
    case ColorVision::Normal: return "normal";
    case ColorVision::Protanopia: return "protanopia";
    case ColorVision::Deuteranopia: return "deuteranopia";
    case ColorVision::Tritanopia: return "tritanopia";
    case ColorVision::Greyscale: return "greyscale";
    }
    return "normal";
}

std::optional<ColorVision> ColorVisionNamed(std::string_view name)
{
    for (ColorVision vision : kColorVisions)
        if (ColorVisionName(vision) == name)
            return vision;
    return std::nullopt;
}

TColor SimulateColorVision(TColor color, ColorVision vision)
{
    const Matrix* m = MatrixOf(vision);
    if (!m)
        return color;
    const auto out = Apply(*m, RedOf(color), GreenOf(color), BlueOf(color));
    return MakeColor(out[0], out[1], out[2]);
}

void SimulateColorVisionPixels(std::span<std::uint32_t> argbPixels, ColorVision vision)
{
    const Matrix* m = MatrixOf(vision);
    if (!m)
        return;
    // Pictures of a layout hold long runs of one colour: the last result is
    // reused while the colour stays the same.
    std::uint32_t lastIn = 0, lastOut = 0;
    bool haveLast = false;
    for (std::uint32_t& pixel : argbPixels) {
        const std::uint32_t rgb = pixel & 0xFFFFFFu;
        if (!haveLast || rgb != lastIn) {
            const auto out = Apply(*m, std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb));
            lastIn = rgb;
            lastOut = (std::uint32_t(out[0]) << 16) | (std::uint32_t(out[1]) << 8) | out[2];
            haveLast = true;
        }
        pixel = (pixel & 0xFF000000u) | lastOut;
    }
}

} // namespace tessaro
