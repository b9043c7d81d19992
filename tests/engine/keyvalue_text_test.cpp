// The key=value text shared by settings, wheel styles, layouts and schemes.
#include "engine/keyvalue_text.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tessaro {
namespace {

struct GetCase {
    const char* name;
    std::string text;
    std::string key;
    std::optional<std::string> value;
};

void PrintTo(const GetCase& c, std::ostream* os)
{
    *os << c.name;
}

class KeyValueGetTest : public testing::TestWithParam<GetCase> {};

TEST_P(KeyValueGetTest, ReadsTheValue)
{
    EXPECT_EQ(KeyValueText::Parse(GetParam().text).Get(GetParam().key), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Table, KeyValueGetTest, testing::Values(
    GetCase{"Simple", "copy.left=120\r\n", "copy.left", "120"},
    GetCase{"KeyIgnoresCase", "EyeTop=5\r\n", "eyetop", "5"},
    GetCase{"LookupIgnoresCase", "lastcll=a.cll\r\n", "LASTCLL", "a.cll"},
    GetCase{"CapitalZFolds", "Zoom=2\r\n", "zoom", "2"},
    GetCase{"EveryLetterFolds", "ABCDEFGHIJKLMNOPQRSTUVWXYZ=1\r\n", "abcdefghijklmnopqrstuvwxyz", "1"},
    GetCase{"NeighboursOfTheLettersDoNotFold", "@[=1\r\n", "`{", std::nullopt},
    GetCase{"FirstLineWins", "a=1\r\nA=2\r\na=3\r\n", "a", "1"},
    GetCase{"EmptyValueIsMissing", "a=\r\n", "a", std::nullopt},
    GetCase{"EmptyFirstValueHidesLaterLines", "a=\r\na=5\r\n", "a", std::nullopt},
    GetCase{"ValueNotTrimmed", "a= 1 \r\n", "a", " 1 "},
    GetCase{"KeyNotTrimmed", " a=1\r\n", "a", std::nullopt},
    GetCase{"KeyKeepsItsBlanks", " a=1\r\n", " a", "1"},
    GetCase{"ValueMayHoldEquals", "url=a=b=c\r\n", "url", "a=b=c"},
    GetCase{"EqualsOnlyGivesEmptyKey", "=x\r\n", "", "x"},
    GetCase{"LineWithoutEqualsIgnored", "a\r\na=2\r\n", "a", "2"},
    GetCase{"MissingKey", "a=1\r\n", "b", std::nullopt},
    GetCase{"LfLines", "a=1\nb=2\n", "b", "2"},
    GetCase{"CrLines", "a=1\rb=2\r", "b", "2"},
    GetCase{"MixedLineBreaks", "a=1\r\nb=2\rc=3\nd=4", "d", "4"},
    GetCase{"CrBeforeLfIsOneBreak", "a=1\r\nb=2", "a", "1"},
    GetCase{"LfCrIsTwoBreaks", "a=1\n\rb=2", "b", "2"},
    GetCase{"NoFinalBreak", "a=1", "a", "1"},
    GetCase{"EmptyText", "", "a", std::nullopt},
    GetCase{"NonAsciiValue", "name=Gr\xC3\xBCn\r\n", "name", "Gr\xC3\xBCn"},
    GetCase{"NonAsciiKeyByteExact", "\xC3\x9C=1\r\n", "\xC3\x9C", "1"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RemoveCase {
    const char* name;
    std::string text;
    std::string key;
    std::vector<std::string> lines;  // left after the removal
};

void PrintTo(const RemoveCase& c, std::ostream* os)
{
    *os << c.name;
}

class KeyValueRemoveTest : public testing::TestWithParam<RemoveCase> {};

TEST_P(KeyValueRemoveTest, RemovesEveryLineOfTheKey)
{
    KeyValueText kv = KeyValueText::Parse(GetParam().text);
    kv.Remove(GetParam().key);
    EXPECT_EQ(kv.Lines(), GetParam().lines);
    EXPECT_EQ(kv.Get(GetParam().key), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Table, KeyValueRemoveTest, testing::Values(
    RemoveCase{"EveryLineIgnoringCase", "Zoom=1\r\nx=2\r\nZOOM=3\r\nzoom=4\r\n", "zoom", {"x=2"}},
    RemoveCase{"KeyGivenInCapitals", "zoom=1\r\nx=2\r\n", "ZOOM", {"x=2"}},
    RemoveCase{"OtherKeysAndPlainLinesStay", "zoom\r\nzoomed=1\r\n zoom=2\r\nzoom=3\r\n", "zoom",
               {"zoom", "zoomed=1", " zoom=2"}},
    RemoveCase{"MissingKeyChangesNothing", "a=1\r\nb=2\r\n", "c", {"a=1", "b=2"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(KeyValueTextTest, KeysAfterARemovedLineStayFound)
{
    KeyValueText kv = KeyValueText::Parse("a=1\r\nb=2\r\nA=3\r\nc=4\r\n");
    kv.Remove("A");
    EXPECT_EQ(kv.Get("b"), "2");
    EXPECT_EQ(kv.Get("c"), "4");
    kv.Set("c", "5");
    EXPECT_EQ(kv.Serialize(), "b=2\r\nc=5\r\n");
}

TEST(KeyValueTextTest, LineBreaksOfAnyKindSplitLines)
{
    const KeyValueText kv = KeyValueText::Parse("a=1\r\nb=2\rc=3\nd=4\n\re=5");
    EXPECT_EQ(kv.Lines(), (std::vector<std::string>{"a=1", "b=2", "c=3", "d=4", "", "e=5"}));
}

TEST(KeyValueTextTest, WritesEveryLineWithCrLf)
{
    const KeyValueText kv = KeyValueText::Parse("a=1\nb=2\rc=3");
    EXPECT_EQ(kv.Serialize(), "a=1\r\nb=2\r\nc=3\r\n");
    EXPECT_EQ(KeyValueText().Serialize(), "");
}

TEST(KeyValueTextTest, SetReplacesTheFirstLineOfTheKey)
{
    KeyValueText kv = KeyValueText::Parse("x=0\r\nKey=1\r\nkey=2\r\n");
    kv.Set("KEY", "9");
    EXPECT_EQ(kv.Get("key"), "9");
    // The later line of the same key stays as it was.
    EXPECT_EQ(AsciiLower(kv.Serialize()), "x=0\r\nkey=9\r\nkey=2\r\n");
    EXPECT_EQ(kv.Lines()[2], "key=2");
}

TEST(KeyValueTextTest, SetAppendsANewKey)
{
    KeyValueText kv = KeyValueText::Parse("x=0");
    kv.Set("mixer.c1", "clRed");
    kv.Set("Mixer.C1", "clBlue");  // the same key again replaces
    EXPECT_EQ(kv.Get("MIXER.c1"), "clBlue");
    EXPECT_EQ(AsciiLower(kv.Serialize()), "x=0\r\nmixer.c1=clblue\r\n");
}

TEST(KeyValueTextTest, SetEmptyValueMakesTheKeyMissing)
{
    KeyValueText kv = KeyValueText::Parse("a=1\r\n");
    kv.Set("a", "");
    EXPECT_EQ(kv.Get("a"), std::nullopt);
    kv.Set("a", "2");
    EXPECT_EQ(kv.Get("a"), "2");
    EXPECT_EQ(kv.Serialize(), "a=2\r\n");
}

TEST(KeyValueTextTest, SetValueWithEqualsReadsBackWhole)
{
    KeyValueText kv;
    kv.Set("path", "a=b");
    EXPECT_EQ(KeyValueText::Parse(kv.Serialize()).Get("path"), "a=b");
}

TEST(KeyValueTextTest, WriteThenReadKeepsEveryValue)
{
    KeyValueText kv;
    for (int i = 0; i < 50; ++i)
        kv.Set("key" + std::to_string(i), " value " + std::to_string(i * 7) + " ");
    const KeyValueText back = KeyValueText::Parse(kv.Serialize());
    for (int i = 0; i < 50; ++i)
        EXPECT_EQ(back.Get("KEY" + std::to_string(i)), " value " + std::to_string(i * 7) + " ");
}

} // namespace
} // namespace tessaro
