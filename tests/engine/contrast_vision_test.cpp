// Contrast ratios against published WCAG values, and the colour-vision
// simulation on the primaries (Machado et al. 2009, full severity).
#include "engine/color_vision.h"
#include "engine/contrast.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

constexpr TColor kWhite = 0xFFFFFF;

TEST(ContrastRatio, PublishedValues)
{
    EXPECT_DOUBLE_EQ(ContrastRatio(0x000000, kWhite), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(kWhite, 0x000000), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(0x336699, 0x336699), 1.0);
    EXPECT_NEAR(ContrastRatio(0x777777, kWhite), 4.478, 0.001);
    EXPECT_EQ(ContrastRatioText(ContrastRatio(0x777777, kWhite)), "4.48:1");
}

struct VerdictRow {
    const char* name;
    double ratio;
    bool large;
    ContrastVerdict verdict;
};

class ContrastVerdictTable : public ::testing::TestWithParam<VerdictRow> {};

TEST_P(ContrastVerdictTable, Judged)
{
    EXPECT_EQ(JudgeContrast(GetParam().ratio, GetParam().large), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Wcag, ContrastVerdictTable,
    ::testing::Values(VerdictRow{"GreyOnWhiteJustFailsNormal", 4.478, false, {false, false}},
                      VerdictRow{"GreyOnWhitePassesLarge", 4.478, true, {true, false}},
                      VerdictRow{"ExactlyAaNormal", 4.5, false, {true, false}},
                      VerdictRow{"ExactlyAaaNormal", 7.0, false, {true, true}},
                      VerdictRow{"ExactlyAaaLarge", 4.5, true, {true, true}},
                      VerdictRow{"BelowAaLarge", 2.99, true, {false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContrastRatio, LargeTextIs18PointsOr14Bold)
{
    EXPECT_TRUE(IsLargeText(18, false));
    EXPECT_FALSE(IsLargeText(17, false));
    EXPECT_TRUE(IsLargeText(14, true));
    EXPECT_FALSE(IsLargeText(13, true));
}

struct VisionRow {
    const char* name;
    ColorVision vision;
    TColor color;
    TColor seen;
};

class VisionTable : public ::testing::TestWithParam<VisionRow> {};

TEST_P(VisionTable, Simulated)
{
    EXPECT_EQ(SimulateVision(GetParam().color, GetParam().vision), GetParam().seen) << std::hex << GetParam().color;
}

// Colours as 0xBBGGRR.
INSTANTIATE_TEST_SUITE_P(
    Machado2009, VisionTable,
    ::testing::Values(VisionRow{"NormalKeepsColour", ColorVision::Normal, 0x123456, 0x123456},
                      VisionRow{"ProtanopiaRed", ColorVision::Protanopia, 0x0000FF, 0x005F6D},
                      VisionRow{"ProtanopiaGreen", ColorVision::Protanopia, 0x00FF00, 0x00E5FF},
                      VisionRow{"DeuteranopiaRed", ColorVision::Deuteranopia, 0x0000FF, 0x0090A3},
                      VisionRow{"DeuteranopiaBlue", ColorVision::Deuteranopia, 0xFF0000, 0xFB3D00},
                      VisionRow{"TritanopiaBlue", ColorVision::Tritanopia, 0xFF0000, 0x966B00},
                      VisionRow{"TritanopiaGreen", ColorVision::Tritanopia, 0x00FF00, 0xD9F700},
                      VisionRow{"WhiteStaysWhite", ColorVision::Deuteranopia, kWhite, kWhite},
                      VisionRow{"BlackStaysBlack", ColorVision::Tritanopia, 0, 0},
                      VisionRow{"GreyscaleOfGrey", ColorVision::Greyscale, 0x777777, 0x777777},
                      VisionRow{"GreyscaleOfRed", ColorVision::Greyscale, 0x0000FF, 0x7F7F7F}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColorVision, NamesRoundTrip)
{
    for (ColorVision vision : kColorVisions)
        EXPECT_EQ(ColorVisionNamed(ColorVisionName(vision)), vision);
    EXPECT_EQ(ColorVisionNamed("colourblind"), std::nullopt);
}

} // namespace
} // namespace tessaro
