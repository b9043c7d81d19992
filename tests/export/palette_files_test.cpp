// ACO and PAL palette files: bytes against hand-made files, round trips and
// files that are not sound.
#include "export/aco_file.h"
#include "export/pal_file.h"

#include "export_test_support.h"

#include <gtest/gtest.h>

namespace tessaro::exporting {
namespace {

using test::ExportData;

constexpr TColor kOrange = MakeColor(255, 128, 0);
const std::vector<TColor> kOrangeBlack = {kOrange, 0};

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int v : values)
        bytes += char(v);
    return bytes;
}

TEST(Aco, WritesVersionOneThenVersionTwo)
{
    const std::string expected = ExportData("orange_black.aco");
    ASSERT_EQ(expected.size(), 88u);
    EXPECT_EQ(WriteAco(kOrangeBlack), expected);
    EXPECT_EQ(WriteAco({}), ExportData("empty.aco"));
}

TEST(Aco, ReadsNamesFromVersionTwo)
{
    EXPECT_EQ(ReadAco(ExportData("orange_black.aco")),
              (std::vector<PaletteEntry>{{kOrange, "#FF8000"}, {0, "#000000"}}));
}

TEST(Aco, ReadsEitherVersionAlone)
{
    const std::string both = ExportData("orange_black.aco");
    const std::string v1 = both.substr(0, 24);
    EXPECT_EQ(ReadAco(v1), (std::vector<PaletteEntry>{{kOrange, ""}, {0, ""}}));
    EXPECT_EQ(ReadAco(both.substr(24)), (std::vector<PaletteEntry>{{kOrange, "#FF8000"}, {0, "#000000"}}));
}

TEST(Aco, SixteenBitChannelsRoundToEightBits)
{
    // 0x8000 is just over 127.5 steps of 257, 0x0101 exactly one, 0x0080 just
    // under half of one.
    const std::string v1 = Bytes({0, 1, 0, 1, 0, 0, 0x80, 0x00, 0x01, 0x01, 0x00, 0x80, 0, 0});
    EXPECT_EQ(ReadAco(v1).at(0).color, MakeColor(128, 1, 0));
}

// One swatch of each colour space Photoshop writes, words w x y z: RGB
// 0..65535; HSB hue, saturation and brightness 0..65535; CMYK 65535 - ink;
// Lab L x 100 and signed a x 100, b x 100; grey black ink x 100; and a
// Pantone (3) swatch, which only its book can give a colour.
std::string AcoSwatch(int space, int w, int x, int y, int z)
{
    return Bytes({0, space, (w >> 8) & 0xFF, w & 0xFF, (x >> 8) & 0xFF, x & 0xFF, (y >> 8) & 0xFF, y & 0xFF,
                  (z >> 8) & 0xFF, z & 0xFF});
}

TEST(Aco, ConvertsHsbCmykLabAndGreyAndSkipsOtherSpaces)
{
    const std::string swatches = AcoSwatch(0, 0xFFFF, 0x8080, 0, 0) +
                                 AcoSwatch(1, 0x5555, 0xFFFF, 0xFFFF, 0) +         // green, a third of a turn
                                 AcoSwatch(2, 0, 0xFFFF, 0xFFFF, 0xFFFF) +         // all cyan ink
                                 AcoSwatch(2, 0xFFFF, 0xFFFF, 0xFFFF, 0x8000) +    // half black ink: 128
                                 AcoSwatch(7, 2957, 6830, 0x10000 - 11203, 0) +    // sRGB blue at D50
                                 AcoSwatch(7, 10000, 0, 0, 0) +                    // white
                                 AcoSwatch(8, 2500, 0, 0, 0) +                     // a quarter black: 191.25
                                 AcoSwatch(8, 10000, 0, 0, 0) +                    // all black
                                 AcoSwatch(3, 1, 2, 3, 0);
    std::string note;
    EXPECT_EQ(ColorsOf(ReadAco(Bytes({0, 1, 0, 9}) + swatches, &note)),
              (std::vector<TColor>{kOrange, MakeColor(0, 255, 0), MakeColor(0, 255, 255), MakeColor(128, 128, 128),
                                   MakeColor(0, 0, 255), MakeColor(255, 255, 255), MakeColor(191, 191, 191), 0}));
    EXPECT_EQ(note, "ACO: 8 of 9 swatches were not RGB: 2 grey converted exactly, 1 HSB converted exactly, 2 CMYK "
                    "converted without a colour profile (R = 255*(1-C)*(1-K), likewise G and B), 2 Lab converted "
                    "from D50 to sRGB (clipped to sRGB), 1 skipped (colour space 3)");
}

