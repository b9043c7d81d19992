// Every reader and scanner takes any bytes: empty text, a "#" at the very
// end, non-ASCII, NUL bytes, lines of 10 MB, numbers too large for 32 bits.
// Nothing here checks results beyond "no crash, no stray exception"; the
// sanitizer build checks that nothing reads out of bounds.
#include "engine/color_scan.h"
#include "engine/color_text.h"
#include "engine/conversion_error.h"
#include "engine/keyvalue_text.h"
#include "engine/named_color.h"
#include "engine/text_encoding.h"
#include "engine/text_lines.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {
namespace {

constexpr std::size_t kTenMegabytes = 10 * 1024 * 1024;

std::string Repeat(std::string_view piece, std::size_t size)
{
    std::string text;
    text.reserve(size + piece.size());
    while (text.size() < size)
        text += piece;
    return text;
}

// The bytes are made only when a test runs: every test process registers
// all cases, and the 10 MB ones would otherwise be built in each of them.
struct BadInput {
    std::string name;
    std::function<std::string()> make;
};

std::vector<BadInput> BadInputs()
{
    using namespace std::string_view_literals;
    // String literals live for the whole run; the view keeps embedded NULs.
    const auto fixed = [](std::string_view bytes) { return [bytes] { return std::string(bytes); }; };
    return {
        {"Empty", fixed("")},
        {"HashOnly", fixed("#")},
        {"HashAtEnd", fixed("color: #")},
        {"HashAndFiveDigitsAtEnd", fixed("#FF800")},
        {"EveryPrefixAtEnd", fixed("RGB(Hex=\"Hex=$000X00&H0x#")},
        {"PrefixesCutShort", fixed("#F")},
        {"DollarAtEnd", fixed("$0")},
        {"NulBytes", fixed("\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0"sv)},
        {"HashThenNuls", fixed("#\0\0\0\0\0\0#"sv)},
        {"NulInsideColour", fixed("#FF\0" "000"sv)},
        {"Utf8", fixed("#\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 \xE2\x82\xAC")},
        {"InvalidUtf8", fixed("#\xFF\xFE\xFD\xFC\xFB\xFA\x80\x81")},
        {"HighBytesLookingLikeDigits", fixed("\xC6\xB0\xC6\xB0\xC6\xB0")},
        {"Overflow", fixed("99999999999999999999999999999999")},
        {"NegativeOverflow", fixed("-99999999999999999999999999999999")},
        {"HexOverflow", fixed("$FFFFFFFFFFFFFFFFFFFF")},
        {"HexNineDigits", fixed("0x100000000")},
        {"RgbOverflow", fixed("RGB(99999999999,4294967296,-1)")},
        {"RgbUnclosed", fixed("RGB(1,2,3")},
        {"RgbNoCommas", fixed("RGB(123)")},
        {"KeyValueOddities", fixed("=\r\n==\r\n\r\n=a\rb=\n")},
        {"OnlyBreaks", fixed("\r\n\r\r\n\n\n\r")},
        {"TenMegabytesOfF", [] { return std::string(kTenMegabytes, 'F'); }},
        {"TenMegabytesOfHash", [] { return std::string(kTenMegabytes, '#'); }},
        {"TenMegabytesOfNines", [] { return std::string(kTenMegabytes, '9'); }},
        {"TenMegabytesThenHash", [] { return std::string(kTenMegabytes, 'a') + "#"; }},
        {"TenMegabytesOfColours", [] { return Repeat("#FF8000", kTenMegabytes); }},
        {"TenMegabytesOfPrefixes", [] { return Repeat("Hex=\"$000X00&H0x#RGB(", kTenMegabytes); }},
        {"TenMegabytesOfHighBytes", [] { return std::string(kTenMegabytes, '\xE9'); }},
        {"TenMegabytesDollarHex", [] { return "$" + std::string(kTenMegabytes, 'F'); }},
    };
}

void PrintTo(const BadInput& input, std::ostream* os)
{
    *os << input.name;
}

class BadInputTest : public testing::TestWithParam<BadInput> {};

template <typename F>
void ReadsOrReportsConversionError(F&& read)
{
    try {
        read();
    } catch (const ConversionError&) {
    }
}

TEST_P(BadInputTest, ReadersReadOrReportAConversionError)
{
    const std::string bytes = GetParam().make();
    ReadsOrReportsConversionError([&] { HashHexToColor(bytes); });
    ReadsOrReportsConversionError([&] { HexFieldToColor(bytes); });
    ReadsOrReportsConversionError([&] { ReadInteger(bytes); });
    ReadsOrReportsConversionError([&] { NamedTextToColor(bytes); });
    HashEntryToColor(bytes);
}

TEST_P(BadInputTest, KeyValueTextAndLinesTakeAnyBytes)
{
    const std::string bytes = GetParam().make();
    KeyValueText kv = KeyValueText::Parse(bytes);
    kv.Get("#");
    kv.Get("");
    kv.Set("a", bytes.substr(0, 100));
    EXPECT_NE(kv.Serialize().find("a="), std::string::npos);
    const auto lines = SplitLines(std::string_view(bytes));
    std::size_t total = 0;
    for (auto line : lines)
        total += line.size();
    EXPECT_LE(total, bytes.size());
}

TEST_P(BadInputTest, ScannersTakeAnyText)
{
    const std::string bytes = GetParam().make();
    const std::u16string decoded = DecodeFileText(bytes);
    EXPECT_LE(decoded.size(), bytes.size());
    std::vector<std::u16string> texts = {decoded};
    // The short ones also as every byte one character, with a lone surrogate
    // at the end.
    if (bytes.size() < 1024) {
        texts.emplace_back(bytes.begin(), bytes.end());
        texts.back().push_back(char16_t(0xD800));
    }
    for (const std::u16string& text : texts) {
        const auto colors = ScanColorText(text);
        EXPECT_LE(colors.size(), text.size());
        for (bool allowDuplicates : {false, true}) {
            std::vector<std::string> found;
            ScanHashColors(text, found, allowDuplicates);
            for (const std::string& entry : found)
                ASSERT_EQ(entry.size(), 7u);
        }
        Utf16ToUtf8(text);
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, BadInputTest, testing::ValuesIn(BadInputs()),
                         [](const auto& info) { return info.param.name; });

TEST(BadInputTest, OverflowingNumbersAreConversionErrors)
{
    for (const char* text : {"4294967296", "-2147483649", "$100000000", "0x1FFFFFFFF", "18446744073709551616",
                             "0x10000000000000000", "99999999999999999999999999999999"}) {
        EXPECT_THROW(ReadInteger(text), ConversionError) << text;
        EXPECT_THROW(NamedTextToColor(text), ConversionError) << text;
    }
    EXPECT_THROW(ReadInteger(std::string(kTenMegabytes, '9')), ConversionError);
    EXPECT_THROW(ReadInteger("$" + std::string(kTenMegabytes, 'F')), ConversionError);
    // Leading zeros do not overflow.
    EXPECT_EQ(ReadInteger(std::string(1000, '0') + "1"), 1);
    EXPECT_EQ(ReadInteger("$" + std::string(1000, '0') + "1"), 1);
}

TEST(BadInputTest, TenMegabyteLinesScanToTheirColours)
{
    // A huge text of colours is still scanned in full: every "#" token of 8
    // characters is taken, since the step budget is length / 7 + 1.
    const std::string bytes = Repeat("#FF8000 ", 8 * 100000);
    std::vector<std::string> found;
    ScanHashColors(DecodeFileText(bytes), found, true);
    EXPECT_EQ(found.size(), 100000u);
    const std::u16string pasted = DecodeFileText(bytes) + u"\r\n";
    EXPECT_EQ(ScanColorText(pasted).size(), 100000u);
}

} // namespace
} // namespace tessaro
