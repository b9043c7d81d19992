// tessaro-cli's export commands, run in-process: bytes against the
// hand-made palette files, the Center's text formats and the exit statuses.
#include "cli/cli.h"

#include "cli/cli_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace tessaro::cli {
namespace {

using test::DataPath;
using test::ReadFile;

struct ExportResult {
    int code = -1;
    std::string out;
    std::string err;
};

ExportResult RunExport(const std::vector<std::string>& args)
{
    std::istringstream in;
    std::ostringstream out, err;
    ExportResult r;
    r.code = Run(args, in, out, err, ".");
    r.out = out.str();
    r.err = err.str();
    return r;
}

struct ExportCase {
    const char* name;
    std::vector<std::string> args;
    int code;
    std::string out;  // standard output, or the named data file's bytes when it starts with "@"
};

void PrintTo(const ExportCase& c, std::ostream* os)
{
    *os << c.name;
}

class CliExport : public testing::TestWithParam<ExportCase> {};

TEST_P(CliExport, WritesAndExits)
{
    const ExportCase& c = GetParam();
    const ExportResult r = RunExport(c.args);
    EXPECT_EQ(r.code, c.code) << r.err;
    EXPECT_EQ(r.out, c.out.starts_with("@") ? ReadFile(DataPath(c.out.substr(1))) : c.out);
    if (c.code == kExitUsage) {
        EXPECT_NE(r.err.find("Usage:"), std::string::npos);
    }
}

const std::string kList = DataPath("export/orange_black.cll");
const std::string kMixed = DataPath("export/mixed_entries.cll");

INSTANTIATE_TEST_SUITE_P(
    Commands, CliExport,
    testing::Values(
        ExportCase{"AcoFromColours", {"export-aco", "FF8000", "#000000"}, 0, "@export/orange_black.aco"},
        ExportCase{"AcoFromList", {"export-aco", "--list", kList}, 0, "@export/orange_black.aco"},
        ExportCase{"PalFromList", {"export-pal", "--list", kList}, 0, "@export/orange_black.pal"},
        ExportCase{"PalOfEmptyList", {"export-pal", "--list", DataPath("export/empty.aco") + "/none"}, 4, ""},
        ExportCase{"ReadPal", {"read-palette", DataPath("export/orange_black.pal")}, 0,
                   "#FF8000\n#000000\n"},
        ExportCase{"ReadAco", {"read-palette", DataPath("export/orange_black.aco")}, 0, "#FF8000\n#000000\n"},
        ExportCase{"ReadGpl", {"read-palette", DataPath("export/orange_black.gpl")}, 0, "#FF8000\n#000000\n"},
        ExportCase{"ReadAseWithCmyk", {"read-palette", DataPath("export/cmyk.ase")}, 0, "#FF8000\n#FF8000\n"},
        ExportCase{"CssBothOptions", {"export", "css", "--background-color", "FF8000", "336699"}, 0,
                   ".color1 { color: #FF8000; }\r\n.color2 { color: #336699; }\r\n"
                   ".backgroundcolor1 { background-color: #FF8000; }\r\n"
                   ".backgroundcolor2 { background-color: #336699; }\r\n"},
        ExportCase{"CssNoTextColor", {"export", "css", "--no-text-color", "FF8000"}, 0, ""},
        ExportCase{"HtmlBgColorOnly", {"export", "html", "--no-color", "--bgcolor", "FF8000"}, 0,
                   " bgcolor=\"#FF8000\" \r\n"},
        ExportCase{"ValueDefaultIsHex", {"export", "value", "--list", kMixed}, 0, "FF8000\r\n\r\n336699\r\n\r\n"},
        ExportCase{"ValueFields", {"export", "value", "--fields", "vb,rgb", "FF8000"}, 0,
                   "RGB(255,128,0)\r\n&H0080FF\r\n\r\n"},
        ExportCase{"ValueNoFields", {"export", "value", "--fields", "", "FF8000"}, 0, "\r\n"},
        ExportCase{"TextWebsafeOnly", {"export", "text", "--fields", "websafe", "336699"}, 0,
                   "Color 1\r\n---------------------\r\nThis color is websafe.\r\n\r\n"},
        ExportCase{"OptionOfAnotherFormat", {"export", "css", "--bgcolor", "FF8000"}, 2, ""},
        ExportCase{"FieldOutsideList", {"export", "text", "--fields", "rgb,delphi", "FF8000"}, 2, ""},
        ExportCase{"UnknownFormat", {"export", "gif", "FF8000"}, 2, ""},
        ExportCase{"NoColours", {"export-aco"}, 2, ""},
        ExportCase{"ListAndColours", {"export-pal", "--list", kList, "FF8000"}, 2, ""},
        ExportCase{"OptionOnListExport", {"export-pal", "--outline", "FF8000"}, 2, ""},
        ExportCase{"ShortColour", {"export-html", "FF80"}, 2, ""},
        ExportCase{"NonHexColour", {"export-aco", "GG0000"}, 1, ""},
        ExportCase{"NonHexListEntry", {"export", "css", "--list", DataPath("cli/import_sample.css")}, 1, ""},
        ExportCase{"MissingList", {"export-aco", "--list", "/no/such.cll"}, 4, ""},
        ExportCase{"PaletteOfWrongKind", {"read-palette", DataPath("export/orange_black.cll")}, 2, ""},
        ExportCase{"UnsoundPalette", {"read-palette", DataPath("export/truncated.aco")}, 4, ""},
        ExportCase{"CssVariablesPrefix", {"export", "css-vars", "--prefix", "brand", "FF8000"}, 0,
                   ":root {\r\n  --brand-1: #FF8000;\r\n}\r\n"},
        ExportCase{"ScssDefaultPrefix", {"export", "scss", "FF8000", "000000"}, 0,
                   "$color-1: #FF8000;\r\n$color-2: #000000;\r\n"},
        ExportCase{"TailwindFromList", {"export", "tailwind", "--list", kMixed}, 0,
                   "colors: {\r\n  'color-1': '#FF8000',\r\n  'color-2': '#336699',\r\n},\r\n"},
        ExportCase{"BadPrefix", {"export", "json", "--prefix", "1a", "FF8000"}, 2, ""},
        ExportCase{"PrefixOnCss", {"export", "css", "--prefix", "a", "FF8000"}, 2, ""},
        ExportCase{"SizeOutsideList", {"export", "swatches", "--size", "11", "-o", "x.png", "FF8000"}, 2, ""},
        ExportCase{"ColumnsOutsideList", {"export", "swatches", "--columns", "11", "-o", "x.png", "FF8000"}, 2, ""},
        ExportCase{"SpaceAbove15", {"export", "swatches", "--space", "16", "-o", "x.png", "FF8000"}, 2, ""},
        ExportCase{"PictureWithoutFile", {"export", "swatches", "FF8000"}, 2, ""},
        ExportCase{"PictureOfUnknownKind", {"export", "list", "-o", "x.gif", "FF8000"}, 2, ""},
        ExportCase{"OutlineOnList", {"export", "list", "--outline", "-o", "x.png", "FF8000"}, 2, ""},
        ExportCase{"ConvertGplToAco", {"convert", DataPath("export/orange_black.gpl"), "/dev/stdout"}, 2, ""},
        ExportCase{"ConvertFromHtml", {"convert", "a.html", "b.gpl"}, 2, ""},
        ExportCase{"ConvertUnsound", {"convert", DataPath("export/truncated.aco"), "out.gpl"}, 4, ""}),
    [](const auto& info) { return std::string(info.param.name); });

class CliExportFile : public testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() / ("tessaro-cli-export-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::filesystem::path folder_;
};

TEST_F(CliExportFile, WritesFileAndReadsItBack)
{
    const std::string path = (folder_ / "list.pal").string();
    ASSERT_EQ(RunExport({"export-pal", "-o", path, "--list", kList}).code, kExitOk);
    EXPECT_EQ(ReadFile(path), ReadFile(DataPath("export/orange_black.pal")));
    EXPECT_EQ(RunExport({"read-palette", path}).out, "#FF8000\n#000000\n");
}

TEST_F(CliExportFile, HtmlPageToFile)
{
    const std::string path = (folder_ / "list.html").string();
    ASSERT_EQ(RunExport({"export-html", "-o", path, "FF8000"}).code, kExitOk);
    EXPECT_NE(ReadFile(path).find("HEX: #FF8000<br>RGB: 255, 128, 0<br>HSL: 30, 100, 50"), std::string::npos);
}

// convert: each input kind to each output kind, read back.
TEST_F(CliExportFile, ConvertsBetweenListAndPaletteFiles)
{
    const std::string gpl = (folder_ / "a.GPL").string();
    ASSERT_EQ(RunExport({"convert", kList, gpl}).code, kExitOk);
    EXPECT_EQ(ReadFile(gpl), ReadFile(DataPath("export/orange_black.gpl")));
    for (const char* ext : {"aco", "ase", "pal"}) {
        const std::string out = (folder_ / ("b." + std::string(ext))).string();
        ASSERT_EQ(RunExport({"convert", gpl, out}).code, kExitOk) << ext;
        EXPECT_EQ(ReadFile(out), ReadFile(DataPath("export/orange_black." + std::string(ext)))) << ext;
    }
    const std::string cll = (folder_ / "c.cll").string();
    ASSERT_EQ(RunExport({"convert", (folder_ / "b.ase").string(), cll}).code, kExitOk);
    EXPECT_EQ(ReadFile(cll), "#FF8000\r\n#000000\r\n");
    const std::string html = (folder_ / "d.html").string();
    ASSERT_EQ(RunExport({"convert", (folder_ / "b.aco").string(), html}).code, kExitOk);
    EXPECT_NE(ReadFile(html).find("#FF8000"), std::string::npos);
}

// convert reads a RIFF palette as read-palette does, and a palette it writes
// from a palette file goes by the name of its own file.
TEST_F(CliExportFile, ConvertsFromPalAndNamesTheGplAfterItsFile)
{
    const std::string gpl = (folder_ / "Sunset.gpl").string();
    const ExportResult r = RunExport({"convert", DataPath("export/orange_black.pal"), gpl});
    ASSERT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(ReadFile(gpl), "GIMP Palette\nName: Sunset\nColumns: 0\n#\n255 128   0\t#FF8000\n  0   0   0\t#000000\n");
    EXPECT_EQ(RunExport({"read-palette", DataPath("export/orange_black.pal")}).out, RunExport({"read-palette", gpl}).out);
}

// A converted swatch is kept, and one note on standard error says so.
TEST_F(CliExportFile, NotesConvertedSwatchesOnStandardError)
{
    const ExportResult r = RunExport({"read-palette", DataPath("export/cmyk.ase")});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.err, "tessaro-cli: " + DataPath("export/cmyk.ase") +
                         ": ASE: 1 of 2 swatches was not RGB: 1 CMYK converted without a colour profile "
                         "(R = 255*(1-C)*(1-K), likewise G and B)\n");
}

