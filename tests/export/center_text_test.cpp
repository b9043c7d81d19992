// The Copy/Export Center's text formats and picture sizes, and the colours
// taken from the list.
#include "export/center_sources.h"
#include "export/center_text.h"
#include "export/html_page.h"

#include "engine/conversion_error.h"

#include <gtest/gtest.h>

namespace tessaro::exporting {
namespace {

constexpr TColor kOrange = MakeColor(255, 128, 0);
constexpr TColor kBlue = MakeColor(0x33, 0x66, 0x99);

TEST(CssText, BothOptionsTwoColours)
{
    EXPECT_EQ(CssText({kOrange, kBlue}, {true, true}),
              ".color1 { color: #FF8000; }\r\n"
              ".color2 { color: #336699; }\r\n"
              ".backgroundcolor1 { background-color: #FF8000; }\r\n"
              ".backgroundcolor2 { background-color: #336699; }\r\n");
    EXPECT_EQ(CssText({kOrange}, {}), ".color1 { color: #FF8000; }\r\n");
    EXPECT_EQ(CssText({kOrange}, {false, false}), "");
}

TEST(HtmlAttributesText, BlankColorQuotedHexBlank)
{
    // Blank, color=, double quote, #FF8000, double quote, blank.
    EXPECT_EQ(HtmlAttributesText({kOrange}, {}), " color=\"#FF8000\" \r\n");
    EXPECT_EQ(HtmlAttributesText({kOrange, kBlue}, {true, true}),
              " color=\"#FF8000\" \r\n color=\"#336699\" \r\n bgcolor=\"#FF8000\" \r\n bgcolor=\"#336699\" \r\n");
}

TEST(ValueText, EveryOptionInItsOrder)
{
    const ValueOptions all{true, true, true, true, true, true, true, true};
    EXPECT_EQ(ValueText({kOrange}, all),
              "RGB(255,128,0)\r\nHSL(30,100,50)\r\n#FF8000\r\nFF8000\r\n$000080FF\r\n0X000080FF\r\n0xFF8000\r\n"
              "&H0080FF\r\n\r\n");
    EXPECT_EQ(ValueText({kOrange, kBlue}, {}), "FF8000\r\n\r\n336699\r\n\r\n");
}

TEST(ValueText, CssNotationsAfterTheEight)
{
    ValueOptions options{.hex = true, .cssRgb = true, .cssHsl = true, .cssOkLch = true, .cssOkLab = true,
                         .cssLab = true, .cssLch = true, .cssDisplayP3 = true};
    EXPECT_EQ(ValueText({kOrange}, options),
              "FF8000\r\nrgb(255 128 0)\r\nhsl(30.1 100% 50%)\r\noklch(73.189% 0.1858 52.985)\r\n"
              "oklab(73.189% 0.11186 0.14836)\r\nlab(67.82 45.49 74.84)\r\nlch(67.82 87.58 58.71)\r\n"
              "color(display-p3 0.9361 0.529 0.1987)\r\n\r\n");
    EXPECT_EQ(ValueText({kOrange}, ValueOptions{.hex = false, .cssOkLch = true}), "oklch(73.189% 0.1858 52.985)\r\n\r\n");
}

TEST(ValueText, NothingTickedGivesEmptyLinePerColour)
{
    EXPECT_EQ(ValueText({kOrange, kBlue, 0}, ValueOptions{.hex = false}), "\r\n\r\n\r\n");
}

TEST(ReportText, WebsafeAndNearestWebsafe)
{
    EXPECT_EQ(ReportText({kOrange, kBlue}, {}),
              "Color 1\r\n---------------------\r\nRGB: 255,128,0\r\nHSL: 30,100,50\r\nHEX: #FF8000\r\n"
              "This color is not websafe.\r\nNearest websafe color is RGB(255,153,0)\r\n\r\n"
              "Color 2\r\n---------------------\r\nRGB: 51,102,153\r\nHSL: 210,50,40\r\nHEX: #336699\r\n"
              "This color is websafe.\r\n\r\n");
    EXPECT_EQ(ReportText({kBlue}, {false, false, true, false}), "Color 1\r\n---------------------\r\nHEX: #336699\r\n\r\n");
}

TEST(TextFormats, NoColoursGiveEmptyText)
{
    EXPECT_EQ(CssText({}, {true, true}), "");
    EXPECT_EQ(ValueText({}, {}), "");
    EXPECT_EQ(ReportText({}, {}), "");
}

struct SizeCase {
    const char* name;
    int n, side, columns, space;
    PictureSize expected;
};

void PrintTo(const SizeCase& c, std::ostream* os)
{
    *os << c.name;
}

class SwatchesSize : public testing::TestWithParam<SizeCase> {};

TEST_P(SwatchesSize, ByTheFormula)
{
    const SizeCase& c = GetParam();
    EXPECT_EQ(SwatchesPictureSize(c.n, c.side, c.columns, c.space), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SwatchesSize,
    testing::Values(SizeCase{"TwelveWheelColoursOneRow", 12, 20, 12, 3, {276, 23}},
                    SizeCase{"TwentyFourGiveThreeRowsHeight", 24, 20, 12, 3, {276, 66}},
                    SizeCase{"FiveInTwelveColumns", 5, 20, 12, 3, {276, 20}},
                    SizeCase{"ThirteenInTwelveColumns", 13, 20, 12, 3, {276, 43}},
                    SizeCase{"NoColoursWhiteStrip", 0, 20, 12, 3, {276, 20}},
                    SizeCase{"OneColumnNoSpace", 3, 10, 1, 0, {10, 40}},
                    SizeCase{"OneInOneColumn", 1, 60, 1, 15, {75, 75}},
                    SizeCase{"ZeroColumnsCountAsOne", 2, 10, 0, 0, {10, 30}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListPictureSize, ThirtyFivePerColour)
{
    EXPECT_EQ(ListPictureSize(3), (PictureSize{125, 105}));
}

TEST(CollectHashEntries, HashAndSixAfterIt)
{
    EXPECT_EQ(CollectHashEntries({"#FF8000", "hello", "ab#336699cd", "#12"}),
              (std::vector<std::string>{"#FF8000", "#336699", "#12"}));
    EXPECT_EQ(ColorsOfHashTexts({"#FF8000", "#336699"}), (std::vector<TColor>{kOrange, kBlue}));
    EXPECT_THROW(ColorsOfHashTexts({"#GG0000"}), ConversionError);
    EXPECT_THROW(ColorsOfHashTexts({"##12345"}), ConversionError);
}

TEST(ListEntryColor, RestReadAsHexOrBlack)
{
    EXPECT_EQ(ListEntryColor("#FF8000"), kOrange);
    EXPECT_EQ(ListEntryColor("x336699"), kBlue);
    EXPECT_EQ(ListEntryColor("#80"), MakeColor(0, 0, 0x80));
    EXPECT_EQ(ListEntryColor("hello"), 0u);
    EXPECT_EQ(ListEntryColor(""), 0u);
}

TEST(HtmlPage, SwatchAndValuesOfEveryColour)
{
    const std::string page = HtmlPage({kOrange, kBlue});
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>\r\n"));
    EXPECT_TRUE(page.ends_with("</html>\r\n"));
    EXPECT_NE(page.find("<p>2 colors</p>"), std::string::npos);
    EXPECT_NE(page.find("<li><div class=\"swatch\" style=\"background-color: #FF8000\"></div><div class=\"values\">"
                        "HEX: #FF8000<br>RGB: 255, 128, 0<br>HSL: 30, 100, 50</div></li>\r\n"),
              std::string::npos);
    EXPECT_NE(page.find("HEX: #336699<br>RGB: 51, 102, 153<br>HSL: 210, 50, 40"), std::string::npos);
    EXPECT_EQ(page.find('\n'), page.find("\r\n") + 1);
    EXPECT_NE(HtmlPage({}).find("<p>0 colors</p>"), std::string::npos);
}

} // namespace
} // namespace tessaro::exporting
