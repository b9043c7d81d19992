// The import scanner's examples, and both scanners checked against plain
// reference versions that consume a working copy from its front, character
// by character, exactly as the scanners are described.
#include "engine/color_scan.h"

#include "engine/engine_printers.h"
#include "engine/text_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace tessaro {
namespace {

using test::U16;

// ---------------------------------------------------------------------------
// Reference scanners. Deliberately naive: quadratic, but easy to check
// against the description line by line.

bool RefIsHex(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

int RefHexPair(char16_t hi, char16_t lo)
{
    const std::string digits = {char(hi), char(lo)};
    return std::stoi(digits, nullptr, 16);
}

TColor RefRrGgBb(const std::u16string& c)
{
    return TColor(RefHexPair(c[0], c[1])) | TColor(RefHexPair(c[2], c[3])) << 8 |
           TColor(RefHexPair(c[4], c[5])) << 16;
}

TColor RefBbGgRr(const std::u16string& c)
{
    return TColor(RefHexPair(c[4], c[5])) | TColor(RefHexPair(c[2], c[3])) << 8 |
           TColor(RefHexPair(c[0], c[1])) << 16;
}

struct RefRule {
    std::u16string prefix;
    bool bgr;
    std::size_t tokenLength;
};

// A decimal channel of the "RGB(" form: blanks around 1 to 3 digits, at most
// 255; anything else makes the form unreadable.
bool RefChannel(std::u16string field, int& value)
{
    while (!field.empty() && field.front() == u' ')
        field.erase(0, 1);
    while (!field.empty() && field.back() == u' ')
        field.pop_back();
    if (field.empty() || field.size() > 3)
        return false;
    for (char16_t c : field)
        if (c < u'0' || c > u'9')
            return false;
    value = std::stoi(std::string(field.begin(), field.end()));
    return value <= 255;
}

struct RefPasteScan {
    std::vector<TColor> colors;
    int passBudgetsUsedUp = 0;  // rules that stopped because their passes ran out
};

RefPasteScan ReferenceScanColorText(const std::u16string& t)
{
    RefPasteScan scan;
    // Bare hex at the very start.
    if (!t.empty() && RefIsHex(t[0])) {
        const std::u16string first = t.substr(0, 6);
        if (first.size() == 6 && std::all_of(first.begin(), first.end(), RefIsHex))
            scan.colors.push_back(RefRrGgBb(first));
    }
    // The prefix rules, each on a fresh copy.
    const RefRule rules[] = {
        {u"#", false, 7},    {u"Hex=\"", false, 11}, {u"Hex=", false, 10}, {u"$00", true, 9},
        {u"0X00", true, 10}, {u"&H", true, 8},       {u"0x", false, 8},
    };
    for (const RefRule& rule : rules) {
        std::u16string w = t;
        const std::size_t passes = t.size() / rule.tokenLength + 1;
        bool ended = false;
        for (std::size_t pass = 0; pass < passes; ++pass) {
            const std::size_t p = w.find(rule.prefix);
            if (p == std::u16string::npos) {
                ended = true;
                break;
            }
            const std::u16string c = w.substr(p + rule.prefix.size(), 6);
            std::size_t bad = 6 - c.size();  // characters missing at the end
            for (char16_t ch : c)
                if (!RefIsHex(ch))
                    ++bad;
            if (bad > 0) {
                for (std::size_t i = 0; i < bad; ++i)
                    if (!w.empty())
                        w.erase(0, 1);
                continue;
            }
            scan.colors.push_back(rule.bgr ? RefBbGgRr(c) : RefRrGgBb(c));
            w.erase(0, std::min(w.size(), p + rule.prefix.size() + 7));
        }
        if (!ended && w.find(rule.prefix) != std::u16string::npos)
            ++scan.passBudgetsUsedUp;
    }
    // The first "RGB(" only.
    const std::size_t at = t.find(u"RGB(");
    if (at != std::u16string::npos) {
        const std::u16string rest = t.substr(at + 4);
        const std::size_t c1 = rest.find(u',');
        const std::size_t c2 = c1 == std::u16string::npos ? c1 : rest.find(u',', c1 + 1);
        const std::size_t close = c2 == std::u16string::npos ? c2 : rest.find(u')', c2 + 1);
        int r, g, b;
        if (close != std::u16string::npos && RefChannel(rest.substr(0, c1), r) &&
            RefChannel(rest.substr(c1 + 1, c2 - c1 - 1), g) && RefChannel(rest.substr(c2 + 1, close - c2 - 1), b))
            scan.colors.push_back(TColor(r) | TColor(g) << 8 | TColor(b) << 16);
    }
    return scan;
}

bool RefSameIgnoringCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

struct RefHashScan {
    bool sawHash = false;
    std::vector<std::string> found;
    std::size_t added = 0;
    std::vector<std::pair<std::size_t, std::size_t>> progress;
    bool budgetUsedUp = false;
};

RefHashScan ReferenceScanHashColors(const std::u16string& text, std::vector<std::string> found, bool allowDuplicates)
{
    RefHashScan scan;
    std::u16string t = text;
    const std::size_t l0 = t.size();
    if (t.find(u'#') == std::u16string::npos) {
        scan.found = std::move(found);
        return scan;
    }
    scan.sawHash = true;
    bool left = false;
    for (std::size_t s = 0; s < l0 / 7 + 1; ++s) {
        scan.progress.emplace_back(s, l0 / 7);
        const std::size_t p = t.find(u'#');
        if (p == std::u16string::npos) {
            left = true;
            break;
        }
        const std::u16string c = t.substr(p, 7);
        bool rejected = false;
        for (std::size_t k = 1; k < 7; ++k) {
            if (k >= c.size() || !RefIsHex(c[k])) {
                rejected = true;
                if (!t.empty())
                    t.erase(0, 1);
            }
        }
        if (rejected)
            continue;
        const std::string entry(c.begin(), c.end());
        const bool known = std::any_of(found.begin(), found.end(),
                                       [&](const std::string& e) { return RefSameIgnoringCase(e, entry); });
        if (allowDuplicates || !known) {
            found.push_back(entry);
            ++scan.added;
        }
        t.erase(0, std::min(t.size(), p + 8));
    }
    scan.budgetUsedUp = !left && t.find(u'#') != std::u16string::npos;
    scan.found = std::move(found);
    return scan;
}

// ---------------------------------------------------------------------------
// The import scanner's examples.

struct HashCase {
    const char* name;
    std::string text;
    bool allowDuplicates;
    std::vector<std::string> entries;
    bool sawHash = true;
};

class ScanHashColorsTest : public testing::TestWithParam<HashCase> {};

TEST_P(ScanHashColorsTest, FindsTheEntries)
{
    const HashCase& c = GetParam();
    std::vector<std::string> found;
    const HashScanResult result = ScanHashColors(U16(c.text), found, c.allowDuplicates);
    EXPECT_EQ(found, c.entries);
    EXPECT_EQ(result.sawHash, c.sawHash);
    EXPECT_EQ(result.added, c.entries.size());
}

std::string Filler(std::size_t n)
{
    return std::string(n, 'a');
}

INSTANTIATE_TEST_SUITE_P(Examples, ScanHashColorsTest, testing::Values(
    HashCase{"InCss", "color:#FF0000;", false, {"#FF0000"}},
    HashCase{"DuplicateIgnoringCaseKeepsFirst", "#ff0000 #FF0000", false, {"#ff0000"}},
    HashCase{"DuplicatesAllowed", "#ff0000 #FF0000", true, {"#ff0000", "#FF0000"}},
    HashCase{"HashRightAfterColourIsRemoved", "#FF0000#00FF00", false, {"#FF0000"}},
    HashCase{"HashRightAfterColourIsRemovedWithDuplicates", "#FF0000#00FF00", true, {"#FF0000"}},
    HashCase{"ThreeDigitFormNeverRead", ".a{color:#FFF}", false, {}},
    HashCase{"ThreeDigitAtEnd", "#FFF", false, {}},
    HashCase{"TrailingHash", "text ending in #", false, {}},
    HashCase{"CutShortByTheEnd", "text ending in #12345", false, {}},
    HashCase{"LetterCaseKept", "x #AbCdEf y", false, {"#AbCdEf"}},
    HashCase{"DoubleHash", "##FF0000", false, {"#FF0000"}},
    HashCase{"LongerDigitRun", "#FF00001234", false, {"#FF0000"}},
    HashCase{"SeveralLines", "a { color: #112233; }\r\nb { color: #445566; }", false, {"#112233", "#445566"}},
    HashCase{"NoHash", "no colours here", false, {}, false},
    HashCase{"Empty", "", false, {}, false},
    // The rejected "#" behind 100 characters needs 17 steps to leave the
    // front; the colour after it needs an 18th, which a text of 118
    // characters does not have and one of 119 has.
    HashCase{"BudgetUsedUpByAStrayHash", Filler(100) + "#zzzzzz" + "bbbb" + "#FF0000", false, {}},
    HashCase{"BudgetJustEnough", Filler(100) + "#zzzzzz" + "bbbbb" + "#FF0000", false, {"#FF0000"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScanHashColorsTest, SecondScanAddsNothingWithoutDuplicates)
{
    const std::u16string text = u"p { color: #ffcc00 } h1 { color: #336699 }";
    std::vector<std::string> found;
    ScanHashColors(text, found, false);
    ASSERT_EQ(found, (std::vector<std::string>{"#ffcc00", "#336699"}));
    const HashScanResult again = ScanHashColors(text, found, false);
    EXPECT_TRUE(again.sawHash);
    EXPECT_EQ(again.added, 0u);
    EXPECT_EQ(found.size(), 2u);
    ScanHashColors(text, found, true);
    EXPECT_EQ(found, (std::vector<std::string>{"#ffcc00", "#336699", "#ffcc00", "#336699"}));
}

TEST(ScanHashColorsTest, EntriesAlreadyFoundCountAsDuplicates)
{
    std::vector<std::string> found = {"#ABCDEF"};
    const HashScanResult result = ScanHashColors(u"#abcdef #123456", found, false);
    EXPECT_EQ(result.added, 1u);
    EXPECT_EQ(found, (std::vector<std::string>{"#ABCDEF", "#123456"}));
}

struct ProgressCase {
    const char* name;
    std::string text;
    std::vector<std::pair<std::size_t, std::size_t>> calls;
};

class ScanProgressTest : public testing::TestWithParam<ProgressCase> {};

TEST_P(ScanProgressTest, ReportsEveryStepWithTheBudget)
{
    std::vector<std::pair<std::size_t, std::size_t>> calls;
    std::vector<std::string> found;
    ScanHashColors(U16(GetParam().text), found, false,
                   [&](std::size_t step, std::size_t maximum) { calls.emplace_back(step, maximum); });
    EXPECT_EQ(calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(Table, ScanProgressTest, testing::Values(
    // 15 characters: maximum 2; two colours, then the step that finds no "#".
    ProgressCase{"TwoColours", "#FF0000 #00FF00", {{0, 2}, {1, 2}, {2, 2}}},
    // 7 characters: one rejected step, then no "#" is left.
    ProgressCase{"OneRejected", "#zzzzzz", {{0, 1}, {1, 1}}},
    // Every step of the budget is used.
    ProgressCase{"BudgetUsedUp", "aaaaaaaaaaaaa#z", {{0, 2}, {1, 2}, {2, 2}}},
    ProgressCase{"NoHashNoSteps", "nothing", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HashEntryToColorTest, ReadsEntriesAndGivesBlackForBadOnes)
{
    EXPECT_EQ(ToRgb(HashEntryToColor("#ffcc00")), (RgbTriple{255, 204, 0}));
    EXPECT_EQ(ToRgb(HashEntryToColor("#FFCC00")), (RgbTriple{255, 204, 0}));
    EXPECT_EQ(HashEntryToColor("#GGGGGG"), 0u);
    EXPECT_EQ(HashEntryToColor(""), 0u);
}

// ---------------------------------------------------------------------------
// Pseudo-random texts against the references.

std::u16string RandomText(std::mt19937& rng)
{
    static const char* const kFragments[] = {
        "#", "#", "#", "#12", "#ABCDEF", "#abcdef", "#FF8000", "0x", "0X00", "0X", "&H", "$00", "$0", "Hex=",
        "Hex=\"", "\"", "RGB(", "12", ",", ")", "255", "256", "0", "1", "7", "9", "A", "b", "c", "D", "e", "F",
        "G", "g", "x", " ", " ", "\r\n", "\r\n", "\n", "\r", "é", "ü", ";", "color:", "aaaaaaaaaaaaaaaaaaaa",
        "0123456789", "ABCDEFabcdef",
    };
    constexpr std::size_t kCount = sizeof kFragments / sizeof kFragments[0];
    std::uniform_int_distribution<std::size_t> pick(0, kCount - 1);
    std::uniform_int_distribution<std::size_t> length(0, 200);
    const std::size_t target = length(rng);
    std::u16string text;
    while (text.size() < target) {
        const std::u16string fragment = U16(kFragments[pick(rng)]);
        if (text.size() + fragment.size() > 200)
            break;
        text += fragment;
    }
    return text;
}

TEST(ScannerReferenceTest, PasteScannerMatchesTheReference)
{
    std::mt19937 rng(20240611);
    int budgetsUsedUp = 0;
    std::size_t colours = 0;
    for (int i = 0; i < 4000; ++i) {
        const std::u16string text = RandomText(rng) + u"\r\n";
        const RefPasteScan expected = ReferenceScanColorText(text);
        ASSERT_EQ(ScanColorText(text), expected.colors) << "text: " << Utf16ToUtf8(text);
        budgetsUsedUp += expected.passBudgetsUsedUp;
        colours += expected.colors.size();
    }
    // The corpus reaches the interesting paths.
    EXPECT_GT(budgetsUsedUp, 20);
    EXPECT_GT(colours, 2000u);
}

TEST(ScannerReferenceTest, ImportScannerMatchesTheReference)
{
    std::mt19937 rng(7);
    int budgetsUsedUp = 0;
    std::size_t added = 0;
    for (int i = 0; i < 4000; ++i) {
        const std::u16string text = RandomText(rng);
        const bool allowDuplicates = i % 2 == 1;
        std::vector<std::string> before;
        if (i % 3 == 0)
            before = {"#ABCDEF", "#ff8000"};
        const RefHashScan expected = ReferenceScanHashColors(text, before, allowDuplicates);

        std::vector<std::string> found = before;
        std::vector<std::pair<std::size_t, std::size_t>> progress;
        const HashScanResult result = ScanHashColors(text, found, allowDuplicates,
                                                     [&](std::size_t s, std::size_t m) { progress.emplace_back(s, m); });
        const std::string shown = Utf16ToUtf8(text);
        ASSERT_EQ(found, expected.found) << "text: " << shown << " duplicates: " << allowDuplicates;
        ASSERT_EQ(result.sawHash, expected.sawHash) << "text: " << shown;
        ASSERT_EQ(result.added, expected.added) << "text: " << shown;
        ASSERT_EQ(progress, expected.progress) << "text: " << shown;
        budgetsUsedUp += expected.budgetUsedUp ? 1 : 0;
        added += expected.added;
    }
    EXPECT_GT(budgetsUsedUp, 20);
    EXPECT_GT(added, 1000u);
}

TEST(ScannerReferenceTest, LongStrayHashRunsMatchTheReference)
{
    // Texts dense with rejected candidates, where the budgets decide.
    std::mt19937 rng(99);
    std::uniform_int_distribution<int> coin(0, 9);
    for (int i = 0; i < 500; ++i) {
        std::u16string text;
        while (text.size() < 190) {
            switch (coin(rng)) {
            case 0: text += u"#FF8000"; break;
            case 1: text += u"0x123456"; break;
            case 2: text += u"&H"; break;
            case 3: text += u"#12"; break;
            default: text += u"a#"; break;
            }
        }
        text += u"\r\n";
        ASSERT_EQ(ScanColorText(text), ReferenceScanColorText(text).colors) << Utf16ToUtf8(text);
        std::vector<std::string> found;
        ScanHashColors(text, found, true);
        ASSERT_EQ(found, ReferenceScanHashColors(text, {}, true).found) << Utf16ToUtf8(text);
    }
}

// ---------------------------------------------------------------------------
// File bytes scanned where they lie, against the references run on the text
// the program decodes from them, its lines split and joined again.

std::string RandomFileBytes(std::mt19937& rng, std::size_t longest)
{
    static const char* const kFragments[] = {
        "#", "#", "##", "#12", "#ABCDEF", "#abcdef", "#FF8000", "0x", "0X00", "&H", "$00", "Hex=", "Hex=\"",
        "RGB(", "12", ",", ", ", ")", "255", "0", "7", "A", "b", "F", "G", " ", "\r\n", "\r\n", "\n", "\n",
        "\r", "\n\r", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x8E\xA8", "color:", "aaaaaaaaaaaaaaaaaaaa",
        "0123456789", "ABCDEFabcdef", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9",
        "\n\n\n\n\n\n\n\n\n\n\n\n", "\xF0\x9F\x8E\xA8\xF0\x9F\x8E\xA8\xF0\x9F\x8E\xA8\xF0\x9F\x8E\xA8",
    };
    constexpr std::size_t kCount = sizeof kFragments / sizeof kFragments[0];
    std::uniform_int_distribution<std::size_t> pick(0, kCount - 1);
    std::uniform_int_distribution<std::size_t> length(0, longest);
    std::uniform_int_distribution<int> coin(0, 3);
    const std::size_t target = length(rng);
    std::string bytes;
    while (bytes.size() < target)
        bytes += kFragments[pick(rng)];
    // A byte that is not UTF-8 makes a quarter of the texts Windows-1252.
    if (coin(rng) == 0 && !bytes.empty())
        bytes[std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(rng)] = '\x92';
    return bytes;
}

TEST(ScannerReferenceTest, FileBytesScanAsTheirDecodedText)
{
    std::mt19937 rng(1252);
    std::size_t colours = 0, added = 0;
    for (int i = 0; i < 3000; ++i) {
        const std::string bytes = RandomFileBytes(rng, i % 10 == 0 ? 3000 : 200);
        const std::u16string decoded = DecodeFileText(bytes);
        const auto lines = SplitLines(std::u16string_view(decoded));
        const std::string shown = "bytes: " + bytes;

        const RefPasteScan pasted = ReferenceScanColorText(JoinLines(lines, true));
        std::vector<TColor> colors;
        ScanColorText(ScanText::FromFileBytes(bytes, LineBreaks::CrLfAfterEveryLine),
                      [&](TColor color) { colors.push_back(color); });
        ASSERT_EQ(colors, pasted.colors) << shown;
        colours += colors.size();

        const bool allowDuplicates = i % 2 == 1;
        const std::vector<std::string> before = i % 3 == 0 ? std::vector<std::string>{"#ABCDEF"}
                                                            : std::vector<std::string>{};
        const RefHashScan expected = ReferenceScanHashColors(JoinLines(lines, false), before, allowDuplicates);
        std::vector<std::string> found = before;
        std::vector<std::pair<std::size_t, std::size_t>> progress;
        const HashScanResult result =
            ScanHashColors(ScanText::FromFileBytes(bytes, LineBreaks::CrLfBetweenLines), before, allowDuplicates,
                           [&](std::string_view entry) { found.emplace_back(entry); },
                           [&](std::size_t s, std::size_t m) { progress.emplace_back(s, m); });
        ASSERT_EQ(found, expected.found) << shown;
        ASSERT_EQ(result.sawHash, expected.sawHash) << shown;
        ASSERT_EQ(result.added, expected.added) << shown;
        ASSERT_EQ(progress, expected.progress) << shown;
        added += expected.added;
    }
    EXPECT_GT(colours, 10000u);
    EXPECT_GT(added, 3000u);
}

// A text large enough to be scanned on two cores, of `fragments`; a
// progress report makes the same scan go in one pass, from the front.
std::string LargeText(std::mt19937& rng, const std::vector<std::string>& fragments)
{
    std::uniform_int_distribution<std::size_t> pick(0, fragments.size() - 1);
    std::string bytes;
    while (bytes.size() < kTextForTwoCores + kTextForTwoCores / 4)
        bytes += fragments[pick(rng)];
    return bytes;
}

std::vector<std::string> HashScan(const std::string& bytes, bool allowDuplicates, bool onePass)
{
    std::vector<std::string> found{"#ABCDEF"};
    const ScanProgress progress = onePass ? ScanProgress([](std::size_t, std::size_t) {}) : ScanProgress();
    ScanHashColors(ScanText::FromFileBytes(bytes, LineBreaks::CrLfBetweenLines), found, allowDuplicates,
                   [&found](std::string_view entry) { found.emplace_back(entry); }, progress);
    return found;
}

TEST(LargeTextScanTest, TwoCoresFindWhatOneFinds)
{
    const std::vector<std::string> mixed = {"#", "#12", "#ABCDEF", "#abcdef", "#FF8000", "#c0ffee", " ", "\r\n",
                                            "\n", "\r", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x8E\xA8", "G",
                                            "#GGG", "x", "0123456789", "0x", "0X00", "&H", "$00", "Hex=\"",
                                            "Hex=", "RGB(1,2,3)"};
    // Bad "#"s far apart spend the budget of steps within the first half.
    const std::vector<std::string> costly = {"#xxxxxx" + std::string(200, 'y'), "#12abef\n"};
    std::mt19937 rng(2026);
    struct Case {
        const char* name;
        std::string bytes;
    };
    std::vector<Case> cases = {
        {"Mixed", LargeText(rng, mixed)},
        {"BudgetSpentEarly", LargeText(rng, costly)},
        {"NoHashInTheSecondHalf", LargeText(rng, mixed).substr(0, kTextForTwoCores / 2) +
                                      std::string(kTextForTwoCores, 'z')},
        {"Windows1252", LargeText(rng, mixed) + "\x92"},
        {"OnlyGoodEntries", LargeText(rng, {"#0A0B0C ", "#1a2b3c\n", "#ffffff;"})},
    };
    for (const Case& c : cases) {
        std::vector<TColor> oneCore, twoCores;
        const ScanText text = ScanText::FromFileBytes(c.bytes, LineBreaks::CrLfAfterEveryLine);
        ScanColorText(text, [&oneCore](TColor color) { oneCore.push_back(color); }, Cores::One);
        ScanColorText(text, [&twoCores](TColor color) { twoCores.push_back(color); });
        EXPECT_GT(oneCore.size(), 0u) << c.name;
        EXPECT_EQ(twoCores, oneCore) << c.name;
        for (const bool allowDuplicates : {false, true}) {
            const std::vector<std::string> onePass = HashScan(c.bytes, allowDuplicates, true);
            EXPECT_GT(onePass.size(), 1u) << c.name;
            EXPECT_EQ(HashScan(c.bytes, allowDuplicates, false), onePass) << c.name << " " << allowDuplicates;
        }
    }
}

} // namespace
} // namespace tessaro
