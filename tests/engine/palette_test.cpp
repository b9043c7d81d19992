// The wheel, harmonies, quick variations, variation grid and colour name.
#include "engine/palette.h"

#include "engine/engine_printers.h"
#include "engine/keyvalue_text.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace tessaro {
namespace {

TColor C(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return MakeColor(r, g, b);
}

DerivedPalette Derive(RgbTriple rgb, bool grid = true)
{
    return DerivePalette(rgb, MakeColor(rgb), {.withVariationGrid = grid});
}

TEST(PaletteTest, WorkedExampleRust)
{
    const DerivedPalette p = Derive({200, 100, 50});
    EXPECT_EQ(p.wheel[0], C(200, 100, 50));
    EXPECT_EQ(p.wheel[1], C(200, 174, 50));
    EXPECT_EQ(p.wheel[6], C(50, 150, 200));
    const std::array<TColor, 10> variations = {
        C(250, 240, 235), C(245, 224, 214), C(235, 194, 173), C(224, 163, 133), C(214, 133, 92),
        C(204, 102, 51),  C(163, 82, 41),   C(122, 61, 31),   C(82, 41, 20),    C(61, 31, 15),
    };
    EXPECT_EQ(p.quickVariations, variations);
}

TEST(PaletteTest, PureRedWheel)
{
    const std::array<TColor, 12> wheel = {
        C(255, 0, 0), C(255, 128, 0), C(255, 255, 0), C(128, 255, 0), C(0, 255, 0),   C(0, 255, 128),
        C(0, 255, 255), C(0, 128, 255), C(0, 0, 255), C(128, 0, 255), C(255, 0, 255), C(255, 0, 128),
    };
    EXPECT_EQ(Derive({255, 0, 0}).wheel, wheel);
}

TEST(PaletteTest, HarmoniesAreCopiedFromTheWheel)
{
    // A colour whose twelve wheel colours all differ, so each index shows.
    const DerivedPalette p = Derive({200, 100, 50});
    for (std::size_t i = 0; i < 12; ++i)
        for (std::size_t j = i + 1; j < 12; ++j)
            ASSERT_NE(p.wheel[i], p.wheel[j]) << i << " " << j;

    const auto pick = [&](std::vector<int> idx) {
        std::vector<TColor> out;
        for (int i : idx)
            out.push_back(p.wheel[std::size_t(i)]);
        return out;
    };
    const auto vec = [](const auto& a) { return std::vector<TColor>(a.begin(), a.end()); };
    EXPECT_EQ(vec(p.analogous), pick({11, 0, 1}));
    EXPECT_EQ(vec(p.complements), pick({0, 6}));
    EXPECT_EQ(vec(p.splitComplements), pick({0, 5, 7}));
    EXPECT_EQ(vec(p.triad), pick({0, 4, 8}));
    EXPECT_EQ(vec(p.tetrad), pick({0, 2, 6, 8}));
    EXPECT_EQ(vec(p.square), pick({0, 3, 6, 9}));
}

struct GreyCase {
    std::uint8_t grey;
    std::uint8_t turned;
};

class GreyWheelTest : public testing::TestWithParam<GreyCase> {};

TEST_P(GreyWheelTest, TurnedGreysAreRecomputed)
{
    const std::uint8_t g = GetParam().grey;
    const std::uint8_t t = GetParam().turned;
    const DerivedPalette p = Derive({g, g, g});
    EXPECT_EQ(p.wheel[0], C(g, g, g));
    for (std::size_t k = 1; k < 12; ++k)
        EXPECT_EQ(p.wheel[k], C(t, t, t)) << "wheel " << k;
    EXPECT_EQ(p.variationGrid[0][0], C(t, t, t));
}

INSTANTIATE_TEST_SUITE_P(Greys, GreyWheelTest, testing::Values(
    GreyCase{100, 100}, GreyCase{200, 199}, GreyCase{0, 0}, GreyCase{255, 255}),
    [](const auto& info) { return "Grey" + std::to_string(info.param.grey); });

TEST(PaletteTest, Hue360IsTakenAsZero)
{
    const DerivedPalette p = Derive({255, 0, 1});
    EXPECT_EQ(p.wheel[0], C(255, 0, 1));
    EXPECT_EQ(p.wheel[1], C(255, 128, 0));  // HslToRgb(30, 100, 50)
    EXPECT_EQ(p.wheel[11], C(255, 0, 128));
    const std::array<TColor, 10> variations = {
        C(255, 230, 230), C(255, 204, 204), C(255, 153, 153), C(255, 102, 102), C(255, 51, 51),
        C(255, 0, 0),     C(204, 0, 0),     C(153, 0, 0),     C(102, 0, 0),     C(76, 0, 0),
    };
    EXPECT_EQ(p.quickVariations, variations);
    EXPECT_EQ(p.variationGrid[0][0], C(255, 0, 0));
    EXPECT_EQ(p.variationGrid[0][5], C(255, 0, 0));
}

TEST(PaletteTest, WheelZeroIsTheShownValueNotRecomputed)
{
    // The swatch's value is copied even when it is not RGB(R, G, B).
    const TColor shown = 0x80000005u;
    const DerivedPalette p = DerivePalette({200, 100, 50}, shown);
    EXPECT_EQ(p.wheel[0], shown);
    EXPECT_EQ(p.complements[0], shown);
    EXPECT_EQ(p.wheel[1], C(200, 174, 50));
}

TEST(VariationGridTest, RowsTurnHueColumnsSetLightness)
{
    const DerivedPalette p = Derive({200, 100, 50});
    // Column 5 is lightness 50 in row 0: the quick variation at 50.
    EXPECT_EQ(p.variationGrid[0][5], C(204, 102, 51));
    // Row 0 column 0 uses the main lightness with the main hue.
    EXPECT_EQ(p.variationGrid[0][0], MakeColor(HslToRgb(20, 60, 49)));
    for (std::size_t r = 1; r < 12; ++r)
        EXPECT_EQ(p.variationGrid[r][0], p.wheel[r]) << "row " << r;
    for (std::size_t c = 1; c < 10; ++c) {
        EXPECT_EQ(p.variationGrid[0][c], MakeColor(HslToRgb(20, 60, int(10 * c)))) << "column " << c;
        EXPECT_EQ(p.variationGrid[6][c], MakeColor(HslToRgb(200, 60, int(10 * c)))) << "column " << c;
    }
    // Row 11 turns by 330 degrees: hue 20 + 330 - 360 = 350.
    EXPECT_EQ(p.variationGrid[11][3], MakeColor(HslToRgb(350, 60, 30)));
}

TEST(VariationGridTest, PaintsFifteenPixelCellsWithGaps)
{
    const DerivedPalette p = Derive({200, 100, 50});
    constexpr int kWidth = 220, kHeight = 250;
    std::vector<TColor> picture(kWidth * kHeight, 0xFFFFFFFFu);
    PaintVariationGrid(p, kWidth, kHeight, [&](int x, int y, TColor c) {
        ASSERT_TRUE(x >= 0 && x < kWidth && y >= 0 && y < kHeight);
        picture[std::size_t(y * kWidth + x)] = c;
    });
    const auto at = [&](int x, int y) { return picture[std::size_t(y * kWidth + x)]; };
    EXPECT_EQ(at(10, 10), p.variationGrid[0][0]);
    EXPECT_EQ(at(24, 24), p.variationGrid[0][0]);
    EXPECT_EQ(at(25, 10), 0xFFFFFFFFu);  // the gap keeps what the picture held
    EXPECT_EQ(at(10, 25), 0xFFFFFFFFu);
    EXPECT_EQ(at(9, 9), 0xFFFFFFFFu);
    EXPECT_EQ(at(30, 10), p.variationGrid[0][1]);
    EXPECT_EQ(at(10 + 20 * 9 + 14, 10 + 20 * 11 + 14), p.variationGrid[11][9]);
    EXPECT_EQ(at(10 + 20 * 9 + 15, 10 + 20 * 11 + 15), 0xFFFFFFFFu);
    // A picture smaller than the grid is clipped, not overrun.
    int painted = 0;
    PaintVariationGrid(p, 12, 12, [&](int x, int y, TColor) {
        ASSERT_LT(x, 12);
        ASSERT_LT(y, 12);
        ++painted;
    });
    EXPECT_EQ(painted, 4);
}

struct NameCase {
    const char* name;
    const char* list;
    RgbTriple rgb;
    const char* expected;
};

class ColorNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(ColorNameTest, LooksUpTheHashHexKeyIgnoringCase)
{
    const KeyValueText names = KeyValueText::Parse(GetParam().list);
    EXPECT_EQ(LookupColorName(names, GetParam().rgb), GetParam().expected);
    const DerivedPalette p = DerivePalette(GetParam().rgb, MakeColor(GetParam().rgb), {.colorNames = &names});
    EXPECT_EQ(p.colorName, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ColorNameTest, testing::Values(
    NameCase{"UpperCaseKey", "#FF0000=Red\r\n", {255, 0, 0}, "Red"},
    NameCase{"LowerCaseKey", "#ff0000=Red\r\n", {255, 0, 0}, "Red"},
    NameCase{"AmongOthers", "#000000=Black\r\n#ffcc00=Tangerine Yellow\r\n", {255, 204, 0}, "Tangerine Yellow"},
    NameCase{"Missing", "#FF0000=Red\r\n", {255, 0, 1}, ""},
    NameCase{"EmptyValueCountsAsMissing", "#FF0000=\r\n", {255, 0, 0}, ""},
    NameCase{"FirstLineWins", "#FF0000=Red\r\n#ff0000=Scarlet\r\n", {255, 0, 0}, "Red"},
    NameCase{"EmptyList", "", {255, 0, 0}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColorNameTest, NoListLeavesTheNameEmpty)
{
    EXPECT_EQ(DerivePalette({255, 0, 0}, MakeColor(255, 0, 0)).colorName, "");
}

} // namespace
} // namespace tessaro
