// The pickers' own colour arithmetic and their value/position mapping, built
// without Qt.
#include "controls/picker_math.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

namespace tessaro::controls {
namespace {

using Triple = std::array<int, 3>;

Triple Channels(TColor c)
{
    return {RedOf(c), GreenOf(c), BlueOf(c)};
}

std::string RowName(const char* name)
{
    return name;
}

// ---- HSV ----

struct HsvToRgbCase {
    const char* name;
    Triple hsv;
    Triple rgb;
};

class HsvToRgbTest : public testing::TestWithParam<HsvToRgbCase> {};

TEST_P(HsvToRgbTest, DropsRemaindersAsTheIntegerArithmeticDoes)
{
    const Triple& hsv = GetParam().hsv;
    EXPECT_EQ(Channels(PickerHsvToRgb(hsv[0], hsv[1], hsv[2])), GetParam().rgb);
}

INSTANTIATE_TEST_SUITE_P(Worked, HsvToRgbTest, testing::Values(
    HsvToRgbCase{"Red", {0, 255, 255}, {255, 0, 0}},
    HsvToRgbCase{"Hue360Is0", {360, 255, 255}, {255, 0, 0}},
    HsvToRgbCase{"OrangeTLosesItsRemainder", {30, 255, 255}, {255, 128, 0}},
    HsvToRgbCase{"Sector1", {90, 255, 128}, {64, 128, 0}},
    HsvToRgbCase{"Sector2PAndTTruncated", {120, 128, 200}, {100, 200, 100}},
    HsvToRgbCase{"Sector3", {200, 100, 150}, {92, 131, 150}},
    HsvToRgbCase{"Sector5Start", {300, 255, 255}, {255, 0, 255}},
    HsvToRgbCase{"Sector5End", {359, 255, 255}, {255, 0, 5}},
    HsvToRgbCase{"NoSaturationIsGrey", {45, 0, 77}, {77, 77, 77}},
    HsvToRgbCase{"NoValueIsBlack", {200, 255, 0}, {0, 0, 0}},
    HsvToRgbCase{"HueBelow0Wraps", {-60, 255, 255}, {255, 0, 255}},
    HsvToRgbCase{"HueFarBeyondWraps", {720 + 120, 255, 255}, {0, 255, 0}}),
    [](const auto& info) { return RowName(info.param.name); });

struct RgbToHsvCase {
    const char* name;
    Triple rgb;
    Triple hsv;
};

class RgbToHsvTest : public testing::TestWithParam<RgbToHsvCase> {};

TEST_P(RgbToHsvTest, RoundsSaturationAndHueHalvesToEven)
{
    const Triple& rgb = GetParam().rgb;
    Triple got{-1, -1, -1};
    PickerRgbToHsv(MakeColor(std::uint8_t(rgb[0]), std::uint8_t(rgb[1]), std::uint8_t(rgb[2])), got[0], got[1], got[2]);
    EXPECT_EQ(got, GetParam().hsv);
}

INSTANTIATE_TEST_SUITE_P(Worked, RgbToHsvTest, testing::Values(
    RgbToHsvCase{"PureRed", {255, 0, 0}, {0, 255, 255}},
    RgbToHsvCase{"Orange", {255, 128, 0}, {30, 255, 255}},
    RgbToHsvCase{"Saturation127_5ToEven", {100, 200, 100}, {120, 128, 200}},
    RgbToHsvCase{"Saturation76_5ToEven", {10, 7, 7}, {0, 76, 10}},
    RgbToHsvCase{"BlueLargest", {92, 131, 150}, {200, 99, 150}},
    RgbToHsvCase{"NegativeHuePlus360", {255, 0, 5}, {359, 255, 255}},
    RgbToHsvCase{"Black", {0, 0, 0}, {0, 0, 0}},
    RgbToHsvCase{"White", {255, 255, 255}, {0, 0, 255}}),
    [](const auto& info) { return RowName(info.param.name); });

// ---- HSL on the 239 / 240 / 240 scale ----

struct HslToRgbCase {
    const char* name;
    Triple hsl;
    Triple rgb;
};

class PickerHslToRgbTest : public testing::TestWithParam<HslToRgbCase> {};

TEST_P(PickerHslToRgbTest, GivesTheWorkedValues)
{
    const Triple& hsl = GetParam().hsl;
    EXPECT_EQ(Channels(PickerHslToRgb(hsl[0], hsl[1], hsl[2])), GetParam().rgb);
}

INSTANTIATE_TEST_SUITE_P(Worked, PickerHslToRgbTest, testing::Values(
    HslToRgbCase{"Red", {0, 240, 120}, {255, 0, 0}},
    HslToRgbCase{"Hue239IsTheWholeTurn", {239, 240, 120}, {255, 0, 0}},
    HslToRgbCase{"HueScaleIs239Not240", {80, 240, 120}, {0, 255, 2}},
    HslToRgbCase{"DarkHalfSaturated", {160, 120, 60}, {33, 32, 96}},
    HslToRgbCase{"LightBranchOfM2", {40, 240, 180}, {254, 255, 128}},
    HslToRgbCase{"BlueFallsInTheThirdSector", {159, 240, 60}, {0, 1, 128}},
    HslToRgbCase{"Grey127_5ToEven", {0, 0, 120}, {128, 128, 128}},
    HslToRgbCase{"GreyQuarter", {0, 0, 60}, {64, 64, 64}},
    HslToRgbCase{"White", {100, 0, 240}, {255, 255, 255}},
    HslToRgbCase{"LuminanceClamped", {0, 0, 999}, {255, 255, 255}}),
    [](const auto& info) { return RowName(info.param.name); });

struct RgbToHslCase {
    const char* name;
    Triple rgb;
    Triple hsl;
};

class PickerRgbToHslTest : public testing::TestWithParam<RgbToHslCase> {};

TEST_P(PickerRgbToHslTest, GivesTheWorkedValues)
{
    const Triple& rgb = GetParam().rgb;
    Triple got{-1, -1, -1};
    PickerRgbToHsl(MakeColor(std::uint8_t(rgb[0]), std::uint8_t(rgb[1]), std::uint8_t(rgb[2])), got[0], got[1], got[2]);
    EXPECT_EQ(got, GetParam().hsl);
}

INSTANTIATE_TEST_SUITE_P(Worked, PickerRgbToHslTest, testing::Values(
    RgbToHslCase{"Grey", {128, 128, 128}, {0, 0, 120}},
    RgbToHslCase{"Red", {255, 0, 0}, {0, 240, 120}},
    RgbToHslCase{"Green", {0, 255, 0}, {80, 240, 120}},
    RgbToHslCase{"Blue", {0, 0, 255}, {159, 240, 120}},
    RgbToHslCase{"LightBranchOfS", {200, 10, 130}, {214, 217, 99}},
    RgbToHslCase{"DarkBranchOfS", {51, 102, 153}, {139, 120, 96}}),
    [](const auto& info) { return RowName(info.param.name); });

// ---- websafe ----

TEST(PickerWebsafeTest, TheEngineSnapIsThePickersDiv51Rule)
{
    // The pickers snap each channel to ((c + 25) div 51) * 51; the engine's
    // snap must agree on every byte for the pickers to use it.
    for (int c = 0; c <= 255; ++c) {
        const auto b = std::uint8_t(c);
        EXPECT_EQ(SnapToWebsafe({b, b, b}).green, (c + 25) / 51 * 51) << c;
    }
    EXPECT_EQ(SnapToWebsafe({200, 10, 130}), (RgbTriple{204, 0, 153}));
}

// ---- value and position ----

struct PositionOfValueCase {
    const char* name;
    int extent;
    int maximum;
    int value;
    int position;
};

class PositionOfValueTest : public testing::TestWithParam<PositionOfValueCase> {};

TEST_P(PositionOfValueTest, RoundsHalvesToEvenWithinTheSlider)
{
    const auto& c = GetParam();
    EXPECT_EQ(PositionOfValue(c.value, c.extent, c.maximum), c.position);
}

INSTANTIATE_TEST_SUITE_P(Worked, PositionOfValueTest, testing::Values(
    PositionOfValueCase{"Red255", 135, 255, 255, 123},
    PositionOfValueCase{"Red128", 135, 255, 128, 62},
    PositionOfValueCase{"Hue60_20_5ToEven", 135, 360, 60, 20},
    PositionOfValueCase{"Hue180_61_5ToEven", 135, 360, 180, 62},
    PositionOfValueCase{"Luminance40_20_5ToEven", 135, 240, 40, 20},
    PositionOfValueCase{"Luminance200_102_5ToEven", 135, 240, 200, 102},
    PositionOfValueCase{"BeyondTheRangeStopsAtExtentMinus7", 135, 255, 400, 128},
    PositionOfValueCase{"BelowTheRangeStopsAt0", 135, 255, -20, 0},
    PositionOfValueCase{"SliderShorterThanItsScale", 10, 255, 255, 0},
    PositionOfValueCase{"ProductBeyondIntStopsAtExtentMinus7", 2000000000, 1, 2000000000, 1999999993}),
    [](const auto& info) { return RowName(info.param.name); });

struct PositionOfMouseCase {
    const char* name;
    int x;
    int extent;
    int halfWidth;
    int position;
};

class PositionOfMouseTest : public testing::TestWithParam<PositionOfMouseCase> {};

TEST_P(PositionOfMouseTest, KeepsThePositionOnTheSlider)
{
    const auto& c = GetParam();
    EXPECT_EQ(PositionOfMouse(c.x, c.extent, c.halfWidth), c.position);
}

INSTANTIATE_TEST_SUITE_P(Worked, PositionOfMouseTest, testing::Values(
    PositionOfMouseCase{"Inside", 60, 135, 8, 52},
    PositionOfMouseCase{"BeforeTheStart", 3, 135, 8, 0},
    PositionOfMouseCase{"LastPosition", 134, 135, 8, 126},
    PositionOfMouseCase{"OldArrowFarRight", 500, 135, 6, 128}),
    [](const auto& info) { return RowName(info.param.name); });

TEST(ValueOfPositionTest, SliderWithoutAScaleGives0)
{
    // A slider no longer than its margins has no scale to divide by.
    EXPECT_EQ(ValueOfPosition(5, 12, 255), 0);
    EXPECT_EQ(ValueOfPosition(5, 0, 255), 0);
}

TEST(StripStepOfPixelTest, BothEndsShowTheFirstAndLastStep)
{
    EXPECT_EQ(StripStepOfPixel(0, 119, 256), 0);
    EXPECT_EQ(StripStepOfPixel(118, 119, 256), 255);
    EXPECT_EQ(StripStepOfPixel(59, 119, 256), 128);
    // A strip as long as its steps shows each step once.
    for (int p = 0; p < 360; ++p)
        EXPECT_EQ(StripStepOfPixel(p, 360, 360), p) << p;
    EXPECT_EQ(StripStepOfPixel(-5, 119, 256), 0);
    EXPECT_EQ(StripStepOfPixel(500, 119, 256), 255);
    EXPECT_EQ(StripStepOfPixel(3, 1, 256), 0);
}

} // namespace
} // namespace tessaro::controls
