// GIMP palettes and Adobe swatch exchange files: bytes against hand-made
// files, what the readers refuse, and every writer read back by its reader.
#include "export/ase_file.h"
#include "export/gpl_file.h"
#include "export/palette_files.h"

#include "export_test_support.h"

#include <gtest/gtest.h>

namespace tessaro::exporting {
namespace {

using test::ExportData;

constexpr TColor kOrange = MakeColor(255, 128, 0);
const std::vector<TColor> kOrangeBlack = {kOrange, 0};
const std::vector<PaletteEntry> kNamedOrangeBlack = {{kOrange, "#FF8000"}, {0, "#000000"}};

TEST(Gpl, WritesTheHandMadeFile)
{
    EXPECT_EQ(WriteGpl(kOrangeBlack), ExportData("orange_black.gpl"));
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
                    RefusedText{"Negative", "GIMP Palette\n-1 0 0\n", "line 2"}),
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

TEST(Ase, RefusesOtherColourModelsAndDamagedFiles)
{
    const auto refused = [](const std::string& bytes, const std::string& message) {
        try {
            ReadAse(bytes);
            ADD_FAILURE() << "read";
        } catch (const PaletteFormatError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    };
    refused(ExportData("cmyk.ase"), "colour model \"CMYK\"");
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
    EXPECT_EQ(ColorsOf(ReadPalette(GetParam(), WritePalette(GetParam(), colors))), colors);
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
