// Contrast ratios against published WCAG values, and the colour-vision
// simulation on known colours.
#include "engine/color_vision.h"

#include "engine/color_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessaro {
namespace {

struct ContrastRow {
    const char* name;
    TColor a;
    TColor b;
    const char* ratio;  // to two decimals
    bool aaNormal;
    bool aaaNormal;
    bool aaLarge;
    bool aaaLarge;
};

class ContrastTest : public testing::TestWithParam<ContrastRow> {};

TEST_P(ContrastTest, RatioAndVerdicts)
{
    const ContrastRow& row = GetParam();
    EXPECT_EQ(ContrastRatioText(ContrastRatio(row.a, row.b)), row.ratio);
    EXPECT_DOUBLE_EQ(ContrastRatio(row.a, row.b), ContrastRatio(row.b, row.a));
    const ContrastVerdict normal = JudgeContrast(row.a, row.b, false);
    EXPECT_EQ(normal.passesAA, row.aaNormal);
    EXPECT_EQ(normal.passesAAA, row.aaaNormal);
    const ContrastVerdict large = JudgeContrast(row.a, row.b, true);
    EXPECT_EQ(large.passesAA, row.aaLarge);
    EXPECT_EQ(large.passesAAA, row.aaaLarge);
}

// Published values: black on white 21:1; #777777 on white 4.48:1, the
// lightest grey that fails AA for body text, #767676 the darkest that passes.
INSTANTIATE_TEST_SUITE_P(
    Wcag, ContrastTest,
    testing::Values(ContrastRow{"BlackOnWhite", 0x000000, 0xFFFFFF, "21.00:1", true, true, true, true},
                    ContrastRow{"SameColour", 0x336699, 0x336699, "1.00:1", false, false, false, false},
                    ContrastRow{"Grey777OnWhite", 0x777777, 0xFFFFFF, "4.48:1", false, false, true, false},
                    ContrastRow{"Grey767676OnWhite", 0x767676, 0xFFFFFF, "4.54:1", true, false, true, true},
                    ContrastRow{"RedOnWhite", MakeColor(255, 0, 0), 0xFFFFFF, "4.00:1", false, false, true, false},
                    ContrastRow{"BlueOnWhite", MakeColor(0, 0, 255), 0xFFFFFF, "8.59:1", true, true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ContrastTest, LargeTextIs18PointsOr14PointsBold)
{
    EXPECT_FALSE(IsLargeText(17, false));
    EXPECT_TRUE(IsLargeText(18, false));
    EXPECT_FALSE(IsLargeText(13, true));
    EXPECT_TRUE(IsLargeText(14, true));
}

TEST(ContrastTest, VerdictText)
{
    EXPECT_EQ(ContrastVerdictText(JudgeContrast(0x777777, 0xFFFFFF, false)), "Contrast 4.48:1, AA fail, AAA fail");
    EXPECT_EQ(ContrastVerdictText(JudgeContrast(0x777777, 0xFFFFFF, true)),
              "Contrast 4.48:1 large text, AA pass, AAA fail");
}

// The APCA Lc and its reading follow the WCAG verdict; light text on a dark
// backdrop has a negative Lc, read by its size.
TEST(ContrastTest, VerdictWithApcaText)
{
    struct Row {
        TColor text, backdrop;
        bool large;
        const char* expected;
    };
    const Row rows[] = {
        {0x777777, 0xFFFFFF, false, "Contrast 4.48:1, AA fail, AAA fail, APCA Lc 71.1 (content text)"},
        {0x000000, 0xFFFFFF, false, "Contrast 21.00:1, AA pass, AAA pass, APCA Lc 106.0 (body text)"},
        {0xFFFFFF, 0x000000, true, "Contrast 21.00:1 large text, AA pass, AAA pass, APCA Lc -107.9 (body text)"},
        {0x888888, 0xFFFFFF, false, "Contrast 3.54:1, AA fail, AAA fail, APCA Lc 63.1 (content text)"},
        {0x333333, 0x555555, false, "Contrast 1.69:1, AA fail, AAA fail, APCA Lc 10.7 (insufficient)"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ContrastVerdictWithApcaText(JudgeContrast(row.text, row.backdrop, row.large)), row.expected);
}

struct VisionRow {
    const char* name;
    ColorVision vision;
    TColor in;
    const char* out;
};

class ColorVisionTest : public testing::TestWithParam<VisionRow> {};

TEST_P(ColorVisionTest, KnownColours)
{
    const VisionRow& row = GetParam();
    EXPECT_EQ(HashHexText(SimulateColorVision(row.in, row.vision)), row.out);
}

// Worked independently from the published matrices (Machado et al. 2009,
// severity 1) in linear RGB with the sRGB curve.
INSTANTIATE_TEST_SUITE_P(
    Machado2009, ColorVisionTest,
    testing::Values(VisionRow{"ProtanopiaRed", ColorVision::Protanopia, MakeColor(255, 0, 0), "#6D5F00"},
                    VisionRow{"ProtanopiaGreen", ColorVision::Protanopia, MakeColor(0, 255, 0), "#FFE500"},
                    VisionRow{"DeuteranopiaRed", ColorVision::Deuteranopia, MakeColor(255, 0, 0), "#A39000"},
                    VisionRow{"DeuteranopiaOrange", ColorVision::Deuteranopia, MakeColor(255, 128, 0), "#C4AE00"},
                    VisionRow{"TritanopiaBlue", ColorVision::Tritanopia, MakeColor(0, 0, 255), "#006B96"},
                    VisionRow{"GreyscaleRed", ColorVision::Greyscale, MakeColor(255, 0, 0), "#7F7F7F"},
                    VisionRow{"GreyscaleOrange", ColorVision::Greyscale, MakeColor(255, 128, 0), "#A3A3A3"},
                    VisionRow{"NormalKeepsColour", ColorVision::Normal, MakeColor(255, 128, 0), "#FF8000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColorVisionTest, GreysStayGreyUnderEveryVision)
{
    for (ColorVision vision : kColorVisions)
        for (TColor grey : {0x000000u, 0x777777u, 0xFFFFFFu})
            EXPECT_EQ(SimulateColorVision(grey, vision), grey) << ColorVisionName(vision);
}

TEST(ColorVisionTest, PixelsMatchOneColourAtATimeAndKeepAlpha)
{
    // 0xAARRGGBB words.
    std::vector<std::uint32_t> pixels{0xFFFF0000u, 0xFFFF0000u, 0x80FF8000u, 0xFF000000u};
    SimulateColorVisionPixels(pixels, ColorVision::Deuteranopia);
    EXPECT_EQ(pixels[0], 0xFFA39000u);
    EXPECT_EQ(pixels[1], 0xFFA39000u);
    EXPECT_EQ(pixels[2], 0x80C4AE00u);
    EXPECT_EQ(pixels[3], 0xFF000000u);
}

TEST(ColorVisionTest, NamesReadBack)
{
    for (ColorVision vision : kColorVisions)
        EXPECT_EQ(ColorVisionNamed(ColorVisionName(vision)), vision);
    EXPECT_FALSE(ColorVisionNamed("Protanopia").has_value());
}

TEST(ColorVisionTest, LinearRoundTripIsExactForEveryByte)
{
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(LinearToSrgb(SrgbToLinear(std::uint8_t(i))), i);
    EXPECT_EQ(LinearToSrgb(-0.5), 0);
    EXPECT_EQ(LinearToSrgb(7.0), 255);
}

} // namespace
} // namespace tessaro
