// Line splitting and joining, and the decoding of file bytes.
#include "engine/text_encoding.h"
#include "engine/text_lines.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {
namespace {

struct SplitCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

class SplitLinesTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitLinesTest, SplitsAtCrLfCrAndLf)
{
    std::vector<std::string> lines;
    for (std::string_view line : SplitLines(std::string_view(GetParam().text)))
        lines.emplace_back(line);
    EXPECT_EQ(lines, GetParam().lines);

    // The same for UTF-16 text.
    const std::u16string wide(GetParam().text.begin(), GetParam().text.end());
    std::vector<std::string> wideLines;
    for (std::u16string_view line : SplitLines(std::u16string_view(wide)))
        wideLines.emplace_back(line.begin(), line.end());
    EXPECT_EQ(wideLines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Table, SplitLinesTest, testing::Values(
    SplitCase{"Empty", "", {}},
    SplitCase{"OneLineNoBreak", "a", {"a"}},
    SplitCase{"FinalBreakOpensNoLine", "a\r\n", {"a"}},
    SplitCase{"OnlyABreakIsOneEmptyLine", "\r\n", {""}},
    SplitCase{"CrLf", "a\r\nb", {"a", "b"}},
    SplitCase{"Cr", "a\rb\r", {"a", "b"}},
    SplitCase{"Lf", "a\nb\n", {"a", "b"}},
    SplitCase{"LfCrIsTwoBreaks", "a\n\rb", {"a", "", "b"}},
    SplitCase{"CrCrLf", "a\r\r\nb", {"a", "", "b"}},
    SplitCase{"EmptyLinesKept", "\n\na\n\n", {"", "", "a", ""}},
    SplitCase{"TwoFinalBreaks", "a\r\n\r\n", {"a", ""}},
    SplitCase{"NulIsNoBreak", std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JoinLinesTest, JoinsWithCrLf)
{
    const std::vector<std::string_view> lines = {"a", "", "b"};
    EXPECT_EQ(JoinLines(lines, true), "a\r\n\r\nb\r\n");
    EXPECT_EQ(JoinLines(lines, false), "a\r\n\r\nb");
    EXPECT_EQ(JoinLines(std::vector<std::string_view>{}, true), "");
    EXPECT_EQ(JoinLines(std::vector<std::string_view>{}, false), "");
    EXPECT_EQ(JoinLines(std::vector<std::string_view>{""}, false), "");
    EXPECT_EQ(JoinLines(std::vector<std::string_view>{""}, true), "\r\n");
}

TEST(JoinLinesTest, SplitThenJoinNormalisesBreaks)
{
    const std::string text = "a\nb\rc\r\nd\n";
    EXPECT_EQ(JoinLines(SplitLines(std::string_view(text)), true), "a\r\nb\r\nc\r\nd\r\n");
    EXPECT_EQ(JoinLines(SplitLines(std::string_view(text)), false), "a\r\nb\r\nc\r\nd");
}

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::u16string text;
};

class DecodeFileTextTest : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeFileTextTest, ReadsUtf8OrElseWindows1252)
{
    EXPECT_EQ(DecodeFileText(GetParam().bytes), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, DecodeFileTextTest, testing::Values(
    DecodeCase{"Empty", "", u""},
    DecodeCase{"Ascii", "#FF8000\r\n", u"#FF8000\r\n"},
    DecodeCase{"Utf8TwoBytes", "caf\xC3\xA9", u"caf\u00E9"},
    DecodeCase{"Utf8ThreeBytes", "\xE2\x82\xAC", u"\u20AC"},
    DecodeCase{"Utf8FourBytesIsASurrogatePair", "\xF0\x9F\x8E\xA8", u"\U0001F3A8"},
    DecodeCase{"NulByte", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    DecodeCase{"EuroSignByte", "\x80", u"\u20AC"},
    DecodeCase{"LoneLatin1Byte", "caf\xE9", u"caf\u00E9"},
    DecodeCase{"OneBadByteMakesTheWholeFile1252", "\xC3\xA9 \xE9", u"\u00C3\u00A9 \u00E9"},
    DecodeCase{"HighControlBytes", "\x85\x92\x9F", u"\u2026\u2019\u0178"},
    DecodeCase{"UnassignedBytesKeepTheirValue", "\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D"},
    DecodeCase{"OverlongSlashIsNotUtf8", "\xC0\xAF", u"\u00C0\u00AF"},
    DecodeCase{"EncodedSurrogateIsNotUtf8", "\xED\xA0\x80", u"\u00ED\u00A0\u20AC"},
    DecodeCase{"AboveUnicodeIsNotUtf8", "\xF4\x90\x80\x80", u"\u00F4\u0090\u20AC\u20AC"},
    DecodeCase{"TruncatedSequenceAtEnd", "ab\xE2\x82", u"ab\u00E2\u201A"},
    DecodeCase{"ByteFF", "\xFF", u"\u00FF"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DecodeFileTextTest, EveryWindows1252ByteIsOneCharacter)
{
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes.push_back(char(b));
    ASSERT_FALSE(IsValidUtf8(bytes));
    const std::u16string text = DecodeFileText(bytes);
    ASSERT_EQ(text.size(), 256u);
    for (int b = 0; b < 0x80; ++b)
        EXPECT_EQ(text[std::size_t(b)], char16_t(b));
    for (int b = 0xA0; b < 0x100; ++b)
        EXPECT_EQ(text[std::size_t(b)], char16_t(b));
    // Bytes 0x80-0x9F as Windows-1252 has them; the five bytes it leaves
    // undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their value.
    const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
    };
    EXPECT_EQ(text.substr(0x80, 32), std::u16string(high, 32));
}

// Well-formed UTF-8 as the Unicode standard's table of byte sequences
// gives it, one sequence at a time.
bool IsWellFormedUtf8(std::string_view bytes)
{
    const auto at = [&bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char b = at(i);
        std::size_t length = 1;
        unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
        if (b < 0x80) { ++i; continue; }
        if (b >= 0xC2 && b <= 0xDF) length = 2;
        else if (b == 0xE0) { length = 3; low = 0xA0; }
        else if (b == 0xED) { length = 3; high = 0x9F; }
        else if (b >= 0xE1 && b <= 0xEF) length = 3;
        else if (b == 0xF0) { length = 4; low = 0x90; }
        else if (b == 0xF4) { length = 4; high = 0x8F; }
        else if (b >= 0xF1 && b <= 0xF3) length = 4;
        else return false;
        if (i + length > bytes.size() || at(i + 1) < low || at(i + 1) > high)
            return false;
        for (std::size_t k = 2; k < length; ++k)
            if (at(i + k) < 0x80 || at(i + k) > 0xBF)
                return false;
        i += length;
    }
    return true;
}

TEST(IsValidUtf8Test, AgreesWithTheStandardOnRandomTexts)
{
    // Texts of every length up to a few hundred bytes, mostly ASCII with
    // sequences of every kind, some of them broken, at every place against
    // the 32-byte steps of the wide check.
    const char* const pieces[] = {"a", "ab", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x8E\xA8", "\xEF\xBF\xBD",
                                  "\xF4\x8F\xBF\xBF", "\xED\x9F\xBF", "\xE0\xA0\x80", "\xF0\x90\x80\x80"};
    const char bad[] = {'\x80', '\xBF', '\xC0', '\xC1', '\xC2', '\xE0', '\xED', '\xF0', '\xF4', '\xF5', '\xFF'};
    std::mt19937 rng(7);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::uniform_int_distribution<std::size_t> badByte(0, std::size(bad) - 1);
    std::uniform_int_distribution<int> percent(0, 99);
    int valid = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string bytes;
        const std::size_t size = std::size_t(round % 300);
        while (bytes.size() < size)
            bytes += percent(rng) < 70 ? "x" : pieces[piece(rng)];
        if (percent(rng) < 50 && !bytes.empty()) {
            // One byte changed, or the text cut inside a sequence.
            std::uniform_int_distribution<std::size_t> place(0, bytes.size() - 1);
            if (percent(rng) < 70)
                bytes[place(rng)] = bad[badByte(rng)];
            else
                bytes.resize(place(rng));
        }
        const bool expected = IsWellFormedUtf8(bytes);
        valid += expected;
        ASSERT_EQ(IsValidUtf8(bytes), expected) << "round " << round << " size " << bytes.size();
    }
    EXPECT_GT(valid, 5000);
    EXPECT_LT(valid, 15000);
}

TEST(IsValidUtf8Test, SequenceCutShortBeforeALongAsciiRun)
{
    EXPECT_TRUE(IsValidUtf8(std::string_view()));
    for (std::size_t offset = 0; offset < 70; ++offset) {
        const std::string start(offset, 'x');
        EXPECT_FALSE(IsValidUtf8(start + "\xE2\x82" + std::string(80, 'y'))) << offset;
        EXPECT_FALSE(IsValidUtf8(start + "\xF0\x9F\x8E" + std::string(80, 'y'))) << offset;
        EXPECT_TRUE(IsValidUtf8(start + "\xE2\x82\xAC" + std::string(80, 'y'))) << offset;
    }
}

struct Utf8Case {
    const char* name;
    std::u16string text;
    std::string utf8;
};

void PrintTo(const Utf8Case& c, std::ostream* os)
{
    *os << c.name;
}

class Utf8BoundaryTest : public testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8BoundaryTest, WritesAndReadsTheShortestForm)
{
    EXPECT_EQ(Utf16ToUtf8(GetParam().text), GetParam().utf8);
    EXPECT_EQ(DecodeFileText(GetParam().utf8), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, Utf8BoundaryTest, testing::Values(
    Utf8Case{"LastOneByte", u"\u007F", "\x7F"},
    Utf8Case{"FirstTwoBytes", u"\u0080", "\xC2\x80"},
    Utf8Case{"LastTwoBytes", u"\u07FF", "\xDF\xBF"},
    Utf8Case{"FirstThreeBytes", u"\u0800", "\xE0\xA0\x80"},
    Utf8Case{"LastThreeBytes", u"\uFFFF", "\xEF\xBF\xBF"},
    Utf8Case{"FirstFourBytes", u"\U00010000", "\xF0\x90\x80\x80"},
    Utf8Case{"LastFourBytes", u"\U0010FFFF", "\xF4\x8F\xBF\xBF"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Utf16ToUtf8Test, RoundTripsAndReplacesLoneSurrogates)
{
    const std::string utf8 = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8E\xA8";
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(utf8)), utf8);
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xDC00)) + u"x"), "\xEF\xBF\xBDx");
}

} // namespace
} // namespace tessaro
