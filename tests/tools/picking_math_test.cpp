// The eye dropper's arithmetic and the palette pictures, against values
// worked out by hand from their rules.
#include "tools/eye_dropper_math.h"
#include "tools/palette_pictures.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace tessaro::tools {
namespace {

constexpr int kScreenW = 1024;
constexpr int kScreenH = 768;

TEST(MagnifierReach, FollowsTheZoomAndRoundsHalvesToEven)
{
    EXPECT_EQ(MagnifierReach(145, 1), 36);
    EXPECT_EQ(MagnifierReach(145, 2), 18);
    EXPECT_EQ(MagnifierReach(145, 3), 12);
    EXPECT_EQ(MagnifierReach(145, 4), 9);
    EXPECT_EQ(MagnifierReach(145, 0), 36);   // 0 and below count as 1
    EXPECT_EQ(MagnifierReach(145, -5), 36);
    EXPECT_EQ(MagnifierReach(145, 99), 0);   // kept: an empty source, no crash
    EXPECT_EQ(MagnifierReach(10, 1), 2);     // 2.5 goes to the even 2
    EXPECT_EQ(MagnifierReach(14, 1), 4);     // 3.5 goes to the even 4
}

struct SourceRow {
    const char* name;
    int x, y, zoom, screenW, screenH;
    PixelRect expected;
};

class MagnifierSourceTest : public testing::TestWithParam<SourceRow> {};

TEST_P(MagnifierSourceTest, IsShiftedOntoTheScreenNeverShrunk)
{
    const SourceRow& row = GetParam();
    EXPECT_EQ(MagnifierSource(row.x, row.y, row.zoom, kMagnifierSide, row.screenW, row.screenH), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Corners, MagnifierSourceTest,
    testing::Values(SourceRow{"Middle2x", 500, 400, 1, kScreenW, kScreenH, {464, 364, 536, 436}},
                    SourceRow{"Middle8x", 500, 400, 4, kScreenW, kScreenH, {491, 391, 509, 409}},
                    SourceRow{"TopLeft2x", 0, 0, 1, kScreenW, kScreenH, {0, 0, 72, 72}},
                    SourceRow{"TopRight4x", 1023, 0, 2, kScreenW, kScreenH, {988, 0, 1024, 36}},
                    SourceRow{"BottomLeft8x", 0, 767, 4, kScreenW, kScreenH, {0, 750, 18, 768}},
                    SourceRow{"BottomRight6x", 1023, 767, 3, kScreenW, kScreenH, {1000, 744, 1024, 768}},
                    SourceRow{"NearLeftEdge", 10, 400, 1, kScreenW, kScreenH, {0, 364, 72, 436}},
                    // Wider than the screen: shifted right, then left again.
                    SourceRow{"ScreenSmallerThanSource", 10, 10, 1, 50, 50, {-22, -22, 50, 50}},
                    SourceRow{"ZoomZeroIsOne", 500, 400, 0, kScreenW, kScreenH, {464, 364, 536, 436}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GridLines, LatticeOfTwiceTheZoomFromTheTopLeft)
{
    EXPECT_TRUE(GridLines(145, 1, true).empty()) << "2x never has a grid";
    EXPECT_TRUE(GridLines(145, 2, false).empty());
    for (int zoom : {2, 3, 4}) {
        const std::vector<long long> lines = GridLines(145, zoom, true);
        const long long cell = 2 * zoom;
        ASSERT_EQ(lines.size(), std::size_t(145 / cell + 1)) << zoom;
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i], cell * long(i));
        EXPECT_EQ(lines.back(), 144);  // 36 x 4, 24 x 6 and 18 x 8
    }
}

struct MarkerRow {
    const char* name;
    int zoom, sampling;
    PixelRect black, white;
};

class SamplingMarkerTest : public testing::TestWithParam<MarkerRow> {};

TEST_P(SamplingMarkerTest, TwoOutlinesRoundTheMiddleCell)
{
    const MarkerRow& row = GetParam();
    const std::optional<SamplingMarker> marker = MarkerFor(kMagnifierSide, row.zoom, row.sampling);
    ASSERT_TRUE(marker);
    EXPECT_EQ(marker->black, row.black);
    EXPECT_EQ(marker->white, row.white);
}

// p = 72 at every zoom; c = 2 * zoom; r = sampling.
INSTANTIATE_TEST_SUITE_P(
    ZoomAndSampling, SamplingMarkerTest,
    testing::Values(MarkerRow{"Single2x", 1, 0, {70, 70, 77, 77}, {71, 71, 76, 76}},
                    MarkerRow{"ThreeBy4x", 2, 1, {66, 66, 83, 83}, {67, 67, 82, 82}},
                    MarkerRow{"FiveBy6x", 3, 2, {58, 58, 93, 93}, {59, 59, 92, 92}},
                    MarkerRow{"FiveBy8x", 4, 2, {54, 54, 99, 99}, {55, 55, 98, 98}},
                    MarkerRow{"Single8x", 4, 0, {70, 70, 83, 83}, {71, 71, 82, 82}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SamplingMarker, NoneForAnUnknownMode)
{
    EXPECT_FALSE(MarkerFor(kMagnifierSide, 1, 7));
    EXPECT_FALSE(MarkerFor(kMagnifierSide, 1, -1));
}

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;

// A screen of 20 x 20: a black-and-white checkerboard (white where x + y
// is even), or one colour; white outside it.
TColor Checkerboard(int x, int y)
{
    if (x < 0 || y < 0 || x >= 20 || y >= 20)
        return kWhite;
    return (x + y) % 2 == 0 ? kWhite : kBlack;
}

TEST(SampleColor, AveragesDropTheRemainder)
{
    const auto uniform = [](int, int) { return MakeColor(10, 200, 33); };
    for (int mode : {0, 1, 2})
        EXPECT_EQ(SampleColor(uniform, 5, 5, mode), MakeColor(10, 200, 33)) << mode;

    const auto board = [](int x, int y) { return Checkerboard(x, y); };
    EXPECT_EQ(SampleColor(board, 10, 10, 0), kWhite);
    EXPECT_EQ(SampleColor(board, 10, 11, 0), kBlack);
    // 5x5: 13 of 25 white round a white centre, 12 round a black one.
    EXPECT_EQ(SampleColor(board, 10, 10, 2), MakeColor(132, 132, 132));
    EXPECT_EQ(SampleColor(board, 10, 11, 2), MakeColor(122, 122, 122));
    // 3x3: 5 of 9 white round a white centre (141), 4 round a black (113).
    EXPECT_EQ(SampleColor(board, 10, 10, 1), MakeColor(141, 141, 141));
    EXPECT_EQ(SampleColor(board, 10, 11, 1), MakeColor(113, 113, 113));
    EXPECT_FALSE(SampleColor(board, 10, 10, 7));
}

TEST(SampleColor, PixelsOffTheScreenCountAsWhite)
{
    const auto black = [](int x, int y) { return x < 0 || y < 0 ? kWhite : kBlack; };
    // At the top-left corner 5 of 9 and 16 of 25 sample points are off the screen.
    EXPECT_EQ(SampleColor(black, 0, 0, 1), MakeColor(141, 141, 141));
    EXPECT_EQ(SampleColor(black, 0, 0, 2), MakeColor(163, 163, 163));
}

TEST(SampleTexts, NoSpaceAfterRgbAndHslOneAfterHex)
{
    const std::array<std::string, 3> orange = SampleTexts(MakeColor(255, 128, 0));
    EXPECT_EQ(orange[0], "RGB(255,128,0)");
    EXPECT_EQ(orange[1], "HSL(30,100,50)");
    EXPECT_EQ(orange[2], "HEX #FF8000");
    EXPECT_EQ(SampleTexts(MakeColor(0, 10, 171))[2], "HEX #000AAB");
}

TEST(PanelCoordinate, DesignWhenMissingHalfTheScreenWhenBeyondIt)
{
    EXPECT_EQ(PanelCoordinate(std::nullopt, 1024, 16), 16);
    EXPECT_EQ(PanelCoordinate(300, 1024, 16), 300);
    EXPECT_EQ(PanelCoordinate(1024, 1024, 16), 1024);
    EXPECT_EQ(PanelCoordinate(1025, 1024, 16), 512);
    EXPECT_EQ(PanelCoordinate(99999, 768, 16), 384);
    EXPECT_EQ(PanelCoordinate(-5, 768, 16), 0);
}

TEST(StoredEyeColor, YellowUnlessAThreeByteColour)
{
    EXPECT_EQ(StoredEyeColor(""), 0x00FFFFu);
    EXPECT_EQ(StoredEyeColor("clRed"), 0x0000FFu);
    EXPECT_EQ(StoredEyeColor("$000080FF"), MakeColor(255, 128, 0));
    EXPECT_EQ(StoredEyeColor("garbage"), 0x00FFFFu);
    EXPECT_EQ(StoredEyeColor("clBtnFace"), 0x00FFFFu);
}

TEST(WebsafePicture, CellsFollowTheFormula)
{
    std::set<TColor> websafe;
    for (int column = 1; column <= 18; ++column)
        for (int row = 0; row < 12; ++row) {
            const int c = column - 1;
            const TColor expected = column == 1 && row == 0
                                        ? kGridLineColor
                                        : MakeColor(std::uint8_t(0x33 * (3 * (row / 6) + c / 6)),
                                                    std::uint8_t(0x33 * (c % 6)), std::uint8_t(0x33 * (row % 6)));
            EXPECT_EQ(WebsafeCellColor(column, row), expected) << column << "," << row;
            // Every pixel of the 8 x 8 cell, and none of its lines.
            for (int y = 1 + 9 * row; y < 9 + 9 * row; ++y)
                for (int x = 1 + 9 * column; x < 9 + 9 * column; ++x)
                    ASSERT_EQ(WebsafePixel(x, y), expected);
            websafe.insert(expected);
        }
    EXPECT_EQ(websafe.size(), 216u);
    EXPECT_FALSE(websafe.count(0x000000));
    const TColor firstColumn[] = {0x000000, 0x333333, 0x666666, 0x999999, 0xCCCCCC, 0xFFFFFF,
                                  0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF00FF};
    for (int row = 0; row < 12; ++row)
        EXPECT_EQ(WebsafePixel(4, 4 + 9 * row), firstColumn[row]) << row;
    for (int v = 0; v < kWebsafeWidth; v += 9)
        EXPECT_EQ(WebsafePixel(v, 50), kGridLineColor);
    for (int v = 0; v < kWebsafeHeight; v += 9)
        EXPECT_EQ(WebsafePixel(50, v), kGridLineColor);
}

TEST(SpectrumPicture, WhiteTopFullColoursMiddleBlackBottom)
{
    EXPECT_EQ(SpectrumPixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(SpectrumPixel(0, 31), MakeColor(255, 0, 0));
    EXPECT_EQ(SpectrumPixel(57, 62), 0x000000u);
    // A third of the way along is green.
    EXPECT_EQ(GreenOf(SpectrumPixel(38, 31)), 255);
}

TEST(ValueLines, ExactTextsWithTheirTrailingSpace)
{
    EXPECT_EQ(VariationsValueText(MakeColor(255, 128, 0)), "R: 255, G: 128, B: 0 ( #FF8000 ) ");
    EXPECT_EQ(PaletteValueText(MakeColor(255, 128, 0)), "RGB(255,128,0) | #FF8000 ");
}

} // namespace
} // namespace tessaro::tools
