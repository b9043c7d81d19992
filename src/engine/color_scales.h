// Scales and suggestions built in OKLCH: the tonal scale, scales aimed at
// contrast targets against a background, hue harmonies, and the nearest
// colour that makes text readable. Every colour is gamut-mapped into sRGB
// bytes; contrast is always measured on those bytes.
#pragma once

#include "engine/color.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

struct ScaleSwatch {
    std::string name;             // "500", "4.5", "+180" ...
    std::optional<TColor> color;  // nullopt: the target cannot be reached
};

// ---- Tonal scale
// Eleven steps 50, 100 .. 900, 950 at the OKLCH lightness of Tailwind CSS
// v4's default palette, the main colour's hue, chroma following the main
// colour (see the .cpp).
struct TonalScale {
    std::vector<ScaleSwatch> steps;  // always eleven, every colour set
    std::size_t nearest = 0;         // index of the step nearest the main colour
};
TonalScale MakeTonalScale(TColor main);
// The lightness targets, in step order.
std::span<const double> TonalLightnessTargets();

// ---- Contrast scale
enum class ContrastMetric { Wcag, Apca };
// WCAG 2 ratio, or APCA |Lc| of the colour as text on the background.
double MeasureContrast(ContrastMetric metric, TColor color, TColor background);
// 1.5, 2, 3, 4.5, 7, 10 or 15, 30, 45, 60, 75, 90.
std::vector<double> DefaultContrastTargets(ContrastMetric metric);
// The target as written in a swatch name: "4.5", "60".
std::string ContrastTargetName(double target);

// For one target: the colour of the main colour's OKLCH hue and chroma
// whose contrast with the background is the smallest that meets the target
// (searched on OKLCH lightness, darker than the background when the main
// colour is darker, else lighter, the other way when that way cannot reach
// it); nullopt when neither way can.
std::optional<TColor> ContrastTargetColor(TColor main, TColor background, ContrastMetric metric, double target);
std::vector<ScaleSwatch> MakeContrastScale(TColor main, TColor background, ContrastMetric metric,
                                           std::span<const double> targets);

// ---- OKLCH harmonies: the main colour and the members at these hue
// offsets, at the main colour's OKLCH lightness and chroma, in this order
// (the same sets and order as the HSL harmonies).
enum class PerceptualHarmony { Analogous, Complements, SplitComplements, Triad, Tetrad, Square };
// "analogous", "complements", "split-complements", "triad", "tetrad", "square".
const char* PerceptualHarmonyName(PerceptualHarmony harmony);
std::optional<PerceptualHarmony> PerceptualHarmonyNamed(std::string_view name);
// Analogous -30, 0, +30; complements 0, +180; split complements 0, +150,
// +210; triad 0, +120, +240; tetrad 0, +60, +180, +240; square 0, +90,
// +180, +270. Swatch names "main", "+30", "-30" ...
std::vector<ScaleSwatch> MakePerceptualHarmony(TColor main, PerceptualHarmony harmony);

// ---- Contrast fix
// The WCAG AA ratio text needs: 4.5, or 3 for large text.
double WcagAaTarget(bool largeText);
// nullopt when the text already passes AA on the background; otherwise the
// colour of the text's own OKLCH hue and chroma whose lightness is moved
// the least to pass. (Black or white reaches 4.5 on any background, so a
// failing text always gets a suggestion.)
std::optional<TColor> SuggestContrastFix(TColor text, TColor background, bool largeText);

} // namespace tessaro
