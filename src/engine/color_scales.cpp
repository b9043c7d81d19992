#include "engine/color_scales.h"

#include "engine/apca.h"
#include "engine/color_vision.h"
#include "engine/gamut_map.h"
#include "engine/perceptual.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace tessaro {

namespace {

// The tonal steps and their OKLCH lightness: the mean, per step, over the
// seventeen chromatic palettes of Tailwind CSS v4's default palette (red
// to rose), to 0.1 %.
constexpr std::array<const char*, 11> kTonalStepNames = {"50",  "100", "200", "300", "400", "500",
                                                         "600", "700", "800", "900", "950"};
constexpr std::array<double, 11> kTonalLightness = {0.977, 0.950, 0.906, 0.841, 0.754, 0.683,
                                                    0.598, 0.515, 0.446, 0.395, 0.278};
// The same palettes' chroma per step relative to each palette's largest,
// averaged: light and dark ends carry less chroma than the middle.
constexpr std::array<double, 11> kTonalChromaShare = {0.082, 0.198, 0.380, 0.628, 0.860, 0.950,
                                                      0.931, 0.814, 0.670, 0.538, 0.380};

// The chroma share at any lightness, linear between the steps, held at the
// end values beyond them.
double ChromaShareAt(double lightness)
{
    if (lightness >= kTonalLightness.front()) return kTonalChromaShare.front();
    if (lightness <= kTonalLightness.back()) return kTonalChromaShare.back();
    for (std::size_t i = 1; i < kTonalLightness.size(); ++i) {
        if (lightness >= kTonalLightness[i]) {
            const double t = (lightness - kTonalLightness[i]) / (kTonalLightness[i - 1] - kTonalLightness[i]);
            return kTonalChromaShare[i] + t * (kTonalChromaShare[i - 1] - kTonalChromaShare[i]);
        }
    }
    return kTonalChromaShare.back();
}

TColor AtLightness(OkLch base, double lightness)
{
    base.l = lightness;
    return GamutMapToColor(base);
}

// The lightness between `from` and `to` nearest `from` whose colour passes,
// for a test that fails at `from`, passes at `to` and changes once between
// them. Bisects to below a byte's worth of lightness and returns the
// passing end.
TColor NearestPassing(OkLch base, double from, double to, const auto& passes)
{
    double failing = from;
    double passing = to;
    TColor result = AtLightness(base, to);
    for (int i = 0; i < 40 && std::abs(passing - failing) > 1e-7; ++i) {
        const double middle = (failing + passing) / 2;
        const TColor candidate = AtLightness(base, middle);
        if (passes(candidate)) {
            passing = middle;
            result = candidate;
        } else {
            failing = middle;
        }
    }
    return result;
}

// The colour of `base`'s hue and chroma meeting `passes` whose lightness
// lies nearest `from`, searched towards black (darker) or white; nullopt
// when even black or white does not pass.
std::optional<TColor> SearchTowards(OkLch base, double from, bool darker, const auto& passes)
{
    const double end = darker ? 0.0 : 1.0;
    if (!passes(AtLightness(base, end)))
        return std::nullopt;
    if (passes(AtLightness(base, from)))
        return AtLightness(base, from);
    return NearestPassing(base, from, end, passes);
}

} // namespace

std::span<const double> TonalLightnessTargets() { return kTonalLightness; }

// Each step keeps the main colour's chroma where the reference palettes
// carry at least as much chroma as at the main colour's lightness, and
// scales it down in proportion where they carry less, so that a pale or a
// dark main colour gives a scale as muted as itself and a grey stays grey.
TonalScale MakeTonalScale(TColor main)
{
    const OkLch mainLch = ColorToOkLch(main);
    const double mainShare = ChromaShareAt(mainLch.l);
    TonalScale scale;
    double nearestDistance = 2;
    for (std::size_t i = 0; i < kTonalLightness.size(); ++i) {
        const double factor = std::min(1.0, kTonalChromaShare[i] / mainShare);
        const OkLch step{kTonalLightness[i], mainLch.c * factor, mainLch.h};
        scale.steps.push_back({kTonalStepNames[i], GamutMapToColor(step)});
        const double distance = std::abs(kTonalLightness[i] - mainLch.l);
        if (distance < nearestDistance) {
            nearestDistance = distance;
            scale.nearest = i;
        }
    }
    return scale;
}

double MeasureContrast(ContrastMetric metric, TColor color, TColor background)
{
    return metric == ContrastMetric::Wcag ? ContrastRatio(color, background)
                                          : std::abs(ApcaContrast(color, background));
}

