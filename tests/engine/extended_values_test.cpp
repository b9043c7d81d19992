// XYZ, CIE Lab, Hunter Lab, CMY and CMYK lines and the number format.
#include "engine/extended_values.h"

#include "engine/engine_printers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace tessaro {
namespace {

struct LinesCase {
    const char* name;
    RgbTriple rgb;
    std::array<const char*, 5> lines;
};

class ExtendedLinesTest : public testing::TestWithParam<LinesCase> {};

TEST_P(ExtendedLinesTest, WritesTheWorkedLines)
{
    const auto lines = ExtendedValueLines(ComputeExtendedValues(GetParam().rgb));
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(lines[i], GetParam().lines[i]);
}

INSTANTIATE_TEST_SUITE_P(Worked, ExtendedLinesTest, testing::Values(
    LinesCase{"Red", {255, 0, 0}, {
        "XYZ: X: 41.24 Y: 21.26 Z: 1.93",
        "CIE Lab: L: 53.23 a: 80.11 b: 67.22",
        "H.Lab: L: 46.11 a: 78.96 b: 29.79",
        "CMY: C: 0 M: 1 Y: 1",
        "CMYK : C: 0 M: 1 Y: 1 K: 0"}},
    LinesCase{"Green", {127, 212, 110}, {
        "XYZ: X: 35.11 Y: 52.72 Z: 23.08",
        "CIE Lab: L: 77.71 a: -45.17 b: 42.33",
        "H.Lab: L: 72.61 a: -40.76 b: 31.98",
        "CMY: C: 0.502 M: 0.1686 Y: 0.5686",
        "CMYK : C: 0.4009 M: 0 Y: 0.4811 K: 0.1686"}},
    LinesCase{"Navy", {0, 51, 102}, {
        "XYZ: X: 3.582 Y: 3.327 Z: 13.02",
        "CIE Lab: L: 21.31 a: 6.825 b: -34.22",
        "H.Lab: L: 18.24 a: 3.135 b: -29.57",
        "CMY: C: 1 M: 0.8 Y: 0.6",
        "CMYK : C: 1 M: 0.5 Y: 0 K: 0.6"}},
    LinesCase{"WhiteWithItsSmallLabOffsets", {255, 255, 255}, {
        "XYZ: X: 95.05 Y: 100 Z: 108.9",
        "CIE Lab: L: 100 a: 0.00526 b: -0.01041",
        "H.Lab: L: 100 a: -5.336 b: 5.433",
        "CMY: C: 0 M: 0 Y: 0",
        "CMYK : C: 0 M: 0 Y: 0 K: 0"}},
    // CMYK C is 27/32 = 0.84375, computed as 0.8437499999999997: a half.
    LinesCase{"ComputedHalfOfCmyk", {5, 32, 32}, {
        "XYZ: X: 0.8398 Y: 1.17 Z: 1.548",
        "CIE Lab: L: 10.33 a: -10.13 b: -3.052",
        "H.Lab: L: 10.81 a: -5.064 b: -0.9163",
        "CMY: C: 0.9804 M: 0.8745 Y: 0.8745",
        "CMYK : C: 0.8438 M: 0 Y: 0 K: 0.8745"}},
    LinesCase{"Grey128", {128, 128, 128}, {
        "XYZ: X: 20.52 Y: 21.59 Z: 23.51",
        "CIE Lab: L: 53.59 a: 0.003156 b: -0.006244",
        "H.Lab: L: 46.46 a: -2.479 b: 2.524",
        "CMY: C: 0.498 M: 0.498 Y: 0.498",
        "CMYK : C: 0 M: 0 Y: 0 K: 0.498"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExtendedValuesTest, BlackIsZeroExceptCmyAndK)
{
    const ExtendedValues v = ComputeExtendedValues({0, 0, 0});
    const auto lines = ExtendedValueLines(v);
    EXPECT_EQ(lines[0], "XYZ: X: 0 Y: 0 Z: 0");
    EXPECT_EQ(lines[1], "CIE Lab: L: 0 a: 0 b: 0");
    // a and b are 0/0 for black; only L is fixed.
    EXPECT_EQ(lines[2].rfind("H.Lab: L: 0 a: ", 0), 0u) << lines[2];
    EXPECT_EQ(lines[3], "CMY: C: 1 M: 1 Y: 1");
    EXPECT_EQ(lines[4], "CMYK : C: 0 M: 0 Y: 0 K: 1");
    EXPECT_TRUE(std::isfinite(v.hunterA));
    EXPECT_TRUE(std::isfinite(v.hunterB));
}

TEST(ExtendedValuesTest, GreysHaveOnlyBlackInk)
{
    for (int g = 1; g < 255; g += 11) {
        const auto u = std::uint8_t(g);
        const ExtendedValues v = ComputeExtendedValues({u, u, u});
        EXPECT_EQ(v.cmykC, 0.0) << g;
        EXPECT_EQ(v.cmykM, 0.0) << g;
        EXPECT_EQ(v.cmykY, 0.0) << g;
        EXPECT_DOUBLE_EQ(v.cmykK, 1 - g / 255.0) << g;
    }
}

struct BranchCase {
    const char* name;
    std::uint8_t channel;
    double linear;  // the channel after companding, times 100
};

class CompandingTest : public testing::TestWithParam<BranchCase> {};

TEST_P(CompandingTest, ChannelTenIsLinearElevenIsPower)
{
    const double lin = GetParam().linear;
    const ExtendedValues red = ComputeExtendedValues({GetParam().channel, 0, 0});
    EXPECT_NEAR(red.x, lin * 0.4124, 1e-12);
    EXPECT_NEAR(red.y, lin * 0.2126, 1e-12);
    EXPECT_NEAR(red.z, lin * 0.0193, 1e-12);
    const ExtendedValues blue = ComputeExtendedValues({0, 0, GetParam().channel});
    EXPECT_NEAR(blue.z, lin * 0.9505, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Branches, CompandingTest, testing::Values(
    // 10/255 = 0.0392 <= 0.04045: v / 12.92.
    BranchCase{"Ten", 10, 0.3035269835488375},
    // 11/255 = 0.0431: ((v + 0.055) / 1.055)^2.4; the linear branch would give 0.33388.
    BranchCase{"Eleven", 11, 0.3346535763899161}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExtendedValuesTest, CmykKeyIsTheSmallestOfCmy)
{
    const ExtendedValues v = ComputeExtendedValues({127, 212, 110});
    EXPECT_DOUBLE_EQ(v.cmykK, 1 - 212 / 255.0);
    EXPECT_DOUBLE_EQ(v.cmykM, 0.0);
}

struct FormatCase {
    const char* name;
    double value;
    const char* separator;
    const char* text;
};

class FormatGeneralTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatGeneralTest, WritesFourSignificantDigits)
{
    EXPECT_EQ(FormatGeneral4(GetParam().value, GetParam().separator), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatGeneralTest, testing::Values(
    FormatCase{"Zero", 0.0, ".", "0"},
    FormatCase{"One", 1.0, ".", "1"},
    FormatCase{"Hundred", 100.0, ".", "100"},
    FormatCase{"Half", 0.5, ".", "0.5"},
    FormatCase{"TrailingZerosDropped", 12.5, ".", "12.5"},
    FormatCase{"CutToFourDigits", 41.2387, ".", "41.24"},
    FormatCase{"CutSmallValue", 0.12345678, ".", "0.1235"},
    FormatCase{"ExactHalfGoesAwayFromZero", 1234.5, ".", "1235"},
    FormatCase{"NegativeExactHalfGoesAwayFromZero", -1234.5, ".", "-1235"},
    FormatCase{"Negative", -45.1683, ".", "-45.17"},
    FormatCase{"LeadingZerosAfterPoint", 0.00526, ".", "0.00526"},
    FormatCase{"NegativeLeadingZeros", -0.01041, ".", "-0.01041"},
    // The value is read to 15 significant digits before the cut, so a
    // decimal half that the double holds just below (9.9995 is
    // 9.99949999999999939 in binary) still goes up.
    FormatCase{"DecimalHalfCarries", 9.9995, ".", "10"},
    FormatCase{"DecimalHalfJustBelowInBinary", 0.94375, ".", "0.9438"},
    FormatCase{"CarryIntoNewDigit", 9.99951, ".", "10"},
    FormatCase{"CarryToHundred", 99.9951, ".", "100"},
    FormatCase{"CarryToThousandStaysFixed", 999.95, ".", "1000"},
    FormatCase{"CarryToOne", 0.99996, ".", "1"},
    FormatCase{"CarryToTenth", 0.099996, ".", "0.1"},
    FormatCase{"FourDigitsBeforePoint", 9999.0, ".", "9999"},
    FormatCase{"FourDigitsBeforePointCut", 9999.4, ".", "9999"},
    FormatCase{"SmallestFixed", 0.00001, ".", "0.00001"},
    FormatCase{"SmallFixedCut", 0.000012346, ".", "0.00001235"},
    FormatCase{"RoundsUpIntoFixedRange", 0.0000099999, ".", "0.00001"},
    FormatCase{"CommaSeparator", 0.502, ",", "0,502"},
    FormatCase{"CommaSeparatorNegative", -45.1683, ",", "-45,17"},
    FormatCase{"CommaSeparatorSmall", 0.00001, ",", "0,00001"},
    FormatCase{"CommaSeparatorWholeNumber", 1234.5, ",", "1235"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ScientificCase {
    const char* name;
    double value;
};

class FormatScientificTest : public testing::TestWithParam<ScientificCase> {};

TEST_P(FormatScientificTest, LeavesFixedNotationOutsideTheBounds)
{
    const double value = GetParam().value;
    for (const char* sep : {".", ","}) {
        std::string text = FormatGeneral4(value, sep);
        ASSERT_NE(text.find_first_of("Ee"), std::string::npos) << text;
        // Still the number, to four significant digits.
        const std::size_t at = text.find(sep);
        if (at != std::string::npos)
            text.replace(at, 1, ".");
        char* end = nullptr;
        const double read = std::strtod(text.c_str(), &end);
        EXPECT_EQ(*end, '\0') << text;
        EXPECT_NEAR(read, value, std::fabs(value) * 6e-4) << text;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, FormatScientificTest, testing::Values(
    ScientificCase{"RoundsUpToFiveDigits", 9999.6},
    ScientificCase{"FiveDigits", 12345.0},
    ScientificCase{"NegativeFiveDigits", -12345.0},
    ScientificCase{"BelowSmallestFixed", 0.0000099},
    ScientificCase{"NegativeTiny", -3.3e-9},
    ScientificCase{"Huge", 1.5e300},
    ScientificCase{"Minute", 2.5e-300}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExtendedLinesTest, UseTheGivenDecimalSeparator)
{
    const auto lines = ExtendedValueLines(ComputeExtendedValues({127, 212, 110}), ",");
    EXPECT_EQ(lines[0], "XYZ: X: 35,11 Y: 52,72 Z: 23,08");
    EXPECT_EQ(lines[3], "CMY: C: 0,502 M: 0,1686 Y: 0,5686");
    EXPECT_EQ(lines[4], "CMYK : C: 0,4009 M: 0 Y: 0,4811 K: 0,1686");
}

TEST(ExtendedLinesTest, EveryColourLineHasFixedNumbersOrScientificNearZero)
{
    // Values needing scientific notation only arise for a and b near zero.
    for (int r = 0; r < 256; r += 15)
        for (int g = 0; g < 256; g += 15)
            for (int b = 0; b < 256; b += 15) {
                const ExtendedValues v =
                    ComputeExtendedValues({std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)});
                for (double x : {v.x, v.y, v.z, v.labL, v.hunterL, v.cmyC, v.cmyM, v.cmyY, v.cmykC, v.cmykM,
                                 v.cmykY, v.cmykK}) {
                    const std::string t = FormatGeneral4(x);
                    ASSERT_EQ(t.find_first_of("Ee"), std::string::npos) << r << "," << g << "," << b << ": " << t;
                }
            }
}

} // namespace
} // namespace tessaro
