// The history log: step texts, the undo/redo cursor, removing steps and the
// history file's lines.
#include "colorlist/history_log.h"

#include "engine/conversion_error.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace tessaro::colorlist {
namespace {

template <typename Case>
void PrintTo(const Case& c, std::ostream* os)
    requires requires { c.name; }
{
    *os << c.name;
}
constexpr auto kCaseName = [](const auto& info) { return std::string(info.param.name); };

// Distinct colours, one per step index.
TColor ColorOfStep(int index)
{
    return MakeColor(std::uint8_t(10 * index + 5), std::uint8_t(100 + index), std::uint8_t(200 - 3 * index));
}

HistoryLog LogOf(int steps)
{
    HistoryLog log;
    for (int i = 0; i < steps; ++i)
        log.Record(ColorOfStep(i));
    return log;
}

QStringList StepsOf(const std::vector<int>& indices)
{
    QStringList steps;
    for (int i : indices)
        steps << HistoryLog::StepText(ColorOfStep(i));
    return steps;
}

// ---- the step text

struct StepTextCase {
    const char* name;
    RgbTriple rgb;
    const char* text;
};

class StepTextTest : public testing::TestWithParam<StepTextCase> {};

TEST_P(StepTextTest, WritesDecimalThenHashHex)
{
    const TColor color = MakeColor(GetParam().rgb);
    EXPECT_EQ(HistoryLog::StepText(color), QString::fromLatin1(GetParam().text));
    EXPECT_EQ(HistoryLog::StepColor(HistoryLog::StepText(color)), color);
}

INSTANTIATE_TEST_SUITE_P(Table, StepTextTest, testing::Values(
    StepTextCase{"Orange", {255, 128, 0}, "255,128,0 - #FF8000"},
    StepTextCase{"Black", {0, 0, 0}, "0,0,0 - #000000"},
    StepTextCase{"White", {255, 255, 255}, "255,255,255 - #FFFFFF"},
    StepTextCase{"SmallBytesPadInHexOnly", {1, 2, 3}, "1,2,3 - #010203"},
    StepTextCase{"UpperCaseHex", {10, 171, 205}, "10,171,205 - #0AABCD"}),
    kCaseName);

TEST(StepTextTest, OnlyTheColourBytesAreWritten)
{
    EXPECT_EQ(HistoryLog::StepText(0x01FF8000u), QStringLiteral("0,128,255 - #0080FF"));
}

struct StepColorCase {
    const char* name;
    const char* step;
    std::optional<RgbTriple> rgb;  // nothing: a conversion error
    const char* offending;         // the text the error names
};

class StepColorTest : public testing::TestWithParam<StepColorCase> {};

TEST_P(StepColorTest, ReadsTheLastSixCharacters)
{
    const QString step = QString::fromLatin1(GetParam().step);
    if (GetParam().rgb) {
        EXPECT_EQ(HistoryLog::StepColor(step), MakeColor(*GetParam().rgb));
        return;
    }
    try {
        HistoryLog::StepColor(step);
        ADD_FAILURE() << "no conversion error";
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.text(), GetParam().offending);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, StepColorTest, testing::Values(
    StepColorCase{"OwnForm", "255,128,0 - #FF8000", RgbTriple{255, 128, 0}, ""},
    StepColorCase{"LowerCase", "255,128,0 - #ff8000", RgbTriple{255, 128, 0}, ""},
    // The decimal part is not read at all.
    StepColorCase{"DecimalsDisagree", "1,1,1 - #0A0B0C", RgbTriple{10, 11, 12}, ""},
    StepColorCase{"BareHex", "0A0B0C", RgbTriple{10, 11, 12}, ""},
    StepColorCase{"NotHex", "1,2,3 - #0102G3", std::nullopt, "0102G3"},
    StepColorCase{"TooShort", "#12345", std::nullopt, "#12345"},
    StepColorCase{"Empty", "", std::nullopt, ""},
    StepColorCase{"TrailingBlank", "#010203 ", std::nullopt, "10203 "}),
    kCaseName);

// ---- undo and redo

// One action and what it must leave behind.
struct Move {
    char action;               // 'U' undo, 'R' redo, 'N' a new step, 'P' pick step `pick`, 'C' clear
    int pick = 0;
    std::optional<int> set;    // the step whose colour becomes the main colour
    int cursor = 0;            // the cursor afterwards
};

struct WalkCase {
    const char* name;
    int steps;
    std::vector<Move> moves;
};

class UndoRedoTest : public testing::TestWithParam<WalkCase> {};

TEST_P(UndoRedoTest, WalksTheCursor)
{
    HistoryLog log = LogOf(GetParam().steps);
    ASSERT_EQ(log.cursor(), log.count());
    int move = 0;
    for (const Move& m : GetParam().moves) {
        SCOPED_TRACE(testing::Message() << "move " << move++ << " '" << m.action << "'");
        std::optional<int> set;
        switch (m.action) {
        case 'U': set = log.Undo(); break;
        case 'R': set = log.Redo(); break;
        case 'N': log.Record(ColorOfStep(log.count())); break;
        case 'P': log.SetCursor(m.pick); break;
        case 'C': log.Clear(); break;
        default: FAIL() << "unknown action";
        }
        EXPECT_EQ(set, m.set);
        EXPECT_EQ(log.cursor(), m.cursor);
    }
}

// Steps are named by index: with three steps A, B, C are 0, 1, 2.
INSTANTIATE_TEST_SUITE_P(Table, UndoRedoTest, testing::Values(
    WalkCase{"ThreeStepsBackAndForth", 3, {
        {'U', 0, 1, 1}, {'U', 0, 0, 0}, {'U', 0, std::nullopt, 0},
        {'R', 0, 1, 1}, {'R', 0, 2, 2}, {'R', 0, std::nullopt, 3}}},
    // After undo to B a new step D is appended; undo then goes to C, not B.
    WalkCase{"NewStepAfterUndo", 3, {
        {'U', 0, 1, 1}, {'N', 0, std::nullopt, 4}, {'U', 0, 2, 2}, {'U', 0, 1, 1}}},
    WalkCase{"SingleStepOnlyMovesTheCursor", 1, {
        {'U', 0, std::nullopt, 0}, {'U', 0, std::nullopt, 0}, {'R', 0, std::nullopt, 1}}},
    WalkCase{"TwoSteps", 2, {
        {'U', 0, 0, 0}, {'U', 0, std::nullopt, 0}, {'R', 0, 1, 1}, {'R', 0, std::nullopt, 2}}},
    WalkCase{"PickSecondOfFiveThenUndoRedo", 5, {
        {'P', 1, std::nullopt, 1}, {'U', 0, 0, 0}, {'R', 0, 1, 1}, {'R', 0, 2, 2}}},
    WalkCase{"PickNewestThenUndo", 3, {
        {'P', 2, std::nullopt, 2}, {'U', 0, 1, 1}}},
    // Redo past the newest step leaves the cursor at the end; undo from
    // there skips the newest step again.
    WalkCase{"RedoToTheEndThenUndo", 3, {
        {'U', 0, 1, 1}, {'R', 0, 2, 2}, {'R', 0, std::nullopt, 3}, {'U', 0, 1, 1}}},
    WalkCase{"EmptyLog", 0, {
        {'U', 0, std::nullopt, 0}, {'R', 0, std::nullopt, 0}}},
    WalkCase{"ClearedLogUntilANewStep", 3, {
        {'U', 0, 1, 1}, {'C', 0, std::nullopt, 0}, {'U', 0, std::nullopt, 0}, {'R', 0, std::nullopt, 0},
        {'N', 0, std::nullopt, 1}, {'N', 0, std::nullopt, 2}, {'U', 0, 0, 0}}},
    WalkCase{"PickOutOfRangeIsClamped", 3, {
        {'P', -4, std::nullopt, 0}, {'R', 0, 1, 1}, {'P', 9, std::nullopt, 3}, {'U', 0, 1, 1}}}),
    kCaseName);

TEST(UndoRedoTest, NewStepsAreAppendedAfterUndo)
{
    HistoryLog log = LogOf(3);
    log.Undo();
    log.Undo();
    log.Record(ColorOfStep(3));
    EXPECT_EQ(log.steps(), StepsOf({0, 1, 2, 3}));
}

TEST(UndoRedoTest, UndoAndRedoNeverChangeTheSteps)
{
    HistoryLog log = LogOf(4);
    for (int i = 0; i < 6; ++i)
        log.Undo();
    for (int i = 0; i < 6; ++i)
        log.Redo();
    EXPECT_EQ(log.steps(), StepsOf({0, 1, 2, 3}));
}

// ---- removing steps

struct RemoveCase {
    const char* name;
    QList<int> indices;
    std::vector<int> kept;
};

class RemoveStepsTest : public testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveStepsTest, KeepsTheOthersInOrderAndMovesTheCursorToTheEnd)
{
    HistoryLog log = LogOf(5);
    log.Undo();
    log.Undo();
    log.RemoveSteps(GetParam().indices);
    EXPECT_EQ(log.steps(), StepsOf(GetParam().kept));
    EXPECT_EQ(log.cursor(), log.count());
}

