// File bytes measured as the text the program decodes from them.
#include "engine/scan_text.h"

#include "engine/text_encoding.h"
#include "engine/text_lines.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tessaro {
namespace {

// The text the program holds for a file's bytes, its lines joined again.
std::u16string Decoded(const std::string& bytes, LineBreaks breaks)
{
    const std::u16string text = DecodeFileText(bytes);
    if (breaks == LineBreaks::AsTheyAre)
        return text;
    return JoinLines(SplitLines(std::u16string_view(text)), breaks == LineBreaks::CrLfAfterEveryLine);
}

struct UnitsCase {
    const char* name;
    std::string bytes;
    LineBreaks breaks;
    std::size_t units;
};

void PrintTo(const UnitsCase& c, std::ostream* os)
{
    *os << c.name;
}

class ScanTextUnitsTest : public testing::TestWithParam<UnitsCase> {};

TEST_P(ScanTextUnitsTest, CountsTheDecodedUnits)
{
    const UnitsCase& c = GetParam();
    EXPECT_EQ(ScanText::FromFileBytes(c.bytes, c.breaks).Units(), c.units);
    EXPECT_EQ(Decoded(c.bytes, c.breaks).size(), c.units);
}

constexpr LineBreaks kKept = LineBreaks::AsTheyAre;
constexpr LineBreaks kAfter = LineBreaks::CrLfAfterEveryLine;
constexpr LineBreaks kBetween = LineBreaks::CrLfBetweenLines;

INSTANTIATE_TEST_SUITE_P(Table, ScanTextUnitsTest, testing::Values(
    UnitsCase{"Empty", "", kAfter, 0},
    UnitsCase{"EmptyBetween", "", kBetween, 0},
    UnitsCase{"LineGetsCrLfAfter", "ab", kAfter, 4},
    UnitsCase{"LineWithoutBreakBetween", "ab", kBetween, 2},
    UnitsCase{"FinalBreakKeptAfter", "ab\n", kAfter, 4},
    UnitsCase{"FinalBreakDroppedBetween", "ab\r\n", kBetween, 2},
    UnitsCase{"OnlyTheLastBreakDropped", "ab\r\r\n", kBetween, 4},
    UnitsCase{"LoneBreaksBecomeCrLf", "a\nb\rc", kBetween, 7},
    UnitsCase{"LfCrIsTwoBreaks", "a\n\rb", kBetween, 6},
    UnitsCase{"BreaksKept", "a\nb\rc\r\n", kKept, 7},
    UnitsCase{"OnlyABreak", "\n", kAfter, 2},
    UnitsCase{"TwoAndThreeByteCharactersAreOneUnit", "\xC3\xA9\xE2\x82\xAC", kKept, 2},
    UnitsCase{"FourByteCharacterIsASurrogatePair", "\xF0\x9F\x8E\xA8", kKept, 2},
    UnitsCase{"Windows1252ByteIsOneUnit", "\xC3\xA9\xE9", kKept, 3}),
    [](const auto& info) { return std::string(info.param.name); });

// Every needle in the decoded text, in order, with its unit and the bad
// units (missing or not hex) among the six after it.
std::vector<NeedleWindows::Needle> NeedlesInDecoded(std::u16string_view text, std::u16string_view needle)
{
    std::vector<NeedleWindows::Needle> needles;
    for (std::size_t at = text.find(needle); at != std::u16string_view::npos; at = text.find(needle, at + 1)) {
        std::size_t bad = 0;
        for (std::size_t k = at + needle.size(); k < at + needle.size() + 6; ++k)
            bad += k >= text.size() || text[k] >= 0x80 || HexByteValue(char(text[k])) < 0;
        needles.push_back({0, at, bad});
    }
    return needles;
}

TEST(NeedleWindowsTest, PlacesEveryNeedleAtItsDecodedUnit)
{
    // Long texts of breaks, hex digits and characters of every length,
    // across many windows: each needle found lies at the unit where the
    // decoded text has it, with the same bad units after it.
    const char* const pieces[] = {"a", "#", "0x", "G", "\r\n", "\n", "\r", "\xC3\xA9", "\xE2\x82\xAC",
                                  "\xF0\x9F\x8E\xA8", "\x92", "7F", "c0ffee"};
    std::mt19937 rng(5);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    for (int i = 0; i < 60; ++i) {
        std::string bytes;
        while (bytes.size() < 3000 + std::size_t(i))
            bytes += pieces[pick(rng)];
        if (i % 2 == 0)
            std::erase(bytes, '\x92');  // half of the texts UTF-8
        const LineBreaks breaks = i % 3 == 0 ? kKept : i % 3 == 1 ? kAfter : kBetween;
        const ScanText text = ScanText::FromFileBytes(bytes, breaks);
        const std::u16string decoded = Decoded(bytes, breaks);
        ASSERT_EQ(text.Units(), decoded.size());
        for (const auto& [needle, wide] : {std::pair{"#", u"#"}, std::pair{"0x", u"0x"}}) {
            const std::vector<NeedleWindows::Needle> expected = NeedlesInDecoded(decoded, wide);
            NeedleWindows windows(text, needle);
            NeedleWindows::Needle found{};
            std::size_t count = 0;
            std::size_t byte = bytes.find(needle);
            while (windows.Next(found)) {
                ASSERT_LT(count, expected.size()) << "text " << i << " " << needle;
                EXPECT_EQ(found.byte, byte) << "text " << i << " " << needle << " #" << count;
                EXPECT_EQ(found.unit, expected[count].unit) << "text " << i << " " << needle << " #" << count;
                EXPECT_EQ(found.bad, expected[count].bad) << "text " << i << " " << needle << " #" << count;
                byte = bytes.find(needle, byte + 1);
                ++count;
            }
            EXPECT_EQ(count, expected.size()) << "text " << i << " " << needle;
        }
    }
}

TEST(ScanTextTest, Utf16UnitsReadBackAsTheSameUnits)
{
    const std::u16string text = u"a\u00E9\u20AC\U0001F3A8\r\n#" + std::u16string(1, char16_t(0xDC00)) + u"x";
    const std::string bytes = Utf16UnitsAsBytes(text);
    const ScanText scan(bytes, ByteEncoding::Utf8, kKept);
    EXPECT_EQ(scan.Units(), text.size());
    NeedleWindows windows(scan, "#");
    NeedleWindows::Needle found{};
    ASSERT_TRUE(windows.Next(found));
    EXPECT_EQ(found.byte, bytes.find('#'));
    EXPECT_EQ(found.unit, text.find(u'#'));
    EXPECT_FALSE(windows.Next(found));
}

} // namespace
} // namespace tessaro
