// CSS Color 4 colour text: writing, reading back, reading every notation,
// finding colours in free text, and the named colours.
#include "engine/css_color.h"
#include "engine/css_named_color.h"
#include "engine/paste_colors.h"

#include <gtest/gtest.h>

#include <random>

namespace tessaro {
namespace {

TEST(CssColorText, EachNotationOfOneColour)
{
    const TColor color = MakeColor(0x7F, 0xD4, 0x6E);
    EXPECT_EQ(CssColorText(CssNotation::Rgb, color), "rgb(127 212 110)");
    EXPECT_EQ(CssColorText(CssNotation::Hsl, color), "hsl(110 54.3% 63.1%)");
    EXPECT_EQ(CssColorText(CssNotation::OkLch, color), "oklch(79.239% 0.16042 140.352)");
    EXPECT_EQ(CssColorText(CssNotation::OkLab, color), "oklab(79.239% -0.12352 0.10236)");
    EXPECT_EQ(CssColorText(CssNotation::Lab, color), "lab(77.8 -41.48 41.72)");
    EXPECT_EQ(CssColorText(CssNotation::Lch, color), "lch(77.8 58.83 134.83)");
    EXPECT_EQ(CssColorText(CssNotation::DisplayP3, color), "color(display-p3 0.5762 0.823 0.4769)");
}

TEST(CssColorText, GreysBlackAndWhiteHaveNoHueAndNoNegativeZero)
{
    EXPECT_EQ(CssColorText(CssNotation::Hsl, 0xFFFFFF), "hsl(0 0% 100%)");
    EXPECT_EQ(CssColorText(CssNotation::OkLch, 0xFFFFFF), "oklch(100% 0 0)");
    EXPECT_EQ(CssColorText(CssNotation::OkLab, 0xFFFFFF), "oklab(100% 0 0)");
    EXPECT_EQ(CssColorText(CssNotation::Lch, 0), "lch(0 0 0)");
    EXPECT_EQ(CssColorText(CssNotation::Lab, 0x808080), "lab(53.59 0 0)");
    EXPECT_EQ(CssColorText(CssNotation::DisplayP3, 0), "color(display-p3 0 0 0)");
    EXPECT_EQ(CssColorText(CssNotation::Hsl, MakeColor(255, 0, 0)), "hsl(0 100% 50%)");
}

// Every notation reads back to the colour it was written from: the edges of
// the RGB cube (where gamut clipping is closest) and a large random sample.
TEST(CssColorText, ReadsBackToTheSameColour)
{
    std::vector<TColor> colors;
    for (int v = 0; v < 256; ++v)
        for (TColor mask : {0x0000FFu, 0x00FF00u, 0xFF0000u, 0xFFFFFFu, 0x00FFFFu, 0xFF00FFu, 0xFFFF00u})
            colors.push_back((TColor(v) * 0x010101u) & mask);
    std::mt19937 random(2026);
    for (int i = 0; i < 30000; ++i)
        colors.push_back(random() & 0xFFFFFF);
    for (const TColor color : colors) {
        for (const CssNotation notation : kCssNotations) {
            const std::string text = CssColorText(notation, color);
            ASSERT_EQ(ParseCssColor(text), color) << text;
        }
    }
}

struct ParseCase {
    const char* text;
    TColor expected;
};

// Expected colours from colorjs.io where gamut mapping is involved.
const ParseCase kParseCases[] = {
    {"#7FD46E", MakeColor(0x7F, 0xD4, 0x6E)},
    {"#7fd46e80", MakeColor(0x7F, 0xD4, 0x6E)},
    {"#f80", MakeColor(0xFF, 0x88, 0x00)},
    {"#F80C", MakeColor(0xFF, 0x88, 0x00)},
    {"  rgb(127 212 110)  ", MakeColor(127, 212, 110)},
    {"rgb(127 212 110 / 50%)", MakeColor(127, 212, 110)},
    {"RGB(127,212,110)", MakeColor(127, 212, 110)},
    {"rgba(127, 212, 110, 0.5)", MakeColor(127, 212, 110)},
    {"rgb(100%, 50%, 0%)", MakeColor(255, 128, 0)},
    {"rgb(300 -20 127.5)", MakeColor(255, 0, 128)},
    {"rgb(none 0 255)", MakeColor(0, 0, 255)},
    {"hsl(110 54.3% 63.1%)", MakeColor(127, 212, 110)},
    {"hsl(120deg 100% 25%)", MakeColor(0, 128, 0)},
    {"hsla(0.5turn, 100%, 50%, 1)", MakeColor(0, 255, 255)},
    {"hsl(-120 100 50)", MakeColor(0, 0, 255)},
    {"hwb(0 0% 0%)", MakeColor(255, 0, 0)},
    {"hwb(200 60% 60%)", MakeColor(128, 128, 128)},
    {"lab(77.8 -41.48 41.72)", MakeColor(127, 212, 110)},
    {"lab(50 120 -100)", MakeColor(0xD7, 0x00, 0xFF)},
    {"lch(77.8 58.83 134.83)", MakeColor(127, 212, 110)},
    {"oklab(79.239% -0.12352 0.10236)", MakeColor(127, 212, 110)},
    {"oklab(0.79239 -30.88% 25.59%)", MakeColor(127, 212, 110)},
    {"oklch(79.239% 0.16042 140.352)", MakeColor(127, 212, 110)},
    {"oklch(70% 0.3 30)", MakeColor(0xFF, 0x58, 0x43)},
    {"oklch(40% 100% 270)", MakeColor(0x28, 0x00, 0xDD)},
    {"oklch(62.8% 0.2577 29.23 / none)", MakeColor(255, 0, 0)},
    {"oklch(0.5 0.1 none)", MakeColor(0x90, 0x49, 0x61)},
    {"color(display-p3 0.5762 0.823 0.4769)", MakeColor(127, 212, 110)},
    {"color(display-p3 0 1 0)", MakeColor(0x00, 0xFB, 0x29)},
    {"color(srgb 1 0.5 0)", MakeColor(255, 128, 0)},
    {"color(srgb-linear 0.2158605 0.2158605 0.2158605)", MakeColor(128, 128, 128)},
    {"color(xyz 0.9504559 1 1.0890578)", MakeColor(255, 255, 255)},
    {"color(xyz-d50 0.9642957 1 0.8251046)", MakeColor(255, 255, 255)},
    {"color(a98-rgb 1 1 1)", MakeColor(255, 255, 255)},
    {"color(prophoto-rgb 0 0 0)", MakeColor(0, 0, 0)},
    {"color(rec2020 1 1 1 / 0.2)", MakeColor(255, 255, 255)},
    {"rebeccapurple", MakeColor(102, 51, 153)},
    {"DarkSlateGrey", MakeColor(47, 79, 79)},
};

void PrintTo(const ParseCase& c, std::ostream* os)
{
    *os << c.text;
}

class CssParseTest : public testing::TestWithParam<ParseCase> {};

TEST_P(CssParseTest, ReadsTheColour)
{
    EXPECT_EQ(ParseCssColor(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Notations, CssParseTest, testing::ValuesIn(kParseCases));

TEST(CssParse, RefusesWhatIsNoColour)
{
    for (const char* text : {"", "transparent", "currentcolor", "#12", "#12345", "#1234567", "#ggg", "7FD46E",
                             "rgb(1 2)", "rgb(1 2 3 4)", "rgb(1, 2 3)", "rgb(1,2,3", "rgb(1 2 3) x", "rgb(1% 2, 3)",
                             "rgb(1%, 2, 3)", "rgb(none, 2, 3)", "hsl(1 2 3 /)", "hsl(10, 50, 50%)",
                             "oklch(50% 0.1 30 / 1 / 1)", "lab(50 10deg 10)", "color(foo 1 1 1)", "color(srgb 1 1)",
                             "hwb(10, 10%, 10%)", "notacolor", "red blue", "rgb(1px 2 3)", "rgb(nan 1 1)",
                             "rgb(1e999 1 1)"})
        EXPECT_EQ(ParseCssColor(text), std::nullopt) << text;
}

TEST(CssNamedColors, TableOfAllNames)
{
    EXPECT_EQ(CssNamedColors().size(), 148u);
    for (const CssNamedColor& named : CssNamedColors())
        EXPECT_EQ(CssNamedColorValue(named.name), named.color) << named.name;
    EXPECT_EQ(CssNamedColorValue("grey"), CssNamedColorValue("gray"));
    EXPECT_EQ(CssNamedColorValue("ALICEBLUE"), MakeColor(240, 248, 255));
    EXPECT_EQ(CssNamedColorValue("transparent"), std::nullopt);
    EXPECT_EQ(CssNamedColorValue("rebecca"), std::nullopt);
}

TEST(FindCssColors, EachColourInOrderWithItsPlace)
{
    const std::string text =
        "a { color: #f80; background: rgb(0 0 255 / .5) } .b{border:1px solid red}\n"
        "oklch(70% 0.3 30), Navy; not: #12345, bred, red-ish, rgb(1 2), colors(1 2 3) #abcdef";
    const std::vector<CssColorFind> finds = FindCssColors(text);
    ASSERT_EQ(finds.size(), 6u);
    const TColor expected[] = {MakeColor(255, 136, 0), MakeColor(0, 0, 255), MakeColor(255, 0, 0),
                               MakeColor(0xFF, 0x58, 0x43), MakeColor(0, 0, 128), MakeColor(0xAB, 0xCD, 0xEF)};
    const char* pieces[] = {"#f80", "rgb(0 0 255 / .5)", "red", "oklch(70% 0.3 30)", "Navy", "#abcdef"};
    for (std::size_t i = 0; i < finds.size(); ++i) {
        EXPECT_EQ(finds[i].color, expected[i]) << i;
        EXPECT_EQ(text.substr(finds[i].offset, finds[i].length), pieces[i]) << i;
    }
}

TEST(FindCssColors, NothingInPlainTextOrTransparent)
{
    EXPECT_TRUE(FindCssColors("").empty());
    EXPECT_TRUE(FindCssColors("transparent currentColor #xyz rgb( rgb(((").empty());
    EXPECT_TRUE(FindCssColors(std::string(100000, '(')).empty());
}

TEST(FindCssColors, AnUnclosedFunctionDoesNotHideWhatFollows)
{
    const std::vector<CssColorFind> finds = FindCssColors("rgb(1 2 3 blue");
    ASSERT_EQ(finds.size(), 1u);
    EXPECT_EQ(finds[0].color, MakeColor(0, 0, 255));
}

TEST(PastedColors, CssColoursOnlyWhereTheProgramsOwnScanFindsNone)
{
    // The program's own prefixes win, and CSS text beside them is left alone.
    EXPECT_EQ(PastedColors(u"color: #112233; background: rgb(1 2 3)"), std::vector<TColor>{MakeColor(0x11, 0x22, 0x33)});
    EXPECT_EQ(PastedColors(u"RGB(1,2,3) and navy"), std::vector<TColor>{MakeColor(1, 2, 3)});
    // Otherwise each CSS colour, in order, gamut-mapped.
    EXPECT_EQ(PastedColors(u"--a: oklch(70% 0.3 30); --b: rebeccapurple; --c: hsl(0 100% 50%)"),
              (std::vector<TColor>{MakeColor(0xFF, 0x58, 0x43), MakeColor(102, 51, 153), MakeColor(255, 0, 0)}));
    EXPECT_EQ(PastedColors(u"Grün: lab(46.28 -47.55 48.59)"), std::vector<TColor>{MakeColor(0, 128, 0)});
    EXPECT_TRUE(PastedColors(u"transparent, nothing else").empty());
}

} // namespace
} // namespace tessaro
