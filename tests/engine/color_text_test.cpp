// Text forms of a colour, the copy notations, the hex readers and the paste
// scanner's worked scans.
#include "engine/color_text.h"

#include "engine/color_scan.h"
#include "engine/conversion_error.h"
#include "engine/engine_printers.h"

#include <gtest/gtest.h>

#include <cctype>
#include <vector>

namespace tessaro {
namespace {

using test::Pasted;
using test::U16;

TEST(TextFormTest, HexFormsOfOrange)
{
    const TColor orange = MakeColor(255, 128, 0);
    EXPECT_EQ(HexText(orange), "FF8000");
    EXPECT_EQ(HashHexText(orange), "#FF8000");
    EXPECT_EQ(BgrHexText(orange), "0080FF");
}

TEST(TextFormTest, HexFormsPadAndUseUpperCase)
{
    const TColor c = MakeColor(0x01, 0xAB, 0x0C);
    EXPECT_EQ(HexText(c), "01AB0C");
    EXPECT_EQ(HashHexText(c), "#01AB0C");
    EXPECT_EQ(BgrHexText(c), "0CAB01");
    EXPECT_EQ(HashHexText(0), "#000000");
    // Only the three colour bytes are written.
    EXPECT_EQ(HashHexText(0x80FFFFFFu), "#FFFFFF");
}

struct NotationCase {
    CopyNotation notation;
    const char* caption;
    const char* orange;     // (255, 128, 0)
    const char* darkGreen;  // (1, 2, 3)
};

class CopyNotationTest : public testing::TestWithParam<NotationCase> {};

TEST_P(CopyNotationTest, WritesTheMenuText)
{
    EXPECT_STREQ(CopyNotationCaption(GetParam().notation), GetParam().caption);
    EXPECT_EQ(CopyText(GetParam().notation, MakeColor(255, 128, 0)), GetParam().orange);
    EXPECT_EQ(CopyText(GetParam().notation, MakeColor(1, 2, 3)), GetParam().darkGreen);
}

INSTANTIATE_TEST_SUITE_P(Menu, CopyNotationTest, testing::Values(
    NotationCase{CopyNotation::Rgb, "&RGB", "RGB(255,128,0)", "RGB(1,2,3)"},
    NotationCase{CopyNotation::Hsl, "H&SL", "HSL(30,100,50)", "HSL(210,50,1)"},
    NotationCase{CopyNotation::HtmlHex, "&HTML Style Hex", "FF8000", "010203"},
    NotationCase{CopyNotation::HtmlHashHex, "H&TML Style  Hex (with #)", "#FF8000", "#010203"},
    NotationCase{CopyNotation::DelphiHex, "&Delphi Hex", "$000080FF", "$00030201"},
    // No "00" between "&H" and the digits, unlike Delphi and C++.
    NotationCase{CopyNotation::VbHex, "V&B Hex", "&H0080FF", "&H030201"},
    NotationCase{CopyNotation::CppHex, "V&C++ Hex", "0X000080FF", "0X00030201"},
    NotationCase{CopyNotation::ActionScriptHex, "&ActionScript Hex", "0xFF8000", "0x010203"}),
    [](const auto& info) {
        std::string name;
        for (const char* p = CopyNotationCaption(info.param.notation); *p; ++p)
            if (std::isalnum(static_cast<unsigned char>(*p)))
                name += *p;
        return name;
    });

TEST(CopyNotationTest, MenuOrder)
{
    std::vector<std::string> captions;
    for (CopyNotation n : kCopyNotations)
        captions.push_back(CopyNotationCaption(n));
    EXPECT_EQ(captions, (std::vector<std::string>{"&RGB", "H&SL", "&HTML Style Hex", "H&TML Style  Hex (with #)",
                                                  "&Delphi Hex", "V&B Hex", "V&C++ Hex", "&ActionScript Hex"}));
}

TEST(CopyNotationTest, MainColourHslUsesTheGivenValues)
{
    // The main colour's HSL text shows what its edits hold, not a conversion.
    EXPECT_EQ(CopyText(CopyNotation::Hsl, {255, 0, 0}, {359, 7, 8}), "HSL(359,7,8)");
    EXPECT_EQ(CopyText(CopyNotation::Rgb, {255, 0, 0}, {359, 7, 8}), "RGB(255,0,0)");
    // A colour with hue 360 keeps it in its HSL text.
    EXPECT_EQ(CopyText(CopyNotation::Hsl, MakeColor(255, 0, 1)), "HSL(360,100,50)");
}

struct ReaderCase {
    const char* name;
    const char* text;
    bool ok;
    RgbTriple rgb;
};

void ExpectReads(TColor (*reader)(std::string_view), const ReaderCase& c)
{
    if (c.ok) {
        EXPECT_EQ(ToRgb(reader(c.text)), c.rgb);
        return;
    }
    try {
        reader(c.text);
        ADD_FAILURE() << "no conversion error for '" << c.text << "'";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "'" + e.text() + "' is not a valid integer value");
    }
}

class HashHexReaderTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(HashHexReaderTest, ReadsRrGgBb)
{
    ExpectReads(&HashHexToColor, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, HashHexReaderTest, testing::Values(
    ReaderCase{"WithHash", "#FF8000", true, {255, 128, 0}},
    ReaderCase{"WithoutHash", "FF8000", true, {255, 128, 0}},
    ReaderCase{"LowerCase", "#ff8000", true, {255, 128, 0}},
    ReaderCase{"MixedPairs", "#0a1B2c", true, {0x0A, 0x1B, 0x2C}},
    ReaderCase{"Black", "#000000", true, {0, 0, 0}},
    ReaderCase{"OnlySixDigitsRead", "#112233 tail", true, {0x11, 0x22, 0x33}},
    ReaderCase{"BadRed", "#GG1234", false, {}},
    ReaderCase{"BadBlue", "#1234ZZ", false, {}},
    ReaderCase{"MissingBlue", "#1234", false, {}},
    ReaderCase{"Empty", "", false, {}},
    ReaderCase{"HashOnly", "#", false, {}},
    ReaderCase{"TwoHashes", "##112233", false, {}},
    ReaderCase{"SignInPair", "#-1FFFF", false, {}},
    ReaderCase{"PlusInPair", "#+1FFFF", false, {}},
    ReaderCase{"BlankInPair", "# 12345", false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HashHexReaderTest, ErrorNamesTheOffendingText)
{
    try {
        HashHexToColor("#GG1234");
        FAIL();
    } catch (const ConversionError& e) {
        EXPECT_NE(e.text().find("GG"), std::string::npos) << e.text();
    }
}

class HexFieldReaderTest : public testing::TestWithParam<ReaderCase> {};

TEST_P(HexFieldReaderTest, RearrangesShortTexts)
{
    ExpectReads(&HexFieldToColor, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Table, HexFieldReaderTest, testing::Values(
    ReaderCase{"SixDigitsAreRrGgBb", "FF8000", true, {255, 128, 0}},
    ReaderCase{"SixOtherDigits", "123456", true, {0x12, 0x34, 0x56}},
    ReaderCase{"TwoDigitsOverlap", "FF", true, {255, 255, 0}},
    ReaderCase{"OneDigit", "F", true, {255, 0, 0}},
    ReaderCase{"TwoOtherDigits", "12", true, {0x12, 0x12, 0}},
    ReaderCase{"ThreeDigits", "ABC", true, {0xAB, 0xCC, 0x0B}},
    ReaderCase{"FourDigits", "ABCD", true, {0xAB, 0xCD, 0xCD}},
    ReaderCase{"FiveDigits", "ABCDE", true, {0xAB, 0xCD, 0xDE}},
    ReaderCase{"EmptyIsBlack", "", true, {0, 0, 0}},
    ReaderCase{"NotHex", "GG0000", false, {}},
    ReaderCase{"BadLastDigit", "FF800G", false, {}},
    ReaderCase{"InnerBlank", "FF 000", false, {}},
    ReaderCase{"Sign", "-FFFFF", false, {}},
    ReaderCase{"HashIsNotPartOfTheField", "#FF800", false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ScanCase {
    const char* name;
    const char* line;  // one pasted line, followed by CR LF when scanned
    std::vector<RgbTriple> colors;
};

void PrintTo(const ScanCase& c, std::ostream* os)
{
    *os << c.name;
}

class ScanColorTextTest : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanColorTextTest, FindsTheColoursInOrder)
{
    std::vector<RgbTriple> found;
    for (TColor c : ScanColorText(Pasted(GetParam().line)))
        found.push_back(ToRgb(c));
    EXPECT_EQ(found, GetParam().colors);
}

const RgbTriple kOrange{255, 128, 0};

INSTANTIATE_TEST_SUITE_P(Worked, ScanColorTextTest, testing::Values(
    ScanCase{"BareHex", "FF8000", {kOrange}},
    ScanCase{"HashLowerCase", "#ff8000", {kOrange}},
    ScanCase{"Delphi", "$000080FF", {kOrange}},
    ScanCase{"Cpp", "0X000080FF", {kOrange}},
    ScanCase{"VisualBasic", "&H0080FF", {kOrange}},
    ScanCase{"ActionScript", "0xFF8000", {kOrange}},
    ScanCase{"HexEqualsQuoted", "Hex=\"FF8000\"", {kOrange}},
    ScanCase{"RgbCall", "RGB(255,128,0)", {kOrange}},
    ScanCase{"TwoHashColours", "color: #112233; background: #445566", {{17, 34, 51}, {68, 85, 102}}},
    ScanCase{"BareHexThenHash", "112233 #445566", {{17, 34, 51}, {68, 85, 102}}},
    ScanCase{"NotHex", "#GG1234", {}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Edges, ScanColorTextTest, testing::Values(
    ScanCase{"UpperXWithoutZerosIsNothing", "0XFF8000", {}},
    ScanCase{"HashCutShortByTheEnd", "#FF80", {}},
    ScanCase{"HashFiveDigits", "#FF800", {}},
    ScanCase{"HexEqualsWithoutQuote", "Hex=FF8000", {kOrange}},
    ScanCase{"VisualBasicWithZerosIsAnotherColour", "&H000080FF", {{128, 0, 0}}},
    ScanCase{"SameColourTwiceInTwoForms", "#FF8000 0xFF8000", {kOrange, kOrange}},
    ScanCase{"RulesInTheirOrderNotTextOrder", "0x112233 #445566", {{68, 85, 102}, {17, 34, 51}}},
    ScanCase{"HashRightAfterColourIsEaten", "#FF8000#00FF00", {kOrange}},
    ScanCase{"OnlyTheFirstRgbCall", "RGB(1,2,3) RGB(4,5,6)", {{1, 2, 3}}},
    ScanCase{"RgbBlanksAfterTheCommas", "RGB(255, 128, 0)", {kOrange}},
    ScanCase{"RgbBlanksAroundEveryChannel", "RGB(  255 ,128 ,  0  )", {kOrange}},
    ScanCase{"RgbTabIsNoBlank", "RGB(255,\t128,0)", {}},
    ScanCase{"RgbBlankInsideAChannel", "RGB(2 55,128,0)", {}},
    ScanCase{"RgbThreeDigitsWithLeadingZeros", "RGB(001,010,000)", {{1, 10, 0}}},
    ScanCase{"RgbFourDigitChannel", "RGB(0255,128,0)", {}},
    ScanCase{"RgbFourDigitLastChannel", "RGB(255,128,0000)", {}},
    ScanCase{"RgbChannelAbove255", "RGB(255,256,0)", {}},
    ScanCase{"RgbEmptyChannel", "RGB(255,,0)", {}},
    ScanCase{"BareHexAtStartOnly", "FF8000 is orange, 00FF00 is not read", {kOrange}},
    ScanCase{"BareHexNeedsSixDigits", "FF800 x", {}},
    ScanCase{"NoColour", "just words", {}},
    ScanCase{"EmptyLine", "", {}},
    ScanCase{"DelphiWithLowerDigits", "$00aabbcc", {{0xCC, 0xBB, 0xAA}}},
    ScanCase{"AllFormsOnOneLine", "#010203 Hex=070809 Hex=\"040506\" $000C0B0A 0X000F0E0D &H121110 0x131415 RGB(22,23,24)",
             {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {13, 14, 15}, {16, 17, 18}, {19, 20, 21}, {22, 23, 24}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanColorTextTest, ColoursOnSeveralLines)
{
    const std::u16string text = u"#112233\r\n0x445566\r\n";
    const std::vector<TColor> expected = {MakeColor(0x11, 0x22, 0x33), MakeColor(0x44, 0x55, 0x66)};
    EXPECT_EQ(ScanColorText(text), expected);
}

TEST(ScanColorTextTest, CharactersBeyondLatin1AreNotHexDigits)
{
    // U+0146 and U+0130 have the low bytes of "F" and "0"; U+FF26 is a
    // full-width "F".
    EXPECT_TRUE(ScanColorText(u"#\u0146F0000\r\n").empty());
    EXPECT_TRUE(ScanColorText(u"0x\u0130\u0130FF00\r\n").empty());
    EXPECT_TRUE(ScanColorText(u"\uFF26F0000\r\n").empty());
    EXPECT_EQ(ScanColorText(U16("é #FF8000 é\r\n")), std::vector<TColor>{MakeColor(255, 128, 0)});
}

} // namespace
} // namespace tessaro
