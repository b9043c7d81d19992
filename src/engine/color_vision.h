// How readable and how distinguishable colours are: the WCAG 2.x contrast
// ratio with its AA and AAA verdicts, and the simulation of colour-vision
// deficiencies (Machado, Oliveira and Fernandes 2009, full severity) and of
// greyscale, both worked in linear RGB. Plain arithmetic on colour values,
// shared by the test area, the web page test and tessaro-cli.
#pragma once

#include "engine/color.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessaro {

// An sRGB byte to its linear-light value in 0..1 (the sRGB transfer curve).
double SrgbToLinear(std::uint8_t value);
// A linear-light value (clamped to 0..1) to the nearest sRGB byte.
std::uint8_t LinearToSrgb(double value);

// The WCAG 2.x relative luminance, 0 (black) .. 1 (white).
double RelativeLuminance(TColor color);
// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(TColor a, TColor b);

// Large text is at least 18 points, or at least 14 points when bold.
bool IsLargeText(int points, bool bold);

struct ContrastVerdict {
    double ratio = 1;
    bool large = false;
    bool passesAA = false;   // 4.5, or 3 for large text
    bool passesAAA = false;  // 7, or 4.5 for large text
    double apcaLc = 0;       // APCA Lc of the text on the backdrop, signed
    friend bool operator==(const ContrastVerdict&, const ContrastVerdict&) = default;
};
ContrastVerdict JudgeContrast(TColor text, TColor backdrop, bool large);

// The ratio to two decimals, "4.48:1".
std::string ContrastRatioText(double ratio);
// "Contrast 4.48:1, AA fail, AAA fail" (with "large text" after the ratio
// for large text).
std::string ContrastVerdictText(const ContrastVerdict& verdict);
// The same with the APCA Lc and the use APCA's levels allow beside it:
// "Contrast 4.48:1, AA fail, AAA fail, APCA Lc 71.1 (content text)".
std::string ContrastVerdictWithApcaText(const ContrastVerdict& verdict);

enum class ColorVision { Normal, Protanopia, Deuteranopia, Tritanopia, Greyscale };

inline constexpr std::array<ColorVision, 5> kColorVisions{ColorVision::Normal, ColorVision::Protanopia,
                                                          ColorVision::Deuteranopia, ColorVision::Tritanopia,
                                                          ColorVision::Greyscale};
// "normal", "protanopia", "deuteranopia", "tritanopia", "greyscale".
std::string_view ColorVisionName(ColorVision vision);
std::optional<ColorVision> ColorVisionNamed(std::string_view name);

// The colour as a reader with that colour vision sees it.
TColor SimulateColorVision(TColor color, ColorVision vision);

// The same for many pixels at once, in place: 0xAARRGGBB words (the byte
// order of 32-bit image buffers), alpha kept. Faster than one call a pixel.
void SimulateColorVisionPixels(std::span<std::uint32_t> argbPixels, ColorVision vision);

} // namespace tessaro
