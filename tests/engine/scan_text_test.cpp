// File bytes measured as the text the program decodes from them.
#include "engine/scan_text.h"

#include "engine/text_encoding.h"
#include "engine/text_lines.h"

#include <gtest/gtest.h>

#include <random>
#include <iterator>
#include <string>

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

TEST(ScanTextTest, UnitsBetweenFarApartAgreeWithWalking)
{
    // Long texts of breaks and characters of every length: the distance
    // between two places counted through the block index equals the walk
    // from one to the other, character by character.
    const char* const pieces[] = {"a", "#", "\r\n", "\n", "\r", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x8E\xA8", "\x92"};
    std::mt19937 rng(5);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
    for (int i = 0; i < 60; ++i) {
        std::string bytes;
        while (bytes.size() < 3000)
            bytes += pieces[pick(rng)];
        if (i % 2 == 0)
            std::erase(bytes, '\x92');  // half of the texts UTF-8
        const LineBreaks breaks = i % 3 == 0 ? kKept : i % 3 == 1 ? kAfter : kBetween;
        const ScanText text = ScanText::FromFileBytes(bytes, breaks);
        ASSERT_EQ(text.Units(), Decoded(bytes, breaks).size());
        std::uniform_int_distribution<std::size_t> unit(0, text.Units() - 1);
        for (int k = 0; k < 200; ++k) {
            std::size_t from = unit(rng), to = unit(rng);
            if (from > to)
                std::swap(from, to);
            const ScanText::Position start = text.Advance({0, 0}, from);
            const ScanText::Position end = text.Advance(start, to - from);
            ASSERT_EQ(text.UnitsBetween(start, end.byte), to - from - end.extra) << from << " " << to;
            ASSERT_EQ(text.UnitsBetween({0, 0}, end.byte), to - end.extra) << to;
        }
    }
}

TEST(ScanTextTest, Utf16UnitsReadBackAsTheSameUnits)
{
    const std::u16string text = u"a\u00E9\u20AC\U0001F3A8\r\n#" + std::u16string(1, char16_t(0xDC00)) + u"x";
    const std::string bytes = Utf16UnitsAsBytes(text);
    const ScanText scan(bytes, ByteEncoding::Utf8, kKept);
    EXPECT_EQ(scan.Units(), text.size());
    EXPECT_EQ(scan.Find("#", 0), bytes.find('#'));
    EXPECT_EQ(scan.UnitsBetween({0, 0}, bytes.find('#')), text.find(u'#'));
}

} // namespace
} // namespace tessaro
