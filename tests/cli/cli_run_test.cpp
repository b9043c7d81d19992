// tessaro-cli's commands, run in-process.
#include "cli/cli.h"

#include "cli/cli_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tessaro::cli {
namespace {

using test::DataPath;
using test::ReadFile;

struct Result {
    int code = -1;
    std::string out;
    std::string err;
};

Result RunCli(const std::vector<std::string>& args, const std::string& input = "", const std::string& separator = ".")
{
    std::istringstream in(input);
    std::ostringstream out, err;
    Result r;
    r.code = Run(args, in, out, err, separator);
    r.out = out.str();
    r.err = err.str();
    return r;
}

struct CliCase {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    int code;
    std::string out;
    std::string err;  // exact standard error; not checked when "*"
};

void PrintTo(const CliCase& c, std::ostream* os)
{
    *os << c.name;
}

class CliCommandTest : public testing::TestWithParam<CliCase> {};

TEST_P(CliCommandTest, PrintsAndExits)
{
    const CliCase& c = GetParam();
    const Result r = RunCli(c.args, c.input);
    EXPECT_EQ(r.code, c.code);
    EXPECT_EQ(r.out, c.out);
    if (c.err != "*") {
        EXPECT_EQ(r.err, c.err);
    }
}

auto CaseName = [](const auto& info) { return std::string(info.param.name); };

const std::string kConversion = " is not a valid integer value\n";

INSTANTIATE_TEST_SUITE_P(Adjust, CliCommandTest, testing::Values(
    CliCase{"Lighten", {"adjust", "C86432", "lighten"}, "", 0, "#D88B64\n", ""},
    CliCase{"Darken", {"adjust", "#C86432", "darken"}, "", 0, "#934925\n", ""},
    CliCase{"Saturate", {"adjust", "c86432", "saturate"}, "", 0, "#D95F22\n", ""},
    CliCase{"Desaturate", {"adjust", "#c86432", "desaturate"}, "", 0, "#B86A43\n", ""},
    CliCase{"Invert", {"adjust", "C86432", "invert"}, "", 0, "#379BCD\n", ""},
    CliCase{"Websafe", {"adjust", "C86432", "websafe"}, "", 0, "#CC6633\n", ""},
    CliCase{"LightenHue360IsRed", {"adjust", "FF0001", "lighten"}, "", 0, "#FF4242\n", ""},
    CliCase{"DarkenHue360IsRed", {"adjust", "FF0001", "darken"}, "", 0, "#BD0000\n", ""},
    CliCase{"LightenAtTheTopIsWhite", {"adjust", "FFE6E6", "lighten"}, "", 0, "#FFFFFF\n", ""},
    CliCase{"UnknownOperation", {"adjust", "C86432", "brighten"}, "", 2, "", "*"},
    CliCase{"MissingOperation", {"adjust", "C86432"}, "", 2, "", "*"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Conversions, CliCommandTest, testing::Values(
    CliCase{"HslHalfUp", {"hsl", "0", "100", "75"}, "", 0, "255,128,128\n", ""},
    CliCase{"HslHalfDown", {"hsl", "2", "100", "50"}, "", 0, "255,8,0\n", ""},
    CliCase{"HslGrey", {"hsl", "0", "0", "50"}, "", 0, "128,128,128\n", ""},
    CliCase{"HslHue360IsBlack", {"hsl", "360", "100", "50"}, "", 0, "0,0,0\n", ""},
    CliCase{"HslSaturation101IsBlack", {"hsl", "0", "101", "50"}, "", 0, "0,0,0\n", ""},
    CliCase{"HslNegativeHueIsBlack", {"hsl", "-1", "50", "50"}, "", 0, "0,0,0\n", ""},
    CliCase{"HslNotANumber", {"hsl", "abc", "1", "1"}, "", 1, "", "'abc'" + kConversion},
    CliCase{"HslTrailingBlank", {"hsl", "1", "2 ", "3"}, "", 1, "", "'2 '" + kConversion},
    CliCase{"HslOverflow", {"hsl", "99999999999", "0", "0"}, "", 1, "", "'99999999999'" + kConversion},
    CliCase{"HslTooFewArguments", {"hsl", "1", "2"}, "", 2, "", "*"},
    CliCase{"RgbHue360", {"rgb", "255", "0", "1"}, "", 0, "360,100,50\n", ""},
    CliCase{"RgbRust", {"rgb", "200", "100", "50"}, "", 0, "20,60,49\n", ""},
    CliCase{"RgbGrey", {"rgb", "128", "128", "128"}, "", 0, "0,0,50\n", ""},
    CliCase{"RgbWhite", {"rgb", "255", "255", "255"}, "", 0, "0,0,100\n", ""},
    CliCase{"RgbNotANumber", {"rgb", "red", "0", "0"}, "", 1, "", "'red'" + kConversion},
    CliCase{"RgbTooManyArguments", {"rgb", "1", "2", "3", "4"}, "", 2, "", "*"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Named, CliCommandTest, testing::Values(
    CliCase{"CapitalIdentifier", {"named", "CLFUCHSIA"}, "", 0, "clFuchsia 00FF00FF\n", ""},
    CliCase{"DollarHex", {"named", "$006ED47F"}, "", 0, "$006ED47F 006ED47F\n", ""},
    CliCase{"DecimalNamesRed", {"named", "255"}, "", 0, "clRed 000000FF\n", ""},
    CliCase{"HexWithBlank", {"named", " 0x1F"}, "", 0, "$0000001F 0000001F\n", ""},
    CliCase{"MinusOne", {"named", "-1"}, "", 0, "$FFFFFFFF FFFFFFFF\n", ""},
    CliCase{"Zero", {"named", "0"}, "", 0, "clBlack 00000000\n", ""},
    CliCase{"SystemColour", {"named", "$80000000"}, "", 0, "clScrollBar 80000000\n", ""},
    CliCase{"Smallest", {"named", "-2147483648"}, "", 0, "clScrollBar 80000000\n", ""},
    CliCase{"TrailingBlank", {"named", "12 "}, "", 1, "", "'12 '" + kConversion},
    CliCase{"TooLarge", {"named", "2147483648"}, "", 1, "", "'2147483648'" + kConversion},
    CliCase{"SignBeforeHex", {"named", "-$1F"}, "", 1, "", "'-$1F'" + kConversion},
    CliCase{"Empty", {"named", ""}, "", 1, "", "''" + kConversion}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Scan, CliCommandTest, testing::Values(
    CliCase{"BareHex", {"scan"}, "FF8000", 0, "#FF8000\n", ""},
    CliCase{"DashIsStandardInput", {"scan", "-"}, "FF8000\n", 0, "#FF8000\n", ""},
    CliCase{"TwoHashColours", {"scan"}, "color: #112233; background: #445566\n", 0, "#112233\n#445566\n", ""},
    CliCase{"EveryForm", {"scan"}, "$000080FF\n0X000080FF\n&H0080FF\n0xFF8000\nHex=\"FF8000\"\nRGB(255,128,0)\n", 0,
            "#FF8000\n#FF8000\n#FF8000\n#FF8000\n#FF8000\n#FF8000\n", ""},
    CliCase{"RuleOrder", {"scan"}, "0x112233 #445566", 0, "#445566\n#112233\n", ""},
    CliCase{"UpperXIsNothing", {"scan"}, "0XFF8000", 0, "", ""},
    CliCase{"NotHex", {"scan"}, "#GG1234", 0, "", ""},
    CliCase{"EmptyInput", {"scan"}, "", 0, "", ""},
    // "#FF80" is cut short by the CR LF that follows the line.
    CliCase{"CutShortByLineEnd", {"scan"}, "#FF80\n00", 0, "", ""},
    CliCase{"TooManyFiles", {"scan", "a", "b"}, "", 2, "", "*"}),
    CaseName);

std::string Filler(std::size_t n)
{
    return std::string(n, 'a');
}

INSTANTIATE_TEST_SUITE_P(Import, CliCommandTest, testing::Values(
    CliCase{"Css", {"import"}, "color:#FF0000;", 0, "#FF0000\n", ""},
    CliCase{"DuplicateKeepsFirst", {"import"}, "#ff0000 #FF0000", 0, "#ff0000\n", ""},
    CliCase{"DuplicatesAllowed", {"import", "--allow-duplicates"}, "#ff0000 #FF0000", 0, "#ff0000\n#FF0000\n", ""},
    CliCase{"DashIsStandardInput", {"import", "--allow-duplicates", "-"}, "#ff0000 #FF0000", 0,
            "#ff0000\n#FF0000\n", ""},
    CliCase{"FollowingHashEaten", {"import"}, "#FF0000#00FF00", 0, "#FF0000\n", ""},
    CliCase{"ThreeDigits", {"import"}, "#FFF", 3, "", "No colors found!\n"},
    CliCase{"TrailingHash", {"import"}, "the end #", 3, "", "No colors found!\n"},
    CliCase{"HashesButNoColour", {"import", "--allow-duplicates"}, "#zzzzzz #12345 ##", 3, "", "No colors found!\n"},
    CliCase{"LinesOfEveryBreak", {"import"}, "#111111\r\n#222222\r#333333\n#444444\n", 0,
            "#111111\n#222222\n#333333\n#444444\n", ""},
    CliCase{"NoHash", {"import"}, "no colours", 3, "", "No colors found!\n"},
    CliCase{"EmptyInput", {"import"}, "", 3, "", "No colors found!\n"},
    CliCase{"UnknownOption", {"import", "--duplicates"}, "#FF0000", 2, "", "*"},
    CliCase{"TwoFiles", {"import", "a", "b"}, "", 2, "", "*"},
    // The lines are joined by CR LF with none after the last, and the
    // step budget counts those characters: 107 + 3 x 2 + 7 = 120 characters
    // give the 18 steps the colour behind the stray "#" needs, 118 do not.
    CliCase{"BreaksBecomeCrLf", {"import"}, Filler(100) + "#zzzzzz\n\n\n#FF0000", 0, "#FF0000\n", ""},
    CliCase{"CrBreaksBecomeCrLf", {"import"}, Filler(100) + "#zzzzzz\r\r\r#FF0000", 0, "#FF0000\n", ""},
    CliCase{"OneBreakTooFew", {"import"}, Filler(100) + "#zzzzzz\n\n#FF0000", 3, "", "No colors found!\n"},
    CliCase{"NoBreakAfterTheLastLine", {"import"}, Filler(100) + "#zzzzzz\n\n#FF0000\n", 3, "", "No colors found!\n"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Usage, CliCommandTest, testing::Values(
    CliCase{"NoCommand", {}, "", 2, "", "*"},
    CliCase{"UnknownCommand", {"frobnicate"}, "", 2, "", "*"},
    CliCase{"DeriveWithoutColour", {"derive"}, "", 2, "", "*"},
    CliCase{"ThreeDigitColour", {"derive", "FFF"}, "", 2, "", "*"},
    CliCase{"SevenDigitColour", {"values", "#FF00000"}, "", 2, "", "*"},
    CliCase{"ExtraArgument", {"values", "FF0000", "extra"}, "", 2, "", "*"},
    CliCase{"NonHexColour", {"derive", "#GG0000"}, "", 1, "", "*"},
    CliCase{"DoubleHashColour", {"derive", "##12345"}, "", 1, "", "*"},
    CliCase{"Version", {"--version"}, "", 0, "tessaro-cli 1.5.3\n", ""}),
    CaseName);

TEST(CliTest, UsageErrorsPrintTheUsageOnStandardError)
{
    for (const std::vector<std::string>& args : {std::vector<std::string>{}, {"frobnicate"}, {"hsl", "1"}}) {
        const Result r = RunCli(args);
        EXPECT_EQ(r.code, kExitUsage);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("Usage: tessaro-cli"), std::string::npos) << r.err;
    }
    const Result help = RunCli({"--help"});
    EXPECT_EQ(help.code, 0);
    EXPECT_NE(help.out.find("Usage: tessaro-cli"), std::string::npos);
    EXPECT_EQ(help.err, "");
}

TEST(CliTest, NonHexColourIsAConversionError)
{
    const Result r = RunCli({"derive", "#GG0000"});
    EXPECT_EQ(r.code, kExitConversionError);
    EXPECT_NE(r.err.find("GG0000"), std::string::npos);
    EXPECT_NE(r.err.find("' is not a valid integer value"), std::string::npos);
}

TEST(CliTest, DeriveWritesEveryLine)
{
    const Result red = RunCli({"derive", "ff0000"});
    EXPECT_EQ(red.code, 0);
    EXPECT_EQ(red.out, ReadFile(DataPath("cli/derive_ff0000.txt")));
    EXPECT_EQ(red.err, "");
}

TEST(CliTest, DeriveWorkedExample)
{
    const Result r = RunCli({"derive", "#C86432"});
    ASSERT_EQ(r.code, 0);
    std::istringstream lines(r.out);
    std::vector<std::string> got;
    for (std::string line; std::getline(lines, line);)
        got.push_back(line);
    ASSERT_EQ(got.size(), 21u);
    EXPECT_EQ(got[0], "hsl 20,60,49");
    EXPECT_EQ(got[1].substr(0, 22), "wheel #C86432 #C8AE32 ");
    EXPECT_NE(got[1].find(" #3296C8 "), std::string::npos);  // wheel 6
    EXPECT_EQ(got[3], "complements #C86432 #3296C8");
    EXPECT_EQ(got[8], "variations #FAF0EB #F5E0D6 #EBC2AD #E0A385 #D6855C #CC6633 #A35229 #7A3D1F #522914 #3D1F0F");
    const char* labels[] = {"hsl", "wheel", "analogous", "complements", "splitcomplements", "triad", "tetrad", "square",
                            "variations"};
    const std::size_t counts[] = {1, 12, 3, 2, 3, 3, 4, 4, 10};
    for (std::size_t i = 0; i < 21; ++i) {
        std::istringstream tokens(got[i]);
        std::string label, token;
        tokens >> label;
        std::size_t n = 0;
        while (tokens >> token)
            ++n;
        if (i < 9) {
            EXPECT_EQ(label, labels[i]);
            EXPECT_EQ(n, counts[i]) << got[i];
        } else {
            EXPECT_EQ(label, "grid" + std::to_string(i - 9));
            EXPECT_EQ(n, 10u) << got[i];
        }
    }
    // Grid row 0 at lightness 50 is the quick variation at 50.
    EXPECT_NE(got[9].find(" #CC6633 "), std::string::npos) << got[9];
}

TEST(CliTest, ValuesWritesLinesNotationsAndWebsafeState)
{
    const Result r = RunCli({"values", "7FD46E"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "XYZ: X: 35.11 Y: 52.72 Z: 23.08\n"
              "CIE Lab: L: 77.71 a: -45.17 b: 42.33\n"
              "H.Lab: L: 72.61 a: -40.76 b: 31.98\n"
              "CMY: C: 0.502 M: 0.1686 Y: 0.5686\n"
              "CMYK : C: 0.4009 M: 0 Y: 0.4811 K: 0.1686\n"
              "RGB(127,212,110)\n"
              "HSL(110,54,63)\n"
              "7FD46E\n"
              "#7FD46E\n"
              "$006ED47F\n"
              "&H6ED47F\n"
              "0X006ED47F\n"
              "0x7FD46E\n"
              "Not Websafe\n"
              "nearest websafe #66CC66\n");
}

TEST(CliTest, ValuesOfAWebsafeColour)
{
    const Result r = RunCli({"values", "#ff0000"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out,
              "XYZ: X: 41.24 Y: 21.26 Z: 1.93\n"
              "CIE Lab: L: 53.23 a: 80.11 b: 67.22\n"
              "H.Lab: L: 46.11 a: 78.96 b: 29.79\n"
              "CMY: C: 0 M: 1 Y: 1\n"
              "CMYK : C: 0 M: 1 Y: 1 K: 0\n"
              "RGB(255,0,0)\n"
              "HSL(0,100,50)\n"
              "FF0000\n"
              "#FF0000\n"
              "$000000FF\n"
              "&H0000FF\n"
              "0X000000FF\n"
              "0xFF0000\n"
              "Websafe\n"
              "nearest websafe #FF0000\n");
}

TEST(CliTest, ValuesUseTheGivenDecimalSeparator)
{
    const Result r = RunCli({"values", "FFFFFF"}, "", ",");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out.substr(0, r.out.find("RGB(")),
              "XYZ: X: 95,05 Y: 100 Z: 108,9\n"
              "CIE Lab: L: 100 a: 0,00526 b: -0,01041\n"
              "H.Lab: L: 100 a: -5,336 b: 5,433\n"
              "CMY: C: 0 M: 0 Y: 0\n"
              "CMYK : C: 0 M: 0 Y: 0 K: 0\n");
    // The copy notations keep their commas and points.
    EXPECT_NE(r.out.find("\nRGB(255,255,255)\n"), std::string::npos);
}

struct FileCase {
    const char* name;
    std::vector<std::string> args;  // the data file is appended
    const char* file;
    std::string out;
    int code = kExitOk;
};

void PrintTo(const FileCase& c, std::ostream* os)
{
    *os << c.name;
}

class CliFileTest : public testing::TestWithParam<FileCase> {};

TEST_P(CliFileTest, ReadsTheFile)
{
    std::vector<std::string> args = GetParam().args;
    args.push_back(DataPath(GetParam().file));
    const Result r = RunCli(args, "standard input is not read");
    EXPECT_EQ(r.code, GetParam().code) << r.err;
    EXPECT_EQ(r.out, GetParam().out);
    EXPECT_EQ(r.err, GetParam().code == kExitNoColors ? "No colors found!\n" : "");
}

INSTANTIATE_TEST_SUITE_P(Files, CliFileTest, testing::Values(
    FileCase{"ScanPastedText", {"scan"}, "cli/pasted_colours.txt",
             "#FFFFFF\n#333333\n#FF8000\n#FF8000\n#0066CC\n#0C2238\n"},
    FileCase{"ImportStyleSheet", {"import"}, "cli/import_sample.css", "#333333\n#ffffff\n#FF6600\n#00AA00\n"},
    FileCase{"ImportStyleSheetWithDuplicates", {"import", "--allow-duplicates"}, "cli/import_sample.css",
             "#333333\n#ffffff\n#FF6600\n#FFFFFF\n#ff6600\n#00AA00\n"},
    // 100 + 7 + 3 + 7 characters: "é" is one character, though two bytes.
    FileCase{"Utf8CountsCharacters", {"import"}, "cli/import_budget_utf8.txt", "", kExitNoColors},
    // Not UTF-8, so Windows-1252: 100 + 7 + 5 + 7 characters, enough steps.
    FileCase{"Windows1252OneByteOneCharacter", {"import"}, "cli/import_budget_cp1252.txt", "#FF0000\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliTest, MissingFileIsAFileError)
{
    for (const char* command : {"scan", "import"}) {
        const Result r = RunCli({command, DataPath("cli/no-such-file.txt")});
        EXPECT_EQ(r.code, kExitFileError) << command;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("no-such-file.txt"), std::string::npos) << r.err;
    }
}

TEST(CliTest, FolderIsAFileError)
{
    for (const char* command : {"scan", "import"}) {
        const Result r = RunCli({command, DataPath("cli")});
        EXPECT_EQ(r.code, kExitFileError) << command;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find("' is a folder, not a text file"), std::string::npos) << r.err;
    }
}

TEST(CliTest, DeviceIsReadToItsEnd)
{
    // Not a regular file, but readable: an empty text.
    Result r = RunCli({"scan", "/dev/null"});
    EXPECT_EQ(r.code, kExitOk) << r.err;
    EXPECT_EQ(r.out, "");
    r = RunCli({"import", "/dev/null"});
    EXPECT_EQ(r.code, kExitNoColors);
    EXPECT_EQ(r.err, "No colors found!\n");
}

TEST(CliTest, HugeAndOddInputDoesNotBreakTheScanners)
{
    const std::string hashes(10 * 1024 * 1024, '#');
    Result r = RunCli({"import"}, hashes);
    EXPECT_EQ(r.code, kExitNoColors);
    EXPECT_EQ(r.out, "");

    r = RunCli({"scan"}, std::string(10 * 1024 * 1024, '\xE9') + "#FF8000");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "#FF8000\n");

    r = RunCli({"import"}, std::string("#\0\0\0\0\0\0#12345\0", 14));
    EXPECT_EQ(r.code, kExitNoColors);
    EXPECT_EQ(r.out, "");

    r = RunCli({"scan"}, std::string("\xFF\xFE#\0FF00\r\n#", 11));
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.out, "");
}

// `list`: a list file as the program holds it right after opening it.
struct ListCase {
    const char* name;
    std::string file;
    std::vector<std::string> options;
    int code;
    std::string out;
};

void PrintTo(const ListCase& c, std::ostream* os)
{
    *os << c.name;
}

class CliListTest : public testing::TestWithParam<ListCase> {};

TEST_P(CliListTest, PrintsTheEntries)
{
    const ListCase& c = GetParam();
    const std::string path = testing::TempDir() + "cli_list_" + c.name + ".cll";
    {
        std::ofstream file(path, std::ios::binary);
        file << c.file;
    }
    std::vector<std::string> args{"list"};
    args.insert(args.end(), c.options.begin(), c.options.end());
    args.push_back(path);
    const Result r = RunCli(args);
    EXPECT_EQ(r.code, c.code) << r.err;
    EXPECT_EQ(r.out, c.out);
    if (c.code == 1) {
        EXPECT_EQ(r.err, "'$00zz' is not a valid integer value\n");
    }
}

INSTANTIATE_TEST_SUITE_P(List, CliListTest, testing::Values(
    ListCase{"CurrentForm", "#FF0000\r\nhello\r\n#ff0000\r\n", {}, 0, "#FF0000\nhello\n#ff0000\n"},
    ListCase{"OlderFormReversed", "a - 0000FF\r\nskip\r\nb - 00FF00\r\nc - 0000ff\r\n", {}, 0, "#00FF00\n#FF0000\n"},
    ListCase{"OlderFormDuplicatesAllowed", "a - 0000FF\r\nc - 0000ff\r\n", {"--allow-duplicates"}, 0,
             "#FF0000\n#FF0000\n"},
    ListCase{"Empty", "", {}, 0, ""},
    ListCase{"BadLineAfterGoodOnes", "a - 0000FF\r\nb - zz\r\nc - 00FF00\r\n", {}, 1, "#FF0000\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliListTest, MissingFileIsAFileError)
{
    EXPECT_EQ(RunCli({"list", testing::TempDir() + "no_such_list.cll"}).code, 4);
    EXPECT_EQ(RunCli({"list"}).code, 2);
}

} // namespace
} // namespace tessaro::cli