INSTANTIATE_TEST_SUITE_P(Table, RemoveStepsTest, testing::Values(
    RemoveCase{"TwoInTheMiddle", {1, 3}, {0, 2, 4}},
    RemoveCase{"UnsortedAndRepeated", {3, 1, 3}, {0, 2, 4}},
    RemoveCase{"OutOfRangeIgnored", {-1, 7, 0}, {1, 2, 3, 4}},
    RemoveCase{"FirstAndLast", {4, 0}, {1, 2, 3}},
    RemoveCase{"Nothing", {}, {0, 1, 2, 3, 4}},
    RemoveCase{"All", {0, 1, 2, 3, 4}, {}}),
    kCaseName);

// ---- the history file's lines

struct LoadCase {
    const char* name;
    QStringList lines;
    QStringList steps;       // the log afterwards
    int badLines;            // lines skipped for bad hex
    const char* error;       // the message about the first of them, or null
};

class LoadLinesTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadLinesTest, RecordsEveryLineWithAHash)
{
    HistoryLog log;
    const HistoryLog::LoadResult result = log.LoadLines(GetParam().lines);
    EXPECT_EQ(log.steps(), GetParam().steps);
    EXPECT_EQ(result.recorded, log.count());
    EXPECT_EQ(result.badLines, GetParam().badLines);
    EXPECT_EQ(log.cursor(), log.count());
    if (GetParam().error)
        EXPECT_EQ(result.error, QString::fromUtf8(GetParam().error));
    else
        EXPECT_EQ(result.error, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Table, LoadLinesTest, testing::Values(
    LoadCase{"LineWithoutHashSkipped", {"0,0,0 - #000000", "xyz", "1,2,3 - #010203"},
             {"0,0,0 - #000000", "1,2,3 - #010203"}, 0, nullptr},
    LoadCase{"RewrittenInOwnForm", {"#ff8000", "  #0a0b0c trailing"},
             {"255,128,0 - #FF8000", "10,11,12 - #0A0B0C"}, 0, nullptr},
    LoadCase{"DecimalsIgnored", {"9,9,9 - #010203"}, {"1,2,3 - #010203"}, 0, nullptr},
    LoadCase{"FirstHashCounts", {"a#010203#FFFFFF"}, {"1,2,3 - #010203"}, 0, nullptr},
    LoadCase{"NoHashAnywhere", {"", "red", "255,0,0"}, {}, 0, nullptr},
    // A bad line costs only itself: the lines after it are read.
    LoadCase{"BadHexSkippedReadingOn", {"#010203", "x", "1,2,3 - #GG0000", "#040506"},
             {"1,2,3 - #010203", "4,5,6 - #040506"}, 1, "'GG0000' is not a valid integer value"},
    LoadCase{"FirstOfSeveralBadLinesReported", {"#0102XY", "#010203", "#GG0000", "#0102"},
             {"1,2,3 - #010203"}, 3, "'0102XY' is not a valid integer value"},
    LoadCase{"FewerThanSixAfterHash", {"#FFFFFF", "#0102"}, {"255,255,255 - #FFFFFF"}, 1,
             "'0102' is not a valid integer value"},
    LoadCase{"HashAtLineEnd", {"abc#", "#000001"}, {"0,0,1 - #000001"}, 1, "'' is not a valid integer value"},
    // The rest of a bad line is not searched for another "#".
    LoadCase{"SecondHashAmongTheSix", {"##010203"}, {}, 1, "'#01020' is not a valid integer value"},
    LoadCase{"BlankAmongTheSix", {"# 10203"}, {}, 1, "' 10203' is not a valid integer value"},
    LoadCase{"NonAsciiAmongTheSix", {QStringLiteral("#12\u00E4456789")}, {}, 1,
             "'12\xC3\xA4" "456' is not a valid integer value"}),
    kCaseName);

// The file's bytes as they are read: UTF-8, or Windows-1252 when they are
// not valid UTF-8, with any line ends.
struct TextCase {
    const char* name;
    QByteArray text;
    int steps;
    const char* error;  // UTF-8
};

class LoadTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(LoadTextTest, ReadsTheFilesBytes)
{
    HistoryLog log;
    const HistoryLog::LoadResult result = log.LoadText(GetParam().text);
    EXPECT_EQ(log.count(), GetParam().steps);
    if (GetParam().error)
        EXPECT_EQ(result.error, QString::fromUtf8(GetParam().error));
    else
        EXPECT_EQ(result.error, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Table, LoadTextTest, testing::Values(
    TextCase{"CrLf", "#010203\r\n#040506\r\n", 2, nullptr},
    TextCase{"CrAndLfAlone", "#010203\r#040506\n#070809", 3, nullptr},
    TextCase{"SixCutAtTheLineEnd", "#0102\r\n03\r\n#040506", 1, "'0102' is not a valid integer value"},
    TextCase{"Utf8Text", "#12\xC3\xA4" "456\r\n\xE2\x82\xAC #010203\r\n", 1,
             "'12\xC3\xA4" "456' is not a valid integer value"},
    TextCase{"Windows1252Text", "#12\xE4\x80" "56\r\n#010203\r\n", 1,
             "'12\xC3\xA4\xE2\x82\xAC" "56' is not a valid integer value"},
    TextCase{"Empty", "", 0, nullptr}),
    kCaseName);

TEST(TextTest, OneStepPerLineEndedByCrLf)
{
    HistoryLog log;
    EXPECT_EQ(log.Text(), QByteArray());
    log.Record(MakeColor(255, 128, 0));
    log.Record(MakeColor(0, 0, 0));
    log.Record(MakeColor(255, 255, 255));
    EXPECT_EQ(log.Text(), QByteArray("255,128,0 - #FF8000\r\n0,0,0 - #000000\r\n255,255,255 - #FFFFFF\r\n"));
}

// The table-driven formatting against printf, for every byte value in every
// channel.
TEST(StepTextTest, EveryByteValueInEveryChannel)
{
    for (unsigned value = 0; value < 256; ++value) {
        const unsigned other = 255 - value;
        for (const TColor color : {MakeColor(std::uint8_t(value), std::uint8_t(other), std::uint8_t(value / 3)),
                                   MakeColor(std::uint8_t(other), std::uint8_t(value / 7), std::uint8_t(value))}) {
            char expected[32];
            std::snprintf(expected, sizeof expected, "%u,%u,%u - #%.2X%.2X%.2X", RedOf(color), GreenOf(color),
                          BlueOf(color), RedOf(color), GreenOf(color), BlueOf(color));
            ASSERT_EQ(HistoryLog::StepText(color), QString::fromLatin1(expected)) << value;
        }
    }
}

TEST(LoadLinesTest, AppendsToTheStepsAlreadyThere)
{
    HistoryLog log = LogOf(2);
    log.Undo();
    const HistoryLog::LoadResult result = log.LoadLines({"#FF8000"});
    EXPECT_EQ(result.recorded, 1);
    EXPECT_EQ(log.steps(), StepsOf({0, 1}) << QStringLiteral("255,128,0 - #FF8000"));
    EXPECT_EQ(log.cursor(), log.count());
}

TEST(LoadLinesTest, LinesReadBackGiveTheSameSteps)
{
    const HistoryLog log = LogOf(12);
    HistoryLog again;
    again.LoadLines(log.Lines());
    EXPECT_EQ(again.colors(), log.colors());
    HistoryLog fromText;
    fromText.LoadText(log.Text());
    EXPECT_EQ(fromText.colors(), log.colors());
}

TEST(LoadLinesTest, NothingReadLeavesTheCursor)
{
    HistoryLog log = LogOf(3);
    log.Undo();
    const HistoryLog::LoadResult result = log.LoadLines({"x", "#GG0000"});
    EXPECT_EQ(result.recorded, 0);
    EXPECT_EQ(log.cursor(), 1);
}

TEST(LoadLinesTest, LongHistoryKeepsItsOrder)
{
    QStringList lines;
    for (int i = 0; i < 100000; ++i)
        lines << QStringLiteral("#%1").arg(i, 6, 16, QLatin1Char('0'));
    HistoryLog log;
    log.LoadLines(lines);
    ASSERT_EQ(log.count(), 100000);
    EXPECT_EQ(log.steps().front(), QStringLiteral("0,0,0 - #000000"));
    EXPECT_EQ(log.steps().back(), QStringLiteral("1,134,159 - #01869F"));
    log.RemoveSteps({0, 99999});
    EXPECT_EQ(log.steps().front(), QStringLiteral("0,0,1 - #000001"));
    EXPECT_EQ(log.steps().back(), QStringLiteral("1,134,158 - #01869E"));
}

} // namespace
} // namespace tessaro::colorlist