// Pictures by the output's extension: PNG and BMP bitmaps, SVG, EMF.
TEST_F(CliExportFile, PicturesByExtension)
{
    const std::string svg = (folder_ / "s.svg").string();
    ASSERT_EQ(RunExport({"export", "swatches", "--no-outline", "--size", "10", "--columns", "2", "--space", "0", "-o",
                         svg, "FF8000", "000000", "336699"})
                  .code,
              kExitOk);
    const std::string text = ReadFile(svg);
    EXPECT_NE(text.find("width=\"20\" height=\"20\""), std::string::npos);
    EXPECT_NE(text.find("<rect x=\"0\" y=\"10\" width=\"10\" height=\"10\" fill=\"#336699\"/>"), std::string::npos);
    const std::string emf = (folder_ / "l.EMF").string();
    ASSERT_EQ(RunExport({"export", "list", "-o", emf, "FF8000"}).code, kExitOk);
    EXPECT_EQ(ReadFile(emf).substr(40, 4), " EMF");
    const std::string bmp = (folder_ / "s.bmp").string();
    ASSERT_EQ(RunExport({"export", "swatches", "-o", bmp, "FF8000"}).code, kExitOk);
    EXPECT_EQ(ReadFile(bmp).substr(0, 2), "BM");
    const std::string png = (folder_ / "s.png").string();
    ASSERT_EQ(RunExport({"export", "list", "-o", png, "FF8000"}).code, kExitOk);
    EXPECT_EQ(ReadFile(png).substr(1, 3), "PNG");
}

TEST_F(CliExportFile, UnwritableOutputLeavesOldFile)
{
    const std::string path = (folder_ / "keep.aco").string();
    ASSERT_EQ(RunExport({"export-aco", "-o", path, "FF8000"}).code, kExitOk);
    const ExportResult r = RunExport({"export-aco", "-o", (folder_ / "no" / "x.aco").string(), "FF8000"});
    EXPECT_EQ(r.code, kExitFileError);
    EXPECT_NE(r.err.find("cannot write"), std::string::npos);
    EXPECT_EQ(RunExport({"export-aco", "-o", folder_.string(), "000000"}).code, kExitFileError);
    EXPECT_EQ(ReadFile(path), RunExport({"export-aco", "FF8000"}).out);
}

} // namespace
} // namespace tessaro::cli