std::vector<double> DefaultContrastTargets(ContrastMetric metric)
{
    if (metric == ContrastMetric::Wcag)
        return {1.5, 2, 3, 4.5, 7, 10};
    return {15, 30, 45, 60, 75, 90};
}

std::string ContrastTargetName(double target)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", target);
    return text;
}

std::optional<TColor> ContrastTargetColor(TColor main, TColor background, ContrastMetric metric, double target)
{
    const OkLch base = ColorToOkLch(main);
    const double backgroundLightness = ColorToOkLch(background).l;
    const auto meets = [&](TColor candidate) { return MeasureContrast(metric, candidate, background) >= target; };
    const bool darker = RelativeLuminance(main) <= RelativeLuminance(background);
    if (auto found = SearchTowards(base, backgroundLightness, darker, meets))
        return found;
    return SearchTowards(base, backgroundLightness, !darker, meets);
}

std::vector<ScaleSwatch> MakeContrastScale(TColor main, TColor background, ContrastMetric metric,
                                           std::span<const double> targets)
{
    std::vector<ScaleSwatch> swatches;
    for (const double target : targets)
        swatches.push_back({ContrastTargetName(target), ContrastTargetColor(main, background, metric, target)});
    return swatches;
}

namespace {

struct HarmonyDefinition {
    PerceptualHarmony harmony;
    const char* name;
    std::vector<int> offsets;
};

const std::array<HarmonyDefinition, 6>& HarmonyDefinitions()
{
    static const std::array<HarmonyDefinition, 6> definitions = {{
        {PerceptualHarmony::Analogous, "analogous", {-30, 0, 30}},
        {PerceptualHarmony::Complements, "complements", {0, 180}},
        {PerceptualHarmony::SplitComplements, "split-complements", {0, 150, 210}},
        {PerceptualHarmony::Triad, "triad", {0, 120, 240}},
        {PerceptualHarmony::Tetrad, "tetrad", {0, 60, 180, 240}},
        {PerceptualHarmony::Square, "square", {0, 90, 180, 270}},
    }};
    return definitions;
}

std::string OffsetName(int offset)
{
    if (offset == 0) return "main";
    return (offset > 0 ? "+" : "") + std::to_string(offset);
}

} // namespace

const char* PerceptualHarmonyName(PerceptualHarmony harmony)
{
    for (const HarmonyDefinition& definition : HarmonyDefinitions())
        if (definition.harmony == harmony) return definition.name;
    return "";
}

std::optional<PerceptualHarmony> PerceptualHarmonyNamed(std::string_view name)
{
    for (const HarmonyDefinition& definition : HarmonyDefinitions())
        if (name == definition.name) return definition.harmony;
    return std::nullopt;
}

std::vector<ScaleSwatch> MakePerceptualHarmony(TColor main, PerceptualHarmony harmony)
{
    const OkLch base = ColorToOkLch(main);
    std::vector<ScaleSwatch> swatches;
    for (const HarmonyDefinition& definition : HarmonyDefinitions()) {
        if (definition.harmony != harmony) continue;
        for (const int offset : definition.offsets) {
            // The main colour itself stays as it is, not re-rounded.
            if (offset == 0) {
                swatches.push_back({OffsetName(offset), main});
                continue;
            }
            OkLch member = base;
            member.h = std::fmod(base.h + offset + 360, 360);
            swatches.push_back({OffsetName(offset), GamutMapToColor(member)});
        }
    }
    return swatches;
}

double WcagAaTarget(bool largeText) { return largeText ? 3 : 4.5; }

std::optional<TColor> SuggestContrastFix(TColor text, TColor background, bool largeText)
{
    const double target = WcagAaTarget(largeText);
    const auto passes = [&](TColor candidate) { return ContrastRatio(candidate, background) >= target; };
    if (passes(text))
        return std::nullopt;
    const OkLch base = ColorToOkLch(text);
    const double backgroundLightness = ColorToOkLch(background).l;
    // Darker: from the text's own lightness, or from the background's when
    // the text is lighter than it. Lighter: the other way round.
    const double darkFrom = std::min(base.l, backgroundLightness);
    const double lightFrom = std::max(base.l, backgroundLightness);
    const std::optional<TColor> darker = SearchTowards(base, darkFrom, true, passes);
    const std::optional<TColor> lighter = SearchTowards(base, lightFrom, false, passes);
    if (!darker) return lighter;
    if (!lighter) return darker;
    const double darkMove = std::abs(ColorToOkLch(*darker).l - base.l);
    const double lightMove = std::abs(ColorToOkLch(*lighter).l - base.l);
    return darkMove <= lightMove ? darker : lighter;
}

} // namespace tessaro
