// The colour list as data: the duplicate rule, RemoveDuplicates, both list
// file forms, bad files, the failed save, the reopen list and the status
// text.
#include "colorlist/color_list.h"
#include "colorlist/color_list_file.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace tessaro::colorlist {
namespace {

constexpr TColor kOrange = MakeColor(255, 128, 0);
constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kGreen = MakeColor(0, 255, 0);

ColorList ListOf(const QStringList& entries, bool allowDuplicates = false, int insertPoint = 0)
{
    ColorList list;
    list.setEntries(entries);
    list.allowDuplicates = allowDuplicates;
    list.insertPoint = insertPoint;
    return list;
}

struct AddCase {
    const char* name;
    QStringList before;
    bool allowDuplicates;
    int insertPoint;
    Placement placement;
    TColor color;
    QStringList after;
};

class AddToColorListTest : public testing::TestWithParam<AddCase> {};

TEST_P(AddToColorListTest, PlacesOrRefuses)
{
    const AddCase& c = GetParam();
    ColorList list = ListOf(c.before, c.allowDuplicates, c.insertPoint);
    list.AddToColorList(c.color, c.placement);
    EXPECT_EQ(list.entries(), c.after);
    EXPECT_FALSE(list.listChanged) << "the changed mark is the caller's";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AddToColorListTest,
    testing::Values(
        AddCase{"LowerCaseEntryRefusesOrange", {"#ff8000"}, false, -1, Placement::AtEnd, kOrange, {"#ff8000"}},
        AddCase{"DuplicatesOnAddsBeside", {"#ff8000"}, true, -1, Placement::AtEnd, kOrange, {"#ff8000", "#FF8000"}},
        AddCase{"InsertPointZeroGoesOnTop", {"#000000"}, false, 0, Placement::AtInsertPoint, kRed,
                {"#FF0000", "#000000"}},
        AddCase{"InsertPointOneGoesSecond", {"#000000", "#FFFFFF"}, false, 1, Placement::AtInsertPoint, kRed,
                {"#000000", "#FF0000", "#FFFFFF"}},
        AddCase{"InsertPointMinusOneAppends", {"#000000"}, false, -1, Placement::AtInsertPoint, kRed,
                {"#000000", "#FF0000"}},
        AddCase{"InsertPointAtCountAppends", {"#000000"}, false, 1, Placement::AtInsertPoint, kRed,
                {"#000000", "#FF0000"}},
        AddCase{"InsertPointPastCountAppends", {"#000000"}, false, 7, Placement::AtInsertPoint, kRed,
                {"#000000", "#FF0000"}},
        AddCase{"AtEndIgnoresInsertPoint", {"#000000"}, false, 0, Placement::AtEnd, kRed, {"#000000", "#FF0000"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ColorListTest, ColorWheelWithThreeListedAppendsTheOtherNine)
{
    ColorList list;
    list.insertPoint = -1;
    std::vector<TColor> wheel;
    for (int i = 0; i < 12; ++i)
        wheel.push_back(MakeColor(std::uint8_t(i * 20), 10, 200));
    for (int i : {2, 5, 9})
        list.AddToColorList(wheel[std::size_t(i)], Placement::AtEnd);
    for (TColor color : wheel)
        list.AddToColorList(color, Placement::AtEnd);
    EXPECT_EQ(list.count(), 12);
}

TEST(ColorListTest, DeletingAnEntryLetsItsColourBackIn)
{
    ColorList list = ListOf({"#FF8000", "#ff8000"}, true);
    list.allowDuplicates = false;
    list.DeleteEntries({0, 1, 1, 9});
    EXPECT_TRUE(list.entries().isEmpty());
    EXPECT_TRUE(list.listChanged);
    EXPECT_EQ(list.AddToColorList(kOrange, Placement::AtEnd), 0);
    EXPECT_EQ(list.AddToColorList(kOrange, Placement::AtEnd), -1);
}

struct RemoveCase {
    const char* name;
    QStringList before;
    QStringList after;
};

class RemoveDuplicatesTest : public testing::TestWithParam<RemoveCase> {};

TEST_P(RemoveDuplicatesTest, KeepsTheLastOccurrence)
{
    ColorList list = ListOf(GetParam().before, true);
    list.RemoveDuplicates();
    EXPECT_EQ(list.entries(), GetParam().after);
    EXPECT_TRUE(list.listChanged);
}

INSTANTIATE_TEST_SUITE_P(Rows, RemoveDuplicatesTest,
                         testing::Values(RemoveCase{"BlackWhiteBlack", {"#000000", "#FFFFFF", "#000000"},
                                                    {"#FFFFFF", "#000000"}},
                                         RemoveCase{"ABAB", {"A", "B", "A", "B"}, {"A", "B"}},
                                         RemoveCase{"BAA", {"B", "A", "A"}, {"B", "A"}},
                                         RemoveCase{"LetterCaseBlind", {"#ff8000", "#FF8000"}, {"#FF8000"}},
                                         RemoveCase{"Empty", {}, {}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ColorListTest, MoveEntryTakesOutThenInserts)
{
    ColorList list = ListOf({"A", "B", "C"});
    list.MoveEntry(0, -1);
    EXPECT_EQ(list.entries(), QStringList({"B", "C", "A"}));
    list.MoveEntry(2, 0);
    EXPECT_EQ(list.entries(), QStringList({"A", "B", "C"}));
}

struct EntryColorCase {
    const char* name;
    QString entry;
    TColor color;
};

class EntryColorTest : public testing::TestWithParam<EntryColorCase> {};

TEST_P(EntryColorTest, ReadsHexAfterTheFirstCharacter)
{
    EXPECT_EQ(ColorList::EntryColor(GetParam().entry), GetParam().color);
}

INSTANTIATE_TEST_SUITE_P(Rows, EntryColorTest,
                         testing::Values(EntryColorCase{"Orange", "#FF8000", kOrange},
                                         EntryColorCase{"LowerCase", "#ff8000", kOrange},
                                         EntryColorCase{"NotHexIsBlack", "hello", 0},
                                         EntryColorCase{"EmptyIsBlack", "", 0},
                                         EntryColorCase{"HashAloneIsBlack", "#", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

// Reading list files.
struct LoadCase {
    const char* name;
    QByteArray bytes;
    int insertPoint;
    bool allowDuplicates;
    QStringList entries;
    bool olderForm;
    bool error;
};

class LoadColorListTest : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadColorListTest, ReadsBothForms)
{
    const LoadCase& c = GetParam();
    ColorList list = ListOf({"#123456"}, c.allowDuplicates, c.insertPoint);
    const ListLoadResult result = LoadColorListText(list, c.bytes);
    EXPECT_EQ(list.entries(), c.entries);
    EXPECT_EQ(result.olderForm, c.olderForm);
    EXPECT_EQ(result.error.has_value(), c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LoadColorListTest,
    testing::Values(
        LoadCase{"CurrentFormVerbatim", "#FF0000\r\nhello\r\n#00FF00\r\n", 0, false,
                 {"#FF0000", "hello", "#00FF00"}, false, false},
        LoadCase{"CurrentFormKeepsDuplicatesAndCase", "#ff8000\n#FF8000", 0, false, {"#ff8000", "#FF8000"}, false,
                 false},
        LoadCase{"EmptyFileIsOlderForm", "", 0, false, {}, true, false},
        LoadCase{"OlderFormReversedAtStart", "x - 0000FF\r\nno dash\r\ny - 00FF00\r\n", 0, false,
                 {"#00FF00", "#FF0000"}, true, false},
        LoadCase{"OlderFormInFileOrderAtEnd", "x - 0000FF\r\ny - 00FF00\r\n", -1, false, {"#FF0000", "#00FF00"},
                 true, false},
        LoadCase{"OlderFormBgrBytes", "a-b0080FF", 0, false, {"#FF8000"}, true, false},
        LoadCase{"OlderFormDuplicatesRefused", "a - 0000FF\r\nb - 0000ff\r\n", 0, false, {"#FF0000"}, true, false},
        LoadCase{"OlderFormDuplicatesAllowed", "a - 0000FF\r\nb - 0000ff\r\n", 0, true, {"#FF0000", "#FF0000"}, true,
                 false},
        LoadCase{"OlderFormBadHexStopsKeepingEarlier", "a - 0000FF\r\nb - zz\r\nc - 00FF00\r\n", 0, false,
                 {"#FF0000"}, true, true},
        LoadCase{"BinaryBytes", QByteArray("\x00\x01\xFF-\xFE\x80", 6), 0, false, {}, true, true},
        LoadCase{"Windows1252Entry", "#\xE9t\xE9\r\n", 0, false, {QString::fromUtf8("#\xC3\xA9t\xC3\xA9")}, false,
                 false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadColorListTest, OlderFormReportsProgressOverEveryLine)
{
    ColorList list;
    int lines = -1;
    int last = -1;
    LoadColorListText(list, "a - 000001\r\nb - 000002\r\nc - 000003\r\n", [&](int total, int line) {
        lines = total;
        last = line;
    });
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(last, 2);
}

class ListFileTest : public testing::Test {
protected:
    QTemporaryDir dir_;
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
};

TEST_F(ListFileTest, SaveWritesTheCurrentFormByteForByte)
{
    const QString file = path("a.cll");
    ASSERT_FALSE(SaveColorList({"#FF8000", "hello"}, file).has_value());
    EXPECT_EQ(Read(file), QByteArray("#FF8000\r\nhello\r\n"));
    ASSERT_FALSE(SaveColorList({}, file).has_value());
    EXPECT_EQ(Read(file), QByteArray());
    ColorList list = ListOf({"#000000"});
    EXPECT_TRUE(LoadColorList(list, file).olderForm);
    EXPECT_TRUE(list.entries().isEmpty());
}

// A disk that fills up while the list is written: the process may write no
// more than a few bytes into any file.
TEST_F(ListFileTest, AFailedSaveNamesTheReasonAndKeepsTheOldFile)
{
    const QString file = path("keep.cll");
    ASSERT_FALSE(SaveColorList({"#FF8000"}, file).has_value());
    const QStringList many(500, QStringLiteral("#000000"));

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 64;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const std::optional<QString> reason = SaveColorList(many, file);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_TRUE(reason.has_value());
    EXPECT_FALSE(reason->isEmpty());
    EXPECT_EQ(Read(file), QByteArray("#FF8000\r\n"));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"keep.cll"});
    EXPECT_TRUE(SaveColorList({"#000000"}, path("no/such/folder/x.cll")).has_value());
}

TEST_F(ListFileTest, MissingFileChangesNothingAndAFolderIsReported)
{
    ColorList list = ListOf({"#000000"});
    EXPECT_FALSE(LoadColorList(list, path("gone.cll")).found);
    EXPECT_EQ(list.entries(), QStringList({"#000000"}));
    const ListLoadResult folder = LoadColorList(list, dir_.path());
    EXPECT_TRUE(folder.error.has_value());
    EXPECT_EQ(list.entries(), QStringList({"#000000"}));
}

TEST_F(ListFileTest, ReopenListRoundTripsAndIgnoresLetterCase)
{
    ReopenList reopen;
    EXPECT_TRUE(reopen.RememberListFile("/home/u/Colors/my.cll"));
    EXPECT_FALSE(reopen.RememberListFile("/HOME/U/colors/MY.CLL"));
    EXPECT_TRUE(reopen.RememberListFile("/a/b.cll"));
    ASSERT_TRUE(reopen.Save(path("colorlist.cl1")));
    EXPECT_EQ(Read(path("colorlist.cl1")), QByteArray("/home/u/Colors/my.cll\r\n/a/b.cll\r\n"));
    ReopenList again;
    again.Load(path("colorlist.cl1"));
    EXPECT_EQ(again.paths(), reopen.paths());
    again.remove(0);
    EXPECT_EQ(again.paths(), QStringList({"/a/b.cll"}));
}

struct LineCase {
    const char* name;
    QString path;
    QString shortLine;
};

class ReopenLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(ReopenLineTest, ShortensLongFolders)
{
    EXPECT_EQ(ReopenList::ShortLine(GetParam().path), GetParam().shortLine);
}

INSTANTIATE_TEST_SUITE_P(Rows, ReopenLineTest,
                         testing::Values(LineCase{"WindowsLong", "C:\\Documents\\Colors\\my.cll", "C:\\..Colors\\my.cll"},
                                         LineCase{"WindowsShort", "C:\\a\\my.cll", "C:\\a\\my.cll"},
                                         LineCase{"LinuxLong", "/home/user/lists/my.cll", "/ho../lists/my.cll"},
                                         LineCase{"ElevenCharacterFolder", "/123456789/a.cll", "/123456789/a.cll"},
                                         LineCase{"NoFolder", "a.cll", "a.cll"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReopenLineTest, LaterLinesShowTheFileName)
{
    EXPECT_EQ(ReopenList::FileNameLine("/home/user/my.cll"), "my.cll");
}

struct StatusCase {
    const char* name;
    QString path;
    int count;
    QString ending;
};

class StatusTextTest : public testing::TestWithParam<StatusCase> {};

TEST_P(StatusTextTest, EndsByCount)
{
    const QString text = ColorListStatusText(GetParam().path, GetParam().count);
    EXPECT_TRUE(text.startsWith("This is the color list. Drag a color to add it to the list. Double click any "
                                "color to see its details."));
    EXPECT_TRUE(text.endsWith(GetParam().ending)) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, StatusTextTest,
    testing::Values(StatusCase{"LoadedFive", "C:\\a.cll", 5, "details. ( Loaded C:\\a.cll. There are 5 colors in the list.  )"},
                    StatusCase{"NoFileNone", "", 0, "details. (  No colors in the list. )"},
                    StatusCase{"One", "", 1, "details. (  There is only one color in the list.  )"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaro::colorlist