TEST(Aco, NoteFollowsTheSectionWhoseColoursAreRead)
{
    // Version 1 then version 2 with names: the grey swatch is counted once.
    const std::string named = Bytes({0, 2, 0, 2}) + AcoSwatch(0, 0xFFFF, 0x8080, 0, 0) +
                              Bytes({0, 0, 0, 2, 0, 'o', 0, 0}) + AcoSwatch(8, 0, 0, 0, 0) +
                              Bytes({0, 0, 0, 2, 0, 'w', 0, 0});
    const std::string both = Bytes({0, 1, 0, 2}) + AcoSwatch(0, 0xFFFF, 0x8080, 0, 0) + AcoSwatch(8, 0, 0, 0, 0) + named;
    std::string note;
    EXPECT_EQ(ReadAco(both, &note), (std::vector<PaletteEntry>{{kOrange, "o"}, {MakeColor(255, 255, 255), "w"}}));
    EXPECT_EQ(note, "ACO: 1 of 2 swatches was not RGB: 1 grey converted exactly");
    // A skipped swatch keeps its name out of the list and the rest in order.
    const std::string skipped = Bytes({0, 2, 0, 2}) + AcoSwatch(4, 1, 1, 1, 1) + Bytes({0, 0, 0, 2, 0, 'f', 0, 0}) +
                                AcoSwatch(0, 0, 0, 0, 0) + Bytes({0, 0, 0, 2, 0, 'k', 0, 0});
    EXPECT_EQ(ReadAco(skipped, &note), (std::vector<PaletteEntry>{{0, "k"}}));
    EXPECT_EQ(note, "ACO: 1 of 2 swatches was not RGB: 1 skipped (colour space 4)");
}

TEST(Aco, RoundTripOfManyColours)
{
    std::vector<TColor> colors;
    for (TColor c = 0; c < 0x1000000; c += 0x010307)
        colors.push_back(c);
    EXPECT_EQ(ColorsOf(ReadAco(WriteAco(colors))), colors);
}

TEST(Aco, BrokenVersionTwoAfterSoundVersionOneIsPassedOver)
{
    const std::string both = ExportData("orange_black.aco");
    EXPECT_EQ(ColorsOf(ReadAco(both.substr(0, 40))), kOrangeBlack);
}

