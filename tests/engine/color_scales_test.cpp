// Tonal and contrast scales, OKLCH harmonies and contrast fixes, checked by
// what they promise: the lightness steps, the targets met and met nearest,
// the hue offsets.
#include "engine/color_scales.h"

#include "engine/color_vision.h"
#include "engine/gamut_map.h"
#include "engine/perceptual.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace tessaro {
namespace {

double HueDistance(double a, double b)
{
    const double d = std::fmod(std::abs(a - b), 360);
    return std::min(d, 360 - d);
}

TEST(TonalScale, ElevenStepsDarkeningAtTheTargetLightness)
{
    for (const TColor main : {MakeColor(0x7F, 0xD4, 0x6E), MakeColor(0x25, 0x63, 0xEB), MakeColor(0xFF, 0, 0),
                              MakeColor(0xFE, 0xF0, 0x8A), MakeColor(0x1E, 0x10, 0x30)}) {
        const TonalScale scale = MakeTonalScale(main);
        ASSERT_EQ(scale.steps.size(), 11u);
        const char* names[] = {"50", "100", "200", "300", "400", "500", "600", "700", "800", "900", "950"};
        const OkLch mainLch = ColorToOkLch(main);
        double previous = 2;
        for (std::size_t i = 0; i < 11; ++i) {
            EXPECT_EQ(scale.steps[i].name, names[i]);
            ASSERT_TRUE(scale.steps[i].color);
            const OkLch step = ColorToOkLch(*scale.steps[i].color);
            // Gamut mapping may move a colour by the just-noticeable deltaE-OK 0.02.
            EXPECT_NEAR(step.l, TonalLightnessTargets()[i], 0.021);
            EXPECT_LT(step.l, previous);
            previous = step.l;
            EXPECT_LE(step.c, mainLch.c + 0.01);
            EXPECT_LT(HueDistance(step.h, mainLch.h) * std::numbers::pi / 180 * step.c, 0.021) << i;
        }
        // The marked step is the one whose lightness target lies nearest.
        for (std::size_t i = 0; i < 11; ++i)
            EXPECT_LE(std::abs(TonalLightnessTargets()[scale.nearest] - mainLch.l),
                      std::abs(TonalLightnessTargets()[i] - mainLch.l));
    }
}

TEST(TonalScale, GreyStaysGreyAndTheTargetsComeFromTheReference)
{
    for (const ScaleSwatch& step : MakeTonalScale(MakeColor(128, 128, 128)).steps) {
        const TColor c = *step.color;
        EXPECT_TRUE(RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c)) << step.name;
    }
    const std::vector<double> targets(TonalLightnessTargets().begin(), TonalLightnessTargets().end());
    EXPECT_EQ(targets, (std::vector<double>{0.977, 0.950, 0.906, 0.841, 0.754, 0.683, 0.598, 0.515, 0.446, 0.395,
                                            0.278}));
    EXPECT_EQ(MakeTonalScale(MakeColor(0x7F, 0xD4, 0x6E)).nearest, 4u);
}

// The first colour meeting the target on the main colour's lightness line,
// scanning from the background's lightness outwards in steps of 0.001, the
// darker way first when the main colour is darker: the bisection's result
// must meet the target with no more contrast than this one.
std::optional<TColor> ScanForTarget(TColor main, TColor background, ContrastMetric metric, double target)
{
    OkLch line = ColorToOkLch(main);
    const double start = std::clamp(ColorToOkLch(background).l, 0.0, 1.0);
    const bool darkerFirst = RelativeLuminance(main) <= RelativeLuminance(background);
    for (const bool darker : {darkerFirst, !darkerFirst}) {
        for (int i = 0; i <= 1001; ++i) {
            line.l = std::clamp(darker ? start - i * 0.001 : start + i * 0.001, 0.0, 1.0);
            const TColor candidate = GamutMapToColor(line);
            if (MeasureContrast(metric, candidate, background) >= target) return candidate;
        }
    }
    return std::nullopt;
}

