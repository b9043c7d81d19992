// Named colour text and the integer reading of stored numbers.
#include "engine/named_color.h"

#include "engine/conversion_error.h"
#include "engine/keyvalue_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace tessaro {
namespace {

// The identifier table, in search order, written out again here so that a
// slip in the engine's copy shows.
const std::vector<std::pair<std::string, std::uint32_t>> kIdentifiers = {
    {"clBlack", 0x0},
    {"clMaroon", 0x80},
    {"clGreen", 0x8000},
    {"clOlive", 0x8080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0xFF},
    {"clLime", 0xFF00},
    {"clYellow", 0xFFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", 0x8000000A},
    {"clActiveCaption", 0x80000002},
    {"clAppWorkSpace", 0x8000000C},
    {"clBackground", 0x80000001},
    {"clBtnFace", 0x8000000F},
    {"clBtnHighlight", 0x80000014},
    {"clBtnShadow", 0x80000010},
    {"clBtnText", 0x80000012},
    {"clCaptionText", 0x80000009},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", 0x8000001B},
    {"clGradientInactiveCaption", 0x8000001C},
    {"clGrayText", 0x80000011},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clInactiveBorder", 0x8000000B},
    {"clInactiveCaption", 0x80000003},
    {"clInactiveCaptionText", 0x80000013},
    {"clInfoBk", 0x80000018},
    {"clInfoText", 0x80000017},
    {"clMenu", 0x80000004},
    {"clMenuText", 0x80000007},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", 0x80000000},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clWindowText", 0x80000008},
};

TEST(IdentifierTableTest, HasTheFortyNineRowsInOrder)
{
    ASSERT_EQ(kIdentifiers.size(), 49u);
    ASSERT_EQ(std::size(kColorIdentifiers), 49u);
    for (std::size_t i = 0; i < 49; ++i) {
        EXPECT_EQ(kColorIdentifiers[i].name, kIdentifiers[i].first) << "row " << i + 1;
        EXPECT_EQ(kColorIdentifiers[i].value, kIdentifiers[i].second) << "row " << i + 1;
    }
}

TEST(IdentifierTableTest, EveryIdentifierWritesAndReadsBack)
{
    for (const auto& [name, value] : kIdentifiers) {
        EXPECT_EQ(ColorToNamedText(value), name);
        EXPECT_EQ(NamedTextToColor(name), value) << name;
        EXPECT_EQ(NamedTextToColor(AsciiLower(name)), value) << name;
        std::string upper = name;
        for (char& c : upper)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(NamedTextToColor(upper), value) << upper;
    }
}

struct ToTextCase {
    const char* name;
    std::uint32_t value;
    const char* text;
};

class ColorToNamedTextTest : public testing::TestWithParam<ToTextCase> {};

TEST_P(ColorToNamedTextTest, WritesIdentifierOrDollarHex)
{
    EXPECT_EQ(ColorToNamedText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, ColorToNamedTextTest, testing::Values(
    ToTextCase{"Black", 0x0, "clBlack"},
    ToTextCase{"Yellow", 0xFFFF, "clYellow"},
    ToTextCase{"UnnamedColour", 0x00D46EAB, "$00D46EAB"},
    ToTextCase{"UnnamedGreen", 0x006ED47F, "$006ED47F"},
    ToTextCase{"UpperCaseDigits", 0x00ABCDEF, "$00ABCDEF"},
    ToTextCase{"SmallValuePadded", 0x1, "$00000001"},
    ToTextCase{"AllBits", 0xFFFFFFFF, "$FFFFFFFF"},
    ToTextCase{"SystemColourZero", 0x80000000, "clScrollBar"},
    ToTextCase{"UnnamedSystemColour", 0x80000019, "$80000019"},
    ToTextCase{"NoneMarker", 0x1FFFFFFF, "clNone"},
    ToTextCase{"DefaultMarker", 0x20000000, "clDefault"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReadCase {
    const char* name;
    const char* text;
    std::optional<std::int64_t> value;  // empty: a conversion error
};

class ReadIntegerTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadIntegerTest, ReadsOrReportsTheText)
{
    const ReadCase& c = GetParam();
    if (c.value) {
        EXPECT_EQ(ReadInteger(c.text), *c.value);
        return;
    }
    try {
        const std::int32_t v = ReadInteger(c.text);
        ADD_FAILURE() << "read '" << c.text << "' as " << v;
    } catch (const ConversionError& e) {
        EXPECT_EQ(e.text(), c.text);
        EXPECT_EQ(std::string(e.what()), std::string("'") + c.text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ReadIntegerTest, testing::Values(
    ReadCase{"Decimal", "255", 255},
    ReadCase{"Zero", "0", 0},
    ReadCase{"LeadingZeros", "007", 7},
    ReadCase{"LeadingBlanks", "   42", 42},
    ReadCase{"LeadingBlankBeforeHex", " 0x1F", 0x1F},
    ReadCase{"Plus", "+5", 5},
    ReadCase{"Minus", "-5", -5},
    ReadCase{"MinusZero", "-0", 0},
    ReadCase{"BlankThenSign", " -5", -5},
    ReadCase{"Largest", "2147483647", INT32_MAX},
    ReadCase{"Smallest", "-2147483648", INT32_MIN},
    ReadCase{"DollarHex", "$FF", 255},
    ReadCase{"DollarAllBitsIsMinusOne", "$FFFFFFFF", -1},
    ReadCase{"DollarHighBit", "$80000000", INT32_MIN},
    ReadCase{"LowerX", "x1F", 0x1F},
    ReadCase{"UpperX", "X1f", 0x1F},
    ReadCase{"ZeroLowerX", "0x1F", 0x1F},
    ReadCase{"ZeroUpperX", "0X1F", 0x1F},
    ReadCase{"HexLeadingZerosFit", "$0000000FF", 255},
    ReadCase{"HexZero", "0x0", 0},
    ReadCase{"TrailingBlank", "12 ", std::nullopt},
    ReadCase{"TooLarge", "2147483648", std::nullopt},
    ReadCase{"TooSmall", "-2147483649", std::nullopt},
    ReadCase{"FarTooLarge", "99999999999999999999999", std::nullopt},
    ReadCase{"HexTooLarge", "$100000000", std::nullopt},
    ReadCase{"Empty", "", std::nullopt},
    ReadCase{"BlanksOnly", "   ", std::nullopt},
    ReadCase{"DollarOnly", "$", std::nullopt},
    ReadCase{"ZeroXOnly", "0x", std::nullopt},
    ReadCase{"XOnly", "x", std::nullopt},
    ReadCase{"SignOnly", "-", std::nullopt},
    ReadCase{"MinusBeforeHex", "-$1F", std::nullopt},
    ReadCase{"PlusBeforeHex", "+0x1F", std::nullopt},
    ReadCase{"SignInsideHex", "$-1", std::nullopt},
    ReadCase{"BlankAfterSign", "- 5", std::nullopt},
    ReadCase{"DoubleSign", "--1", std::nullopt},
    ReadCase{"DoubleZeroX", "00x1F", std::nullopt},
    ReadCase{"TrailingLetter", "12a", std::nullopt},
    ReadCase{"Exponent", "1e3", std::nullopt},
    ReadCase{"Fraction", "1.5", std::nullopt},
    ReadCase{"BadHexDigit", "0x1G", std::nullopt},
    ReadCase{"BlankInsideHex", "$1 F", std::nullopt},
    ReadCase{"HexTrailingBlank", "$1F ", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

struct FromTextCase {
    const char* name;
    const char* text;
    std::optional<std::uint32_t> value;
};

class NamedTextToColorTest : public testing::TestWithParam<FromTextCase> {};

TEST_P(NamedTextToColorTest, ReadsIdentifiersAndIntegers)
{
    const FromTextCase& c = GetParam();
    if (c.value)
        EXPECT_EQ(NamedTextToColor(c.text), *c.value);
    else
        EXPECT_THROW(NamedTextToColor(c.text), ConversionError);
}

INSTANTIATE_TEST_SUITE_P(Table, NamedTextToColorTest, testing::Values(
    FromTextCase{"CapitalIdentifier", "CLFUCHSIA", 0xFF00FF},
    FromTextCase{"MixedCaseIdentifier", "ClWiNdOwTeXt", 0x80000008},
    FromTextCase{"DollarHex", "$006ED47F", 0x6ED47F},
    FromTextCase{"Decimal", "255", 0xFF},
    FromTextCase{"BlankThenHex", " 0x1F", 0x1F},
    FromTextCase{"MinusOneIsAllBits", "-1", 0xFFFFFFFF},
    FromTextCase{"NoneMarker", "clNone", 0x1FFFFFFF},
    FromTextCase{"TrailingBlank", "12 ", std::nullopt},
    FromTextCase{"IdentifierWithTrailingBlank", "clBlack ", std::nullopt},
    FromTextCase{"IdentifierWithLeadingBlank", " clBlack", std::nullopt},
    FromTextCase{"UnknownIdentifier", "clRed2", std::nullopt},
    FromTextCase{"Empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NamedColorRoundTripTest, WritingThenReadingGivesTheValueBack)
{
    std::vector<std::uint32_t> values = {0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, 0xFFFFFF, 0x1000000};
    for (const auto& row : kIdentifiers)
        for (std::uint32_t delta : {0u, 1u, 0xFFFFFFFFu})
            values.push_back(row.second + delta);
    for (int bit = 0; bit < 32; ++bit) {
        values.push_back(std::uint32_t(1) << bit);
        values.push_back((std::uint32_t(1) << bit) - 1);
    }
    std::mt19937 rng(12345);
    for (int i = 0; i < 20000; ++i)
        values.push_back(rng());
    for (std::uint32_t v : values) {
        const std::string text = ColorToNamedText(v);
        ASSERT_EQ(NamedTextToColor(text), v) << text;
    }
}

} // namespace
} // namespace tessaro