TEST(Aco, InvalidUtf16NameBecomesReplacementCharacter)
{
    const std::string v2 = Bytes({0, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0xD8, 0x00, 0, 0});
    EXPECT_EQ(ReadAco(v2).at(0).name, "\xEF\xBF\xBD");
    const std::string unnamed = Bytes({0, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    EXPECT_EQ(ReadAco(unnamed).at(0).name, "");
}

TEST(Pal, RiffHeaderDataChunkAndFourBytesPerColour)
{
    const std::string expected = ExportData("orange_black.pal");
    ASSERT_EQ(expected.size(), 32u);
    EXPECT_EQ(WritePal(kOrangeBlack), expected);
    EXPECT_EQ(WritePal({}), ExportData("empty.pal"));
    EXPECT_EQ(ColorsOf(ReadPal(expected)), kOrangeBlack);
    EXPECT_TRUE(ReadPal(ExportData("empty.pal")).empty());
}

TEST(Pal, RoundTripOfManyColours)
{
    std::vector<TColor> colors;
    for (TColor c = 0; c < 0x1000000; c += 0x0F0E0D)
        colors.push_back(c);
    const std::string bytes = WritePal(colors);
    EXPECT_EQ(bytes.size(), 24 + 4 * colors.size());
    EXPECT_EQ(ColorsOf(ReadPal(bytes)), colors);
}

TEST(Pal, SkipsOtherChunksBeforeData)
{
    std::string bytes = ExportData("orange_black.pal");
    bytes.insert(12, Bytes({'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0}));
    EXPECT_EQ(ColorsOf(ReadPal(bytes)), kOrangeBlack);
}

TEST(PaletteWriters, RefuseMoreColoursThanTheCountHolds)
{
    const std::vector<TColor> many(kMaxPaletteColors + 1, 0);
    EXPECT_THROW(WritePal(many), PaletteFormatError);
    EXPECT_THROW(WriteAco(many), PaletteFormatError);
    EXPECT_NO_THROW(WritePal(std::vector<TColor>(kMaxPaletteColors, 0)));
}

struct BadFile {
    const char* name;
    std::string bytes;
    const char* message;  // part of the error message
};

void PrintTo(const BadFile& c, std::ostream* os)
{
    *os << c.name;
}

class BadAco : public testing::TestWithParam<BadFile> {};
class BadPal : public testing::TestWithParam<BadFile> {};

void ExpectRefused(const std::function<void()>& read, const char* message)
{
    try {
        read();
        FAIL() << "read";
    } catch (const PaletteFormatError& e) {
        EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
}

TEST_P(BadAco, Refused)
{
    ExpectRefused([&] { ReadAco(GetParam().bytes); }, GetParam().message);
}

TEST_P(BadPal, Refused)
{
    ExpectRefused([&] { ReadPal(GetParam().bytes); }, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadAco,
    testing::Values(BadFile{"Empty", "", "truncated header"},
                    BadFile{"OneByte", Bytes({0}), "truncated header"},
                    BadFile{"UnknownVersion", Bytes({0, 3, 0, 0}), "not a swatch file"},
                    BadFile{"NoCount", Bytes({0, 1}), "truncated colour count"},
                    BadFile{"CountLargerThanFile", Bytes({0, 1, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
                            "larger than the file holds"},
                    BadFile{"OnlyASkippedSpace", Bytes({0, 1, 0, 1, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0}),
                            "1 skipped (colour space 3); no swatch is left to read"},
                    BadFile{"HugeNameLength", Bytes({0, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}),
                            "runs past the end"},
                    BadFile{"TruncatedName", Bytes({0, 2, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 'a'}),
                            "runs past the end"}),
    [](const auto& info) { return std::string(info.param.name); });

std::string PalWith(int offset, std::initializer_list<int> patch)
{
    std::string bytes = ExportData("orange_black.pal");
    int i = offset;
    for (int v : patch)
        bytes[std::size_t(i++)] = char(v);
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadPal,
    testing::Values(BadFile{"Empty", "", "truncated header"},
                    BadFile{"NotRiff", PalWith(0, {'R', 'I', 'F', 'X'}), "not a RIFF file"},
                    BadFile{"NotPalForm", PalWith(8, {'W', 'A', 'V', 'E'}), "not a palette"},
                    BadFile{"NoDataChunk", PalWith(12, {'d', 'a', 't', 'x'}), "no \"data\" chunk"},
                    BadFile{"ChunkPastEnd", PalWith(16, {0xFF, 0xFF, 0xFF, 0xFF}), "runs past the end"},
                    BadFile{"OtherVersion", PalWith(20, {0x00, 0x01}), "version 256"},
                    BadFile{"CountLargerThanChunk", PalWith(22, {0x03, 0x00}), "larger than the data chunk"},
                    BadFile{"Truncated", ExportData("orange_black.pal").substr(0, 28), "runs past the end"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaro::exporting
