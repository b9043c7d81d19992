// tessaro-cli's css and scale commands, run in-process: the line formats,
// the export formats and the errors.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace tessaro::cli {
namespace {

struct Case {
    const char* name;
    std::vector<std::string> args;
    int code;
    std::string out;
    std::string errStart;  // the start of standard error
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

class CliPerceptualTest : public testing::TestWithParam<Case> {};

TEST_P(CliPerceptualTest, PrintsAndExits)
{
    std::istringstream in;
    std::ostringstream out, err;
    const int code = cli::Run(GetParam().args, in, out, err, ".");
    EXPECT_EQ(code, GetParam().code);
    EXPECT_EQ(out.str(), GetParam().out);
    EXPECT_TRUE(err.str().starts_with(GetParam().errStart)) << err.str();
}

const std::string kTonal =
    "50 #F1FBF0\n100 #E0F6DC\n200 #C4EEBB\n300 #9BE08D\n400 #73C762\n500 #5DB04B\n"
    "600 #429630\n700 #267C0D\n800 #1B6604\n900 #1D5410\n950 #0E3106\n";

INSTANTIATE_TEST_SUITE_P(
    Commands, CliPerceptualTest,
    testing::Values(
        Case{"CssEveryNotation", {"css", "7FD46E"}, 0,
             "hex #7FD46E\nrgb rgb(127 212 110)\nhsl hsl(110 54.3% 63.1%)\noklch oklch(79.239% 0.16042 140.352)\n"
             "oklab oklab(79.239% -0.12352 0.10236)\nlab lab(77.8 -41.48 41.72)\nlch lch(77.8 58.83 134.83)\n"
             "display-p3 color(display-p3 0.5762 0.823 0.4769)\n",
             ""},
        Case{"CssOfACssColour", {"css", "rebeccapurple"}, 0,
             "hex #663399\nrgb rgb(102 51 153)\nhsl hsl(270 50% 40%)\noklch oklch(44.027% 0.1603 303.373)\n"
             "oklab oklab(44.027% 0.08818 -0.13386)\nlab lab(32.39 38.42 -47.69)\nlch lch(32.39 61.24 308.86)\n"
             "display-p3 color(display-p3 0.3737 0.2103 0.5791)\n",
             ""},
        Case{"CssParseGamutMaps", {"css", "--parse", "oklch(70% 0.3 30)"}, 0, "#FF5843\n", ""},
        Case{"CssParseNamed", {"css", "--parse", " Navy "}, 0, "#000080\n", ""},
        Case{"CssParseTransparentRefused", {"css", "--parse", "transparent"}, 1, "",
             "tessaro-cli: 'transparent' is not a CSS colour"},
        Case{"CssParseBadText", {"css", "--parse", "rgb(1 2)"}, 1, "", "tessaro-cli: 'rgb(1 2)' is not a CSS colour"},
        Case{"CssBadColour", {"css", "nocolour"}, 2, "", "tessaro-cli: COLOR must be"},
        Case{"Tonal", {"scale", "7FD46E", "--tonal"}, 0, kTonal, ""},
        Case{"ContrastOnBlack", {"scale", "#7FD46E", "--contrast", "3,4.5,30", "--background", "000000"}, 0,
             "3 #086900\n4.5 #31851C\n30 unreachable\n", ""},
        Case{"ContrastApcaDefaults", {"scale", "7FD46E", "--contrast", "default", "--metric", "apca"}, 0,
             "15 #A0F68F\n30 #85DB74\n45 #6ABE59\n60 #4C9F3A\n75 #287E10\n90 #005600\n", ""},
        Case{"Harmony", {"scale", "7FD46E", "--harmony", "triad"}, 0, "main #7FD46E\n+120 #8BBCFF\n+240 #FF9394\n",
             ""},
        Case{"FormatScss", {"scale", "7FD46E", "--contrast", "4.5,7", "--format", "scss"}, 0,
             "$color-4_5: #33871F;\r\n$color-7: #086800;\r\n", ""},
        Case{"FormatCssVarsWithPrefix", {"scale", "7FD46E", "--harmony", "complements", "--format", "css-vars",
                                         "--prefix", "brand"},
             0, ":root {\r\n  --brand-main: #7FD46E;\r\n  --brand-plus180: #E997FA;\r\n}\r\n", ""},
        Case{"FormatGplSkipsUnreachable", {"scale", "7FD46E", "--contrast", "3,30", "--background", "000000",
                                           "--format", "gpl"},
             0, "GIMP Palette\nName: color\nColumns: 0\n#\n  8 105   0\t3\n", ""},
        Case{"FormatTailwind", {"scale", "808080", "--tonal", "--format", "tailwind"}, 0,
             "colors: {\r\n  'color': {\r\n    '50': '#F7F7F7',\r\n    '100': '#EEEEEE',\r\n    '200': '#E0E0E0',\r\n"
             "    '300': '#CBCBCB',\r\n    '400': '#AFAFAF',\r\n    '500': '#999999',\r\n    '600': '#7F7F7F',\r\n"
             "    '700': '#676767',\r\n    '800': '#545454',\r\n    '900': '#464646',\r\n    '950': '#282828',\r\n"
             "  },\r\n},\r\n",
             ""},
        Case{"UnknownFormat", {"scale", "7FD46E", "--tonal", "--format", "xml"}, 2, "", "tessaro-cli: --format"},
        Case{"NoKind", {"scale", "7FD46E"}, 2, "", "tessaro-cli: scale needs"},
        Case{"TwoKinds", {"scale", "7FD46E", "--tonal", "--harmony", "triad"}, 2, "", "tessaro-cli: scale takes one"},
        Case{"BadTargets", {"scale", "7FD46E", "--contrast", "1,x"}, 2, "", "tessaro-cli: --contrast takes"},
        Case{"UnknownHarmony", {"scale", "7FD46E", "--harmony", "pentad"}, 2, "", "tessaro-cli: unknown harmony"},
        Case{"BackgroundWithoutContrast", {"scale", "7FD46E", "--tonal", "--background", "000000"}, 2, "",
             "tessaro-cli: --background and --metric"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaro::cli
