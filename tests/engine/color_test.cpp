// RGB/HSL conversions, hue turns, websafe rules and the adjust steps.
#include "engine/color.h"

#include "engine/engine_printers.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <climits>
#include <cmath>

namespace tessaro {
namespace {

struct RgbToHslCase {
    const char* name;
    RgbTriple rgb;
    HslTriple hsl;
};

class RgbToHslTest : public testing::TestWithParam<RgbToHslCase> {};

TEST_P(RgbToHslTest, GivesTheWorkedValues)
{
    EXPECT_EQ(RgbToHsl(GetParam().rgb), GetParam().hsl);
}

INSTANTIATE_TEST_SUITE_P(Worked, RgbToHslTest, testing::Values(
    RgbToHslCase{"HueJustBelow360RoundsTo360", {255, 0, 1}, {360, 100, 50}},
    RgbToHslCase{"White", {255, 255, 255}, {0, 0, 100}},
    RgbToHslCase{"Black", {0, 0, 0}, {0, 0, 0}},
    RgbToHslCase{"MidGrey", {128, 128, 128}, {0, 0, 50}},
    RgbToHslCase{"LightGrey", {200, 200, 200}, {0, 0, 78}},
    RgbToHslCase{"Rust", {200, 100, 50}, {20, 60, 49}},
    RgbToHslCase{"Orange", {255, 128, 0}, {30, 100, 50}},
    RgbToHslCase{"RedGreenTieIsYellow", {255, 255, 0}, {60, 100, 50}},
    RgbToHslCase{"GreenBlueTieIsCyan", {0, 255, 255}, {180, 100, 50}},
    RgbToHslCase{"RedBlueTieIsMagenta", {255, 0, 255}, {300, 100, 50}},
    RgbToHslCase{"BlueMax", {0, 51, 102}, {210, 100, 20}},
    RgbToHslCase{"DarkUsesLowerSaturationFormula", {25, 0, 0}, {0, 100, 5}},
    RgbToHslCase{"LightUsesUpperSaturationFormula", {255, 230, 230}, {0, 100, 95}},
    RgbToHslCase{"Green", {127, 212, 110}, {110, 54, 63}}),
    [](const auto& info) { return std::string(info.param.name); });

struct HslToRgbCase {
    const char* name;
    HslTriple hsl;
    RgbTriple rgb;
};

class HslToRgbTest : public testing::TestWithParam<HslToRgbCase> {};

TEST_P(HslToRgbTest, GivesTheWorkedValues)
{
    const HslTriple& hsl = GetParam().hsl;
    EXPECT_EQ(HslToRgb(hsl.hue, hsl.saturation, hsl.lightness), GetParam().rgb);
}

INSTANTIATE_TEST_SUITE_P(Worked, HslToRgbTest, testing::Values(
    // Exact halves go to the even neighbour.
    HslToRgbCase{"Half127_5RoundsUpTo128", {0, 100, 75}, {255, 128, 128}},
    HslToRgbCase{"Half8_5RoundsDownTo8", {2, 100, 50}, {255, 8, 0}},
    HslToRgbCase{"Half25_5RoundsUpTo26", {6, 100, 50}, {255, 26, 0}},
    HslToRgbCase{"Half127_5OnTheRampGives128", {30, 100, 50}, {255, 128, 0}},
    HslToRgbCase{"SaturationZeroIsMidGrey", {0, 0, 50}, {128, 128, 128}},
    HslToRgbCase{"Half191_5RoundsUpTo192", {0, 0, 75}, {192, 192, 192}},
    HslToRgbCase{"HalfSaturation", {0, 50, 50}, {192, 64, 64}},
    HslToRgbCase{"LightnessHundredIsWhite", {0, 0, 100}, {255, 255, 255}},
    HslToRgbCase{"LightnessHundredAnyHueIsWhite", {217, 40, 100}, {255, 255, 255}},
    HslToRgbCase{"LightnessZeroIsBlack", {0, 100, 0}, {0, 0, 0}},
    HslToRgbCase{"LightnessZeroAnyHueIsBlack", {200, 37, 0}, {0, 0, 0}},
    HslToRgbCase{"LightnessZeroHue359IsBlack", {359, 0, 0}, {0, 0, 0}},
    HslToRgbCase{"Yellow", {60, 100, 50}, {255, 255, 0}},
    HslToRgbCase{"Green", {120, 100, 50}, {0, 255, 0}},
    HslToRgbCase{"Cyan", {180, 100, 50}, {0, 255, 255}},
    HslToRgbCase{"Blue", {240, 100, 50}, {0, 0, 255}},
    HslToRgbCase{"Magenta", {300, 100, 50}, {255, 0, 255}},
    // The first row of the ramp that matches decides.
    HslToRgbCase{"Hue59", {59, 100, 50}, {255, 251, 0}},
    HslToRgbCase{"Hue61", {61, 100, 50}, {251, 255, 0}},
    HslToRgbCase{"Hue121", {121, 100, 50}, {0, 255, 4}},
    HslToRgbCase{"Hue181", {181, 100, 50}, {0, 251, 255}},
    HslToRgbCase{"Hue241", {241, 100, 50}, {4, 0, 255}},
    HslToRgbCase{"Hue301", {301, 100, 50}, {255, 0, 251}},
    HslToRgbCase{"Hue359", {359, 100, 50}, {255, 0, 4}},
    HslToRgbCase{"PaletteWheelOneOfRust", {50, 60, 49}, {200, 174, 50}},
    HslToRgbCase{"DarkLowSaturation", {121, 33, 20}, {34, 68, 35}},
    // Out of range gives black.
    HslToRgbCase{"Hue360IsBlack", {360, 100, 50}, {0, 0, 0}},
    HslToRgbCase{"NegativeHueIsBlack", {-1, 100, 50}, {0, 0, 0}},
    HslToRgbCase{"Saturation101IsBlack", {0, 101, 50}, {0, 0, 0}},
    HslToRgbCase{"NegativeSaturationIsBlack", {0, -1, 50}, {0, 0, 0}},
    HslToRgbCase{"Lightness101IsBlack", {0, 50, 101}, {0, 0, 0}},
    HslToRgbCase{"NegativeLightnessIsBlack", {0, 50, -1}, {0, 0, 0}},
    HslToRgbCase{"HugeValuesAreBlack", {2147483647, -2147483647 - 1, 2147483647}, {0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RoundingTest, NearestTakesHalvesToTheEvenNeighbour)
{
    ASSERT_EQ(std::fegetround(), FE_TONEAREST);
    EXPECT_EQ(Nearest(8.5), 8);
    EXPECT_EQ(Nearest(25.5), 26);
    EXPECT_EQ(Nearest(127.5), 128);
    EXPECT_EQ(Nearest(0.5), 0);
    EXPECT_EQ(Nearest(8.500001), 9);
    EXPECT_EQ(Nearest(-0.5), 0);
}

TEST(RoundingTest, NearestHoldsValuesBeyondIntAtItsLimits)
{
    EXPECT_EQ(Nearest(2147483647.0), INT_MAX);
    EXPECT_EQ(Nearest(1e300), INT_MAX);
    EXPECT_EQ(Nearest(-2147483648.0), INT_MIN);
    EXPECT_EQ(Nearest(-1e300), INT_MIN);
    EXPECT_EQ(Nearest(std::nan("")), INT_MIN);
}

TEST(RoundingTest, UnitHslIsTheCommonFirstStepOfRgbToHsl)
{
    const UnitHsl u = RgbToUnitHsl({200, 100, 50});
    EXPECT_DOUBLE_EQ(u.hue, 1.0 / 18);
    EXPECT_DOUBLE_EQ(u.saturation, 0.6);
    EXPECT_DOUBLE_EQ(u.lightness, 0.5 * 250 / 255);
    EXPECT_EQ(RgbToHsl({200, 100, 50}), (HslTriple{20, 60, 49}));
}

TEST(ConversionTest, LightnessEndsAreWhiteAndBlackForEveryHueAndSaturation)
{
    for (int h = 0; h < 360; ++h)
        for (int s = 0; s <= 100; ++s) {
            ASSERT_EQ(HslToRgb(h, s, 100), (RgbTriple{255, 255, 255})) << h << "," << s;
            ASSERT_EQ(HslToRgb(h, s, 0), (RgbTriple{0, 0, 0})) << h << "," << s;
        }
}

TEST(ConversionTest, RgbToHslStaysInRangeForEveryColour)
{
    for (int r = 0; r < 256; r += 3)
        for (int g = 0; g < 256; g += 5)
            for (int b = 0; b < 256; ++b) {
                const HslTriple hsl = RgbToHsl({std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)});
                ASSERT_GE(hsl.hue, 0);
                ASSERT_LE(hsl.hue, 360);
                ASSERT_GE(hsl.saturation, 0);
                ASSERT_LE(hsl.saturation, 100);
                ASSERT_GE(hsl.lightness, 0);
                ASSERT_LE(hsl.lightness, 100);
                if (r == g && g == b) {
                    ASSERT_EQ(hsl.hue, 0);
                    ASSERT_EQ(hsl.saturation, 0);
                }
            }
}

struct ShiftHueCase {
    const char* name;
    int hue;
    int offset;
    int result;
};

class ShiftHueTest : public testing::TestWithParam<ShiftHueCase> {};

TEST_P(ShiftHueTest, TurnsAndWraps)
{
    EXPECT_EQ(ShiftHue(GetParam().hue, GetParam().offset), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Table, ShiftHueTest, testing::Values(
    ShiftHueCase{"ZeroStays", 0, 0, 0},
    ShiftHueCase{"Hue360WithoutOffsetIsZero", 360, 0, 0},
    ShiftHueCase{"Hue360Plus30Is30", 360, 30, 30},
    ShiftHueCase{"ExactlyFullTurnIsZero", 330, 30, 0},
    ShiftHueCase{"OffsetReachingFullTurnIsZero", 30, 330, 0},
    ShiftHueCase{"WrapsPastFullTurn", 350, 30, 20},
    ShiftHueCase{"HalfTurnFrom181", 181, 180, 1},
    ShiftHueCase{"HalfTurnFrom180", 180, 180, 0},
    ShiftHueCase{"LargestOffset", 359, 330, 329},
    ShiftHueCase{"Hue360LargestOffset", 360, 330, 330},
    ShiftHueCase{"NoWrapBelowFullTurn", 20, 150, 170}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WebsafeTest, IsWebsafeWhenEveryChannelIsAMultipleOf51)
{
    EXPECT_TRUE(IsWebsafe(MakeColor(51, 102, 204)));
    EXPECT_FALSE(IsWebsafe(MakeColor(51, 102, 205)));
    EXPECT_FALSE(IsWebsafe(MakeColor(52, 102, 204)));
    EXPECT_FALSE(IsWebsafe(MakeColor(51, 101, 204)));
    EXPECT_TRUE(IsWebsafe(MakeColor(0, 0, 0)));
    EXPECT_TRUE(IsWebsafe(MakeColor(255, 153, 0)));
    int safeValues = 0;
    for (int c = 0; c < 256; ++c)
        safeValues += IsWebsafe(MakeColor(std::uint8_t(c), 0, 0)) ? 1 : 0;
    EXPECT_EQ(safeValues, 6);
}

struct SnapCase {
    int channel;
    int snapped;
};

class SnapToWebsafeTest : public testing::TestWithParam<SnapCase> {};

TEST_P(SnapToWebsafeTest, SnapsEachChannelByTheBounds)
{
    const auto c = std::uint8_t(GetParam().channel);
    const auto s = std::uint8_t(GetParam().snapped);
    EXPECT_EQ(SnapToWebsafe({c, 0, 255}), (RgbTriple{s, 0, 255}));
    EXPECT_EQ(SnapToWebsafe({0, c, 255}), (RgbTriple{0, s, 255}));
    EXPECT_EQ(SnapToWebsafe({255, 0, c}), (RgbTriple{255, 0, s}));
}

INSTANTIATE_TEST_SUITE_P(Bounds, SnapToWebsafeTest, testing::Values(
    SnapCase{0, 0}, SnapCase{25, 0}, SnapCase{26, 51}, SnapCase{51, 51}, SnapCase{76, 51},
    SnapCase{77, 102}, SnapCase{127, 102}, SnapCase{128, 153}, SnapCase{178, 153}, SnapCase{179, 204},
    SnapCase{229, 204}, SnapCase{230, 255}, SnapCase{255, 255}),
    [](const auto& info) {
        return "Channel" + std::to_string(info.param.channel) + "To" + std::to_string(info.param.snapped);
    });

TEST(InvertTest, EachChannelBecomes255Minus)
{
    EXPECT_EQ(InvertColor(MakeColor(0, 0, 0)), MakeColor(255, 255, 255));
    EXPECT_EQ(InvertColor(MakeColor(200, 100, 50)), MakeColor(55, 155, 205));
    EXPECT_EQ(InvertColor(0x123456u), 0xEDCBA9u);
}

TEST(RandomColorTest, IsAlwaysAnRgbColour)
{
    for (int i = 0; i < 200; ++i)
        ASSERT_LE(RandomColor(), 0xFFFFFFu);
}

enum class Adjust { Lighten, Darken, Saturate, Desaturate };

struct AdjustCase {
    const char* name;
    RgbTriple rgb;
    Adjust op;
    RgbTriple result;
};

class AdjustTest : public testing::TestWithParam<AdjustCase> {};

TEST_P(AdjustTest, StepsByThirteenAndClamps)
{
    const AdjustCase& c = GetParam();
    RgbTriple result;
    switch (c.op) {
    case Adjust::Lighten: result = AdjustLightness(c.rgb, kAdjustStep); break;
    case Adjust::Darken: result = AdjustLightness(c.rgb, -kAdjustStep); break;
    case Adjust::Saturate: result = AdjustSaturation(c.rgb, kAdjustStep); break;
    case Adjust::Desaturate: result = AdjustSaturation(c.rgb, -kAdjustStep); break;
    }
    EXPECT_EQ(result, c.result);
}

INSTANTIATE_TEST_SUITE_P(Table, AdjustTest, testing::Values(
    // (255, 230, 230) has lightness 95, (25, 0, 0) lightness 5, (242, 13, 13)
    // saturation 90: the sums are clamped to 100 and 0.
    AdjustCase{"LightenFrom95ClampsToWhite", {255, 230, 230}, Adjust::Lighten, {255, 255, 255}},
    AdjustCase{"DarkenFrom5ClampsToBlack", {25, 0, 0}, Adjust::Darken, {0, 0, 0}},
    AdjustCase{"SaturateFrom90ClampsToFull", {242, 13, 13}, Adjust::Saturate, {255, 0, 0}},
    AdjustCase{"DesaturateGreyStaysGrey", {128, 128, 128}, Adjust::Desaturate, {128, 128, 128}},
    AdjustCase{"LightenRust", {200, 100, 50}, Adjust::Lighten, {216, 139, 100}},
    AdjustCase{"DarkenRust", {200, 100, 50}, Adjust::Darken, {147, 73, 37}},
    AdjustCase{"SaturateRust", {200, 100, 50}, Adjust::Saturate, {217, 95, 34}},
    AdjustCase{"DesaturateRust", {200, 100, 50}, Adjust::Desaturate, {184, 106, 67}},
    // Hue 360 is taken as 0: the results are reds, not black.
    AdjustCase{"LightenHue360", {255, 0, 1}, Adjust::Lighten, {255, 66, 66}},
    AdjustCase{"DarkenHue360", {255, 0, 1}, Adjust::Darken, {189, 0, 0}},
    AdjustCase{"SaturateHue360", {255, 0, 1}, Adjust::Saturate, {255, 0, 0}},
    AdjustCase{"DesaturateHue360", {255, 0, 1}, Adjust::Desaturate, {238, 17, 17}},
    AdjustCase{"LightenBlack", {0, 0, 0}, Adjust::Lighten, {33, 33, 33}},
    AdjustCase{"DarkenWhite", {255, 255, 255}, Adjust::Darken, {222, 222, 222}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AdjustTest, PreconditionsOfTheClampRows)
{
    EXPECT_EQ(RgbToHsl({255, 230, 230}).lightness, 95);
    EXPECT_EQ(RgbToHsl({25, 0, 0}).lightness, 5);
    EXPECT_EQ(RgbToHsl({242, 13, 13}).saturation, 90);
}

TEST(AdjustTest, LightenOnLightness95IsWhiteForEveryHue)
{
    for (int h = 0; h < 360; h += 7) {
        const RgbTriple rgb = HslToRgb(h, 100, 95);
        ASSERT_EQ(RgbToHsl(rgb).lightness, 95) << h;
        EXPECT_EQ(AdjustLightness(rgb, kAdjustStep), (RgbTriple{255, 255, 255})) << h;
    }
}

TEST(ColorValueTest, PacksRedLowest)
{
    EXPECT_EQ(MakeColor(0x11, 0x22, 0x33), 0x332211u);
    EXPECT_EQ(ToRgb(0x80332211u), (RgbTriple{0x11, 0x22, 0x33}));
}

} // namespace
} // namespace tessaro