TEST(ContrastScale, EachTargetMetByTheNearestColour)
{
    std::mt19937 random(99);
    for (int i = 0; i < 60; ++i) {
        const TColor main = random() & 0xFFFFFF;
        const TColor background = i % 3 == 0 ? 0xFFFFFF : i % 3 == 1 ? 0 : (random() & 0xFFFFFF);
        for (const ContrastMetric metric : {ContrastMetric::Wcag, ContrastMetric::Apca}) {
            const std::vector<double> targets = DefaultContrastTargets(metric);
            const std::vector<ScaleSwatch> scale = MakeContrastScale(main, background, metric, targets);
            ASSERT_EQ(scale.size(), targets.size());
            for (std::size_t k = 0; k < targets.size(); ++k) {
                EXPECT_EQ(scale[k].name, ContrastTargetName(targets[k]));
                const std::optional<TColor> scanned = ScanForTarget(main, background, metric, targets[k]);
                ASSERT_EQ(scale[k].color.has_value(), scanned.has_value())
                    << std::hex << main << " on " << background << " target " << targets[k];
                if (!scanned) continue;
                EXPECT_GE(MeasureContrast(metric, *scale[k].color, background), targets[k]);
                EXPECT_LE(MeasureContrast(metric, *scale[k].color, background),
                          MeasureContrast(metric, *scanned, background) + 1e-9)
                    << std::hex << main << " on " << background << " target " << targets[k];
            }
        }
    }
}

TEST(ContrastScale, WorkedExamples)
{
    const TColor green = MakeColor(0x7F, 0xD4, 0x6E);
    const std::vector<double> wcag = {3, 4.5, 7, 10};
    const std::vector<ScaleSwatch> onGrey = MakeContrastScale(green, MakeColor(128, 128, 128), ContrastMetric::Wcag, wcag);
    // Lighter than mid grey cannot give 4.5, so darker is taken; 7 is out of reach.
    ASSERT_TRUE(onGrey[0].color);
    EXPECT_GT(RelativeLuminance(*onGrey[0].color), RelativeLuminance(MakeColor(128, 128, 128)));
    ASSERT_TRUE(onGrey[1].color);
    EXPECT_LT(RelativeLuminance(*onGrey[1].color), RelativeLuminance(MakeColor(128, 128, 128)));
    EXPECT_FALSE(onGrey[2].color);
    EXPECT_FALSE(onGrey[3].color);
    EXPECT_EQ(DefaultContrastTargets(ContrastMetric::Wcag), (std::vector<double>{1.5, 2, 3, 4.5, 7, 10}));
    EXPECT_EQ(DefaultContrastTargets(ContrastMetric::Apca), (std::vector<double>{15, 30, 45, 60, 75, 90}));
    EXPECT_EQ(ContrastTargetName(4.5), "4.5");
    EXPECT_EQ(ContrastTargetName(60), "60");
}

