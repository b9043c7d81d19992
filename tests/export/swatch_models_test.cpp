// Swatches in other colour models than RGB: each conversion against worked
// values (Lab against the published D50 values of the sRGB primaries), and
// the one note a reader gives.
#include "export/swatch_models.h"

#include <gtest/gtest.h>

namespace tessaro::exporting {
namespace {

struct ConversionCase {
    const char* name;
    TColor (*convert)(double, double, double);
    double a, b, c;
    TColor expected;
};

class SwatchConversion : public testing::TestWithParam<ConversionCase> {};

TEST_P(SwatchConversion, GivesTheWorkedColour)
{
    const ConversionCase& c = GetParam();
    EXPECT_EQ(c.convert(c.a, c.b, c.c), c.expected);
}

TColor Grey(double level, double, double)
{
    return GreyToRgb(level);
}
TColor CmyOnly(double c, double m, double y)
{
    return CmykToRgb(c, m, y, 0);
}
TColor KeyOnly(double black, double, double)
{
    return CmykToRgb(0.2, 0, 1, black);
}

INSTANTIATE_TEST_SUITE_P(
    Models, SwatchConversion,
    testing::Values(
        ConversionCase{"GreyBlack", Grey, 0, 0, 0, MakeColor(0, 0, 0)},
        ConversionCase{"GreyHalf", Grey, 0.5, 0, 0, MakeColor(128, 128, 128)},
        ConversionCase{"GreyWhite", Grey, 1, 0, 0, MakeColor(255, 255, 255)},
        ConversionCase{"GreyAboveOneIsWhite", Grey, 1.5, 0, 0, MakeColor(255, 255, 255)},
        ConversionCase{"HsbRed", HsbToRgb, 0, 1, 1, MakeColor(255, 0, 0)},
        ConversionCase{"HsbGreenAtOneThird", HsbToRgb, 1.0 / 3, 1, 1, MakeColor(0, 255, 0)},
        ConversionCase{"HsbYellowAtOneSixth", HsbToRgb, 1.0 / 6, 1, 1, MakeColor(255, 255, 0)},
        ConversionCase{"HsbDarkBlue", HsbToRgb, 2.0 / 3, 1, 0.4, MakeColor(0, 0, 102)},
        ConversionCase{"HsbFullTurnIsRed", HsbToRgb, 1, 1, 1, MakeColor(255, 0, 0)},
        ConversionCase{"HsbGreyWithoutSaturation", HsbToRgb, 0.7, 0, 0.5, MakeColor(128, 128, 128)},
        ConversionCase{"CmykCyan", CmyOnly, 1, 0, 0, MakeColor(0, 255, 255)},
        ConversionCase{"CmykNoInkIsWhite", CmyOnly, 0, 0, 0, MakeColor(255, 255, 255)},
        // R = 255 × 0.8 × 0.5 = 102, G = 255 × 0.5 = 127.5 (to even: 128), B = 0.
        ConversionCase{"CmykWithBlack", KeyOnly, 0.5, 0, 0, MakeColor(102, 128, 0)},
        ConversionCase{"LabWhite", LabD50ToRgb, 100, 0, 0, MakeColor(255, 255, 255)},
        ConversionCase{"LabBlack", LabD50ToRgb, 0, 0, 0, MakeColor(0, 0, 0)},
        ConversionCase{"LabMiddleGrey", LabD50ToRgb, 53.585, 0, 0, MakeColor(128, 128, 128)},
        ConversionCase{"LabSrgbRed", LabD50ToRgb, 54.29, 80.80, 69.89, MakeColor(255, 0, 0)},
        ConversionCase{"LabSrgbGreen", LabD50ToRgb, 87.82, -79.29, 80.99, MakeColor(0, 255, 0)},
        ConversionCase{"LabSrgbBlue", LabD50ToRgb, 29.57, 68.30, -112.03, MakeColor(0, 0, 255)},
        ConversionCase{"LabOutsideSrgbIsClipped", LabD50ToRgb, 50, 0, -128, MakeColor(0, 131, 255)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SwatchModelTally, OneNoteCountingEachModel)
{
    SwatchModelTally tally;
    EXPECT_EQ(tally.note("ASE", 4), "");
    tally.converted(SwatchModel::Grey);
    tally.converted(SwatchModel::Grey);
    tally.converted(SwatchModel::Cmyk);
    tally.skipped("colour space 3");
    tally.skipped("colour space 10");
    tally.skipped("colour space 3");
    EXPECT_EQ(tally.note("ACO", 9),
              "ACO: 6 of 9 swatches were not RGB: 2 grey converted exactly, 1 CMYK converted without a colour "
              "profile (R = 255*(1-C)*(1-K), likewise G and B), 3 skipped (colour space 3, colour space 10)");
    SwatchModelTally lab;
    lab.converted(SwatchModel::Lab);
    EXPECT_EQ(lab.note("ASE", 1), "ASE: 1 of 1 swatch was not RGB: 1 Lab converted from D50 to sRGB (clipped to sRGB)");
}

} // namespace
} // namespace tessaro::exporting
