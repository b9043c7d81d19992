// GIMP palettes and Adobe swatch exchange files: bytes against hand-made
// files, what the readers refuse, and every writer read back by its reader.
#include "export/ase_file.h"
#include "export/gpl_file.h"
#include "export/palette_files.h"
#include "export/byte_reader.h"

#include "export_test_support.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

namespace tessaro::exporting {
namespace {

using test::ExportData;

constexpr TColor kOrange = MakeColor(255, 128, 0);
const std::vector<TColor> kOrangeBlack = {kOrange, 0};
const std::vector<PaletteEntry> kNamedOrangeBlack = {{kOrange, "#FF8000"}, {0, "#000000"}};

TEST(Gpl, WritesTheHandMadeFile)
{
    EXPECT_EQ(WriteGpl(kOrangeBlack, "orange_black"), ExportData("orange_black.gpl"));
}

TEST(Gpl, NamesThePaletteOnOneLine)
{
    EXPECT_TRUE(WriteGpl(std::vector<TColor>{}, "Autumn leaves").starts_with("GIMP Palette\nName: Autumn leaves\nColumns: 0\n"));
    EXPECT_TRUE(WriteGpl(std::vector<TColor>{}, "two\r\nlines").starts_with("GIMP Palette\nName: two  lines\n"));
    EXPECT_TRUE(WriteGpl(std::vector<TColor>{}, "").starts_with("GIMP Palette\nName: KT Tessaro\n"));
    EXPECT_EQ(PaletteNameOfPath("/home/someone/lists/Autumn leaves.cll"), "Autumn leaves");
    EXPECT_EQ(PaletteNameOfPath("out.v2.gpl"), "out.v2");
    EXPECT_EQ(PaletteNameOfPath("dir.x/plain"), "plain");
}

TEST(Gpl, ReadsColoursAndNamesPassingCommentsAndHeaders)
{
    EXPECT_EQ(ReadGpl(ExportData("orange_black.gpl")), kNamedOrangeBlack);
    EXPECT_EQ(ReadGpl("\xEF\xBB\xBFGIMP Palette\r\nName: x\r\n\r\n# note\r\n1 2 3\r\n"),
              (std::vector<PaletteEntry>{{MakeColor(1, 2, 3), ""}}));
}

struct RefusedText {
    const char* name;
    const char* text;
    const char* message;
};

class GplRefuses : public testing::TestWithParam<RefusedText> {};

TEST_P(GplRefuses, WithMessage)
{
    try {
        ReadGpl(GetParam().text);
        FAIL() << "read";
    } catch (const PaletteFormatError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, GplRefuses,
    testing::Values(RefusedText{"Empty", "", "not a GIMP palette"},
                    RefusedText{"OtherFirstLine", "JASC-PAL\n", "not a GIMP palette"},
                    RefusedText{"ChannelAbove255", "GIMP Palette\n256 0 0 red\n", "line 2"},
                    RefusedText{"TwoNumbers", "GIMP Palette\n#\n10 20\n", "line 3"},
                    RefusedText{"Negative", "GIMP Palette\n-1 0 0\n", "line 2"},
                    RefusedText{"OutOfRangeAfterByteOrderMark", "\xEF\xBB\xBFGIMP Palette\r\n# c\r\n300 -5 7\r\n",
                                "line 3 has the value 300: colour values must be 0-255"},
                    RefusedText{"NegativeValueNamed", "GIMP Palette\n1 -5 7\n", "line 2 has the value -5"},
                    RefusedText{"HugeValue", "GIMP Palette\n1 2 99999999999999999999\n", "the value 1000 or more"},
                    RefusedText{"Word", "GIMP Palette\nred 0 0\n", "line 2 is not a colour"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Ase, WritesTheHandMadeFile)
{
    EXPECT_EQ(WriteAse(kOrangeBlack), ExportData("orange_black.ase"));
}

TEST(Ase, ReadsColourEntriesPassingGroups)
{
    EXPECT_EQ(ReadAse(ExportData("orange_black.ase")), kNamedOrangeBlack);
    EXPECT_EQ(ReadAse(ExportData("grouped.ase")), kNamedOrangeBlack);
}

// An ASE file of swatches, each a model and its floats, named "A".
std::string AseOf(const std::vector<std::pair<std::string, std::vector<float>>>& swatches)
{
    std::string out = "ASEF";
    PutU16Be(out, 1);
    PutU16Be(out, 0);
    PutU32Be(out, std::uint32_t(swatches.size()));
    for (const auto& [model, values] : swatches) {
        std::string block;
        PutU16Be(block, 2);
        PutU16Be(block, 'A');
        PutU16Be(block, 0);
        block += model;
        for (float v : values)
            PutU32Be(block, std::bit_cast<std::uint32_t>(v));
        PutU16Be(block, 2);
        PutU16Be(out, 1);
        PutU32Be(out, std::uint32_t(block.size()));
        out += block;
    }
    return out;
}

TEST(Ase, ConvertsGreyCmykAndLabAndSkipsOtherModels)
{
    const std::string bytes = AseOf({{"Gray", {0.5f}},
                                     {"CMYK", {1, 0, 0, 0}},
                                     {"LAB ", {1, 0, 0}},
                                     {"XYZ ", {0.1f, 0.2f, 0.3f}},
                                     {"RGB ", {1, 0.5f, 0}},
                                     {"LAB ", {0.2957f, 68.30f, -112.03f}}});
    std::string note;
    EXPECT_EQ(ColorsOf(ReadAse(bytes, &note)), (std::vector<TColor>{MakeColor(128, 128, 128), MakeColor(0, 255, 255),
                                                                     MakeColor(255, 255, 255), kOrange,
                                                                     MakeColor(0, 0, 255)}));
    EXPECT_EQ(note, "ASE: 5 of 6 swatches were not RGB: 1 grey converted exactly, 1 CMYK converted without a colour "
                    "profile (R = 255*(1-C)*(1-K), likewise G and B), 2 Lab converted from D50 to sRGB (clipped to "
                    "sRGB), 1 skipped (colour model \"XYZ \")");
    // The hand-made file's CMYK swatch, half the magenta and all the yellow, is orange too.
    EXPECT_EQ(ReadPalette(PaletteKind::Ase, ExportData("cmyk.ase")).entries,
              (std::vector<PaletteEntry>{{kOrange, "#FF8000"}, {kOrange, "Ink"}}));
    std::string none = "unchanged";
    ReadAse(ExportData("orange_black.ase"), &none);
    EXPECT_EQ(none, "");
}

TEST(Ase, RefusesDamagedFilesAndFilesOfOnlySkippedSwatches)
{
    const auto refused = [](const std::string& bytes, const std::string& message) {
        try {
            ReadAse(bytes);
            ADD_FAILURE() << "read";
        } catch (const PaletteFormatError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    };
    refused(AseOf({{"XYZ ", {0.1f, 0.2f, 0.3f}}}), "1 skipped (colour model \"XYZ \"); no swatch is left to read");
    refused(AseOf({{"Gray", {std::nanf("")}}}), "not a number");
    refused(AseOf({{"CMYK", {1, 0, 0}}}), "truncated");
    refused("ASEF", "truncated");
    refused(std::string("ASEF\0\1\0\0\xFF\xFF\xFF\xFF", 12), "block count");
    std::string longBlock = ExportData("orange_black.ase");
    longBlock[17] = char(0x7F);  // the first block's length
    refused(longBlock, "runs past the end");
    refused("GIMP Palette\n", "signature");
}

// Each kind's writer read back by its reader gives the colours.
class PaletteRoundTrip : public testing::TestWithParam<PaletteKind> {};

TEST_P(PaletteRoundTrip, ReadsBackTheColours)
{
    std::vector<TColor> colors;
    for (TColor c = 0; c < 0x1000000; c += 0x0B0D07)
        colors.push_back(c);
    colors.push_back(0xFFFFFF);
    const PaletteRead read = ReadPalette(GetParam(), WritePalette(GetParam(), colors, "round trip"));
    EXPECT_EQ(ColorsOf(read.entries), colors);
    EXPECT_EQ(read.note, "");
}

INSTANTIATE_TEST_SUITE_P(Kinds, PaletteRoundTrip,
                         testing::Values(PaletteKind::Aco, PaletteKind::Pal, PaletteKind::Gpl, PaletteKind::Ase));

TEST(PaletteKinds, ByExtensionIgnoringCase)
{
    EXPECT_EQ(PaletteKindOfPath("a/b.GPL"), PaletteKind::Gpl);
    EXPECT_EQ(PaletteKindOfPath("x.Ase"), PaletteKind::Ase);
    EXPECT_EQ(PaletteKindOfPath("x.htm"), PaletteKind::Html);
    EXPECT_EQ(PaletteKindOfPath("dir.aco/file"), std::nullopt);
    EXPECT_EQ(PaletteKindOfPath("x.cll"), std::nullopt);
    EXPECT_FALSE(IsReadablePalette(PaletteKind::Html));
}

} // namespace
} // namespace tessaro::exporting
