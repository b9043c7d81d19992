// The web developers' text formats and the Center's sources and formats.
#include "export/center_output.h"
#include "export/center_sources.h"
#include "export/web_text.h"

#include <gtest/gtest.h>

namespace tessaro::exporting {
namespace {

constexpr TColor kOrange = MakeColor(255, 128, 0);
const std::vector<TColor> kTwo = {kOrange, MakeColor(0x33, 0x66, 0x99)};

TEST(WebText, EachFormatCharacterForCharacter)
{
    EXPECT_EQ(CssVariablesText(kTwo, "color"), ":root {\r\n  --color-1: #FF8000;\r\n  --color-2: #336699;\r\n}\r\n");
    EXPECT_EQ(ScssText(kTwo, "brand"), "$brand-1: #FF8000;\r\n$brand-2: #336699;\r\n");
    EXPECT_EQ(JsonText(kTwo, "color"),
              "[\r\n"
              "  { \"name\": \"color-1\", \"hex\": \"#FF8000\", \"rgb\": { \"r\": 255, \"g\": 128, \"b\": 0 }, "
              "\"hsl\": { \"h\": 30, \"s\": 100, \"l\": 50 } },\r\n"
              "  { \"name\": \"color-2\", \"hex\": \"#336699\", \"rgb\": { \"r\": 51, \"g\": 102, \"b\": 153 }, "
              "\"hsl\": { \"h\": 210, \"s\": 50, \"l\": 40 } }\r\n"
              "]\r\n");
    EXPECT_EQ(TailwindText(kTwo, "color"), "colors: {\r\n  'color-1': '#FF8000',\r\n  'color-2': '#336699',\r\n},\r\n");
    EXPECT_EQ(JsonText({}, "color"), "[\r\n]\r\n");
}

TEST(WebText, ColoursWithNamesOfTheirOwn)
{
    const std::vector<NamedColor> scale = {{"brand-50", kOrange}, {"brand-4_5", MakeColor(0x33, 0x66, 0x99)}};
    EXPECT_EQ(CssVariablesText(scale), ":root {\r\n  --brand-50: #FF8000;\r\n  --brand-4_5: #336699;\r\n}\r\n");
    EXPECT_EQ(ScssText(scale), "$brand-50: #FF8000;\r\n$brand-4_5: #336699;\r\n");
    EXPECT_EQ(JsonText(std::vector<NamedColor>{scale[0]}),
              "[\r\n  { \"name\": \"brand-50\", \"hex\": \"#FF8000\", \"rgb\": { \"r\": 255, \"g\": 128, \"b\": 0 }, "
              "\"hsl\": { \"h\": 30, \"s\": 100, \"l\": 50 } }\r\n]\r\n");
    EXPECT_EQ(TailwindGroupText("brand", {{"50", kOrange}, {"950", 0}}),
              "colors: {\r\n  'brand': {\r\n    '50': '#FF8000',\r\n    '950': '#000000',\r\n  },\r\n},\r\n");
}

TEST(WebText, NamePrefixes)
{
    for (const char* good : {"color", "brand-primary", "_x", "a1_b"})
        EXPECT_TRUE(IsValidNamePrefix(good)) << good;
    for (const char* bad : {"", "1x", "-x", "a b", "a'b", "a\"b", "a}"})
        EXPECT_FALSE(IsValidNamePrefix(bad)) << bad;
}

TEST(CenterSources, EachSourceCollects)
{
    CenterSourceInput input;
    input.hexField = "FF8000";
    input.listEntries = {"#000000", "hello", "x#336699 name"};
    input.selectedEntries = {"x#336699 name"};
    input.wheel = {kOrange, 0xFFFFFF};
    EXPECT_EQ(CollectCenterSource(CenterSource::MainColor, input), std::vector<std::string>{"#FF8000"});
    EXPECT_EQ(CollectCenterSource(CenterSource::ColorList, input), (std::vector<std::string>{"#000000", "#336699"}));
    // One selected entry is taken (the quick copy commands would take the main colour).
    EXPECT_EQ(CollectCenterSource(CenterSource::SelectedColors, input), std::vector<std::string>{"#336699"});
    EXPECT_EQ(CollectCenterSource(CenterSource::ColorWheel, input), (std::vector<std::string>{"#FF8000", "#FFFFFF"}));
}

TEST(CenterOutput, FormatsByNameAndKind)
{
    for (CenterFormat f : kCenterFormats)
        EXPECT_EQ(CenterFormatByName(CenterFormatName(f)), f);
    EXPECT_STREQ(CenterFormatCaption(CenterFormat::Swatches), "Swatches (BMP - WMF)");
    EXPECT_EQ(CenterFormatByName("gif"), std::nullopt);
    CenterOptions options;
    options.format = CenterFormat::Scss;
    options.namePrefix = "c";
    EXPECT_EQ(RenderCenter(options, {kOrange}).text, "$c-1: #FF8000;\r\n");
    options.format = CenterFormat::List;
    options.listKind = PictureKind::Metafile;
    const CenterOutput picture = RenderCenter(options, {kOrange});
    EXPECT_TRUE(picture.isPicture);
    EXPECT_EQ(picture.kind, PictureKind::Metafile);
    EXPECT_EQ(picture.drawing.height, 35);
}

} // namespace
} // namespace tessaro::exporting