TEST(PerceptualHarmony, MembersAtTheirHueOffsets)
{
    struct Expect {
        PerceptualHarmony harmony;
        std::vector<std::string> names;
        std::vector<int> offsets;
    };
    const Expect expects[] = {
        {PerceptualHarmony::Analogous, {"-30", "main", "+30"}, {-30, 0, 30}},
        {PerceptualHarmony::Complements, {"main", "+180"}, {0, 180}},
        {PerceptualHarmony::SplitComplements, {"main", "+150", "+210"}, {0, 150, 210}},
        {PerceptualHarmony::Triad, {"main", "+120", "+240"}, {0, 120, 240}},
        {PerceptualHarmony::Tetrad, {"main", "+60", "+180", "+240"}, {0, 60, 180, 240}},
        {PerceptualHarmony::Square, {"main", "+90", "+180", "+270"}, {0, 90, 180, 270}},
    };
    // A muted colour whose members all lie inside sRGB keep their lightness,
    // chroma and hue offset (to the rounding of bytes).
    const TColor main = MakeColor(0xA0, 0x80, 0x70);
    const OkLch base = ColorToOkLch(main);
    for (const Expect& e : expects) {
        EXPECT_EQ(PerceptualHarmonyNamed(PerceptualHarmonyName(e.harmony)), e.harmony);
        const std::vector<ScaleSwatch> members = MakePerceptualHarmony(main, e.harmony);
        ASSERT_EQ(members.size(), e.names.size());
        for (std::size_t i = 0; i < members.size(); ++i) {
            EXPECT_EQ(members[i].name, e.names[i]);
            const OkLch member = ColorToOkLch(*members[i].color);
            EXPECT_NEAR(member.l, base.l, 0.004);
            EXPECT_NEAR(member.c, base.c, 0.004);
            EXPECT_LT(HueDistance(member.h, base.h + e.offsets[i]), 2.5);
        }
    }
    EXPECT_EQ(MakePerceptualHarmony(main, PerceptualHarmony::Triad)[0].color, main);
    EXPECT_EQ(PerceptualHarmonyNamed("pentad"), std::nullopt);
}

TEST(ContrastFix, PassingTextNeedsNone)
{
    EXPECT_EQ(SuggestContrastFix(0, 0xFFFFFF, false), std::nullopt);
    EXPECT_EQ(SuggestContrastFix(0x767676, 0xFFFFFF, false), std::nullopt);  // 4.54
    EXPECT_EQ(SuggestContrastFix(0x777777, 0xFFFFFF, true), std::nullopt);   // 4.48, large
    EXPECT_EQ(WcagAaTarget(false), 4.5);
    EXPECT_EQ(WcagAaTarget(true), 3);
}

TEST(ContrastFix, TheLeastLightnessMoveThatPasses)
{
    EXPECT_EQ(SuggestContrastFix(0x777777, 0xFFFFFF, false), 0x767676);
    std::mt19937 random(5);
    int fixes = 0;
    for (int i = 0; i < 400; ++i) {
        const TColor text = random() & 0xFFFFFF;
        const TColor background = random() & 0xFFFFFF;
        const bool large = i % 2 == 1;
        const std::optional<TColor> fix = SuggestContrastFix(text, background, large);
        if (ContrastRatio(text, background) >= WcagAaTarget(large)) {
            EXPECT_EQ(fix, std::nullopt);
            continue;
        }
        ASSERT_TRUE(fix);
        ++fixes;
        EXPECT_GE(ContrastRatio(*fix, background), WcagAaTarget(large));
        // Its hue is kept, up to what gamut mapping (deltaE-OK 0.02) and
        // rounding to bytes may move.
        const OkLch original = ColorToOkLch(text);
        const OkLch fixed = ColorToOkLch(*fix);
        EXPECT_LT(HueDistance(fixed.h, original.h) * std::numbers::pi / 180 * fixed.c, 0.025);
        // No lightness on the text's line nearer its own passes: a scan in
        // steps of 0.001 both ways finds its first pass no nearer (allowing
        // the 0.02 gamut mapping may move a colour's lightness).
        OkLch line = original;
        double scannedMove = 2;
        for (int step = 1; step <= 1000 && scannedMove > 1; ++step) {
            for (const double sign : {-1.0, 1.0}) {
                line.l = original.l + sign * step * 0.001;
                if (line.l < 0 || line.l > 1) continue;
                if (ContrastRatio(GamutMapToColor(line), background) >= WcagAaTarget(large))
                    scannedMove = std::min(scannedMove, step * 0.001);
            }
        }
        EXPECT_LE(std::abs(fixed.l - original.l), scannedMove + 0.021)
            << std::hex << text << " on " << background;
    }
    EXPECT_GT(fixes, 100);
}

} // namespace
} // namespace tessaro
