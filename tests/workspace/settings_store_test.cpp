#include "state/settings_store.h"
#include "workspace/window_placement.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <gtest/gtest.h>

namespace tessaro::workspace {
namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(SettingsStore, MissingFileGivesTheFirstRunDefaults)
{
    QTemporaryDir dir;
    const SettingsStore s = SettingsStore::LoadSettings(dir.filePath(QStringLiteral("set.set")));
    EXPECT_EQ(s.GetSetting(QStringLiteral("program")), QStringLiteral("tessaro"));
    EXPECT_EQ(s.GetSetting(QStringLiteral("firstrun")), QStringLiteral("1"));
    EXPECT_EQ(s.GetSetting(QStringLiteral("sampling")), QStringLiteral("0"));
    EXPECT_EQ(s.GetSetting(QStringLiteral("mixer.c3")), QStringLiteral("clFuchsia"));
    EXPECT_EQ(s.GetSetting(QStringLiteral("zoom")), QString());
}

TEST(SettingsStore, FileOfAnotherProgramIsIgnoredWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("set.set"));
    WriteBytes(path, "program=other\r\nfirstrun=0\r\nzoom=4\r\n");
    const SettingsStore s = SettingsStore::LoadSettings(path);
    EXPECT_EQ(s.GetSetting(QStringLiteral("firstrun")), QStringLiteral("1"));
    EXPECT_EQ(s.GetSetting(QStringLiteral("zoom")), QString());
}

TEST(SettingsStore, KeysIgnoreCaseFirstLineWinsAndEmptyValueRemoves)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("set.set"));
    WriteBytes(path, "program=tessaro\nEYETOP=5\r\neyetop=9\rzoom=\r\n");
    SettingsStore s = SettingsStore::LoadSettings(path);
    EXPECT_EQ(s.GetSetting(QStringLiteral("EyeTop")), QStringLiteral("5"));
    EXPECT_EQ(s.GetSetting(QStringLiteral("zoom")), QString());
    s.SetSetting(QStringLiteral("eyeTop"), QString());
    EXPECT_EQ(s.GetSetting(QStringLiteral("EyeTop")), QString());
    EXPECT_FALSE(s.lines().join(QLatin1Char('\n')).contains(QStringLiteral("eyetop"), Qt::CaseInsensitive));
}

TEST(SettingsStore, ExitSettingsFollowTheFileOrderWithLiveValues)
{
    const LiveSettings live = {{Setting::MainLeft, QStringLiteral("100")},
                               {Setting::MainTop, QStringLiteral("50")},
                               {Setting::HistoryAutoFade, QStringLiteral("0")}};
    const SettingsStore exit = SettingsStore::ExitSettings(SettingsStore::DefaultSettings(), live);
    const QStringList expected = {
        QStringLiteral("program=tessaro"),    QStringLiteral("version=1.5.3.41"), QStringLiteral("firstrun=0"),
        QStringLiteral("1.left=100"),         QStringLiteral("1.top=50"),         QStringLiteral("listtype=1"),
        QStringLiteral("allowdup=1"),         QStringLiteral("sampling=0"),       QStringLiteral("snaptogrid=0"),
        QStringLiteral("snapsize=1"),         QStringLiteral("showtext=1"),       QStringLiteral("copy.prew=0"),
        QStringLiteral("hist.autofade=0"),    QStringLiteral("importallowdup=0"), QStringLiteral("mixer.a1=50"),
        QStringLiteral("mixer.a2=50"),        QStringLiteral("mixer.a3=0"),       QStringLiteral("mixer.a4=0"),
        QStringLiteral("mixer.c1=$006ED47F"), QStringLiteral("mixer.c2=$00D46EAB"), QStringLiteral("mixer.c3=clFuchsia"),
        QStringLiteral("mixer.c4=clBlue"),
    };
    EXPECT_EQ(exit.lines(), expected);
}

// Where the desktop never tells the windows' places (a native Wayland
// client), every place keeps its saved value, or stays absent; the other
// live values are taken as ever.
TEST(SettingsStore, UnknownWindowPlacesKeepTheSavedPlaces)
{
    SettingsStore atStart;
    atStart.SetSetting(QStringLiteral("program"), QStringLiteral("tessaro"));
    atStart.SetSetting(Setting::MainLeft, QStringLiteral("300"));
    atStart.SetSetting(Setting::MainTop, QStringLiteral("60"));
    atStart.SetSetting(Setting::TestLeft, QStringLiteral("500"));
    atStart.SetSetting(Setting::WebTop, QStringLiteral("40"));
    LiveSettings live;
    for (const Setting place : {Setting::MainLeft, Setting::MainTop, Setting::EyeLeft, Setting::EyeTop,
                                Setting::VariationsLeft, Setting::VariationsTop, Setting::CopyLeft, Setting::CopyTop,
                                Setting::TestLeft, Setting::TestTop, Setting::WebLeft, Setting::WebTop})
        live.insert(place, QStringLiteral("0"));
    live.insert(Setting::HistoryAutoFade, QStringLiteral("0"));

    const SettingsStore unknown = SettingsStore::ExitSettings(atStart, live, SettingsStore::WindowPlaces::Unknown);
    const struct {
        const char* key;
        const char* value;
    } cases[] = {{"1.left", "300"}, {"1.top", "60"}, {"shp.left", "500"}, {"shp.top", ""}, {"web.top", "40"},
                 {"web.left", ""}, {"EyeLeft", ""}, {"copy.left", ""}, {"var.left", ""}, {"hist.autofade", "0"}};
    for (const auto& c : cases)
        EXPECT_EQ(unknown.GetSetting(QString::fromLatin1(c.key)), QString::fromLatin1(c.value)) << c.key;

    const SettingsStore known = SettingsStore::ExitSettings(atStart, live);
    EXPECT_EQ(known.GetSetting(Setting::MainLeft), QStringLiteral("0"));
    EXPECT_EQ(known.GetSetting(Setting::WebLeft), QStringLiteral("0"));
}

TEST(SettingsStore, KeysOfWindowsNotBuiltYetKeepTheirValueAndTakeTheProgramsSpelling)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("set.set"));
    WriteBytes(path, "program=tessaro\r\neyeleft=12\r\nShowGrid=0\r\nlastcll=/home/u/a.cll\r\nunknown=1\r\n");
    const SettingsStore exit = SettingsStore::ExitSettings(SettingsStore::LoadSettings(path), {});
    EXPECT_EQ(exit.lines(), (QStringList{QStringLiteral("program=tessaro"), QStringLiteral("version=1.5.3.41"),
                                         QStringLiteral("firstrun=0"), QStringLiteral("lastcll=/home/u/a.cll"),
                                         QStringLiteral("EyeLeft=12"), QStringLiteral("ShowGrid=0")}));
}

TEST(SettingsStore, SaveWritesCrLfAndAFailedSaveKeepsThePreviousFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("set.set"));
    ASSERT_TRUE(SettingsStore::DefaultSettings().SaveSettings(path));
    const QByteArray saved = ReadBytes(path);
    EXPECT_TRUE(saved.startsWith("program=tessaro\r\nversion=1.5.3.41\r\nfirstrun=1\r\n"));
    EXPECT_TRUE(saved.endsWith("mixer.c4=clBlue\r\n"));

    EXPECT_FALSE(SettingsStore::DefaultSettings().SaveSettings(dir.filePath(QStringLiteral("missing/set.set"))));
    if (::geteuid() != 0) {  // root writes into read-only folders anyway
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(SettingsStore::ExitSettings(SettingsStore::DefaultSettings(), {}).SaveSettings(path));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        EXPECT_EQ(ReadBytes(path), saved);
    }
}

TEST(SettingsStore, IntegersAndFlagsReadByTheProgramsRules)
{
    SettingsStore s;
    s.SetSetting(Setting::Zoom, QStringLiteral("$10"));
    s.SetSetting(Setting::EyeTop, QStringLiteral("ten"));
    s.SetSetting(Setting::ShowGrid, QStringLiteral("0"));
    s.SetSetting(Setting::ShowText, QStringLiteral("yes"));
    EXPECT_EQ(s.ReadInt(Setting::Zoom, 7), 16);
    EXPECT_EQ(s.ReadInt(Setting::EyeTop, 7), 7);
    EXPECT_EQ(s.ReadInt(Setting::EyeLeft, 7), 7);
    EXPECT_FALSE(s.ReadFlagDefaultOn(Setting::ShowGrid));
    EXPECT_TRUE(s.ReadFlagDefaultOn(Setting::ShowText));
    EXPECT_TRUE(s.ReadFlagDefaultOn(Setting::LastEyeColor));
}

struct PlacementCase {
    const char* name;
    const char* left;  // "" for a missing key
    const char* top;
    QSize screen;
    bool firstRun;
    QPoint expected;
};

class WindowPlacement : public testing::TestWithParam<PlacementCase> {};

TEST_P(WindowPlacement, FollowsTheSavedPositionAndScreen)
{
    const PlacementCase& c = GetParam();
    SettingsStore s;
    s.SetSetting(QStringLiteral("1.left"), QString::fromLatin1(c.left));
    s.SetSetting(QStringLiteral("1.top"), QString::fromLatin1(c.top));
    EXPECT_EQ(MainWindowPosition(s, c.screen, c.firstRun), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WindowPlacement,
    testing::Values(PlacementCase{"saved", "120", "80", {1920, 1080}, false, {120, 80}},
                    PlacementCase{"missing", "", "", {1920, 1080}, false, {960, 540}},
                    PlacementCase{"beyond", "2000", "1081", {1920, 1080}, false, {960, 540}},
                    PlacementCase{"on_the_edge", "1920", "1080", {1920, 1080}, false, {1920, 1080}},
                    PlacementCase{"not_a_number", "x", "12", {1000, 700}, false, {500, 12}},
                    PlacementCase{"first_800", "10", "10", {800, 600}, true, {155, 2}},
                    PlacementCase{"first_1024", "", "", {1024, 768}, true, {159, 4}},
                    PlacementCase{"first_1152", "", "", {1152, 864}, true, {167, 20}},
                    PlacementCase{"first_other", "10", "20", {1280, 1024}, true, {10, 20}}),
    [](const testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

// The main window (513 x 457, title bar 19 high) as the saved place and the
// screens would put it, and where it stays within reach.
struct ReachCase {
    const char* name;
    QPoint placed;
    QList<QRect> screens;
    QPoint expected;
};

class TitleBarReach : public testing::TestWithParam<ReachCase> {};

TEST_P(TitleBarReach, PullsTheTitleBarOntoAScreen)
{
    const ReachCase& c = GetParam();
    EXPECT_EQ(KeepTitleBarOnScreen(c.placed, QSize(513, 457), 19, c.screens), c.expected);
}

const QRect kScreen(0, 0, 1024, 768);
// A 2048 x 1536 screen at scale factor 2, and a second screen to its right.
const QRect kScaled(0, 0, 1024, 768);
const QRect kRightOfIt(1024, 0, 1280, 1024);

INSTANTIATE_TEST_SUITE_P(
    Cases, TitleBarReach,
    testing::Values(ReachCase{"within", {40, 30}, {kScreen}, {40, 30}},
                    ReachCase{"far_left", {-3000, 30}, {kScreen}, {0, 30}},
                    ReachCase{"left_edge_at_the_right_end", {1024, 100}, {kScreen}, {511, 100}},
                    ReachCase{"half_out_right_kept", {800, 100}, {kScreen}, {800, 100}},
                    ReachCase{"grab_width_left_kept", {924, 100}, {kScreen}, {924, 100}},
                    ReachCase{"less_than_the_grab_width", {925, 100}, {kScreen}, {511, 100}},
                    ReachCase{"grab_width_on_the_left_kept", {-413, 100}, {kScreen}, {-413, 100}},
                    ReachCase{"less_on_the_left", {-414, 100}, {kScreen}, {0, 100}},
                    ReachCase{"above", {100, -5}, {kScreen}, {100, 0}},
                    ReachCase{"bottom_edge", {100, 768}, {kScreen}, {100, 749}},
                    ReachCase{"body_below_the_screen_kept", {100, 700}, {kScreen}, {100, 700}},
                    ReachCase{"centre_of_the_device_pixels", {1024, 768}, {kScaled}, {511, 749}},
                    ReachCase{"half_the_logical_screen_kept", {512, 384}, {kScaled}, {512, 384}},
                    ReachCase{"on_the_second_screen", {1500, 200}, {kScaled, kRightOfIt}, {1500, 200}},
                    ReachCase{"beyond_the_second_screen", {2600, 200}, {kScaled, kRightOfIt}, {1791, 200}},
                    ReachCase{"screen_narrower_than_the_window", {50, 10}, {QRect(0, 0, 400, 300)}, {50, 10}},
                    ReachCase{"off_a_screen_narrower_than_the_window", {450, 10}, {QRect(0, 0, 400, 300)}, {0, 10}},
                    ReachCase{"no_screens", {-3000, 30}, {}, {-3000, 30}}),
    [](const testing::TestParamInfo<ReachCase>& info) { return std::string(info.param.name); });

// The first-run places of the classic screen sizes, made whole for the
// Test Color (619 x 451) and Web Preview (404 x 397) windows.
struct WholeCase {
    const char* name;
    QPoint placed;
    QSize window;
    QSize screen;
    QPoint expected;
};

class FirstRunPlaceMadeWhole : public testing::TestWithParam<WholeCase> {};

TEST_P(FirstRunPlaceMadeWhole, LiesWholeOnTheScreen)
{
    const WholeCase& c = GetParam();
    const QPoint place = KeepWholeWindowOnArea(c.placed, c.window, QRect(QPoint(), c.screen));
    EXPECT_EQ(place, c.expected);
    EXPECT_TRUE(QRect(QPoint(), c.screen).contains(QRect(place, c.window)) || c.window.width() > c.screen.width());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstRunPlaceMadeWhole,
    testing::Values(WholeCase{"test_color_800", {216, 218}, {619, 451}, {800, 600}, {181, 149}},
                    WholeCase{"test_color_1024", {432, 290}, {619, 451}, {1024, 768}, {405, 290}},
                    WholeCase{"test_color_1152", {561, 216}, {619, 451}, {1152, 864}, {533, 216}},
                    WholeCase{"web_preview_800", {5, 236}, {404, 397}, {800, 600}, {5, 203}},
                    WholeCase{"web_preview_1024", {5, 404}, {404, 397}, {1024, 768}, {5, 371}},
                    WholeCase{"web_preview_1152_fits", {39, 433}, {404, 397}, {1152, 864}, {39, 433}},
                    WholeCase{"larger_than_the_screen", {100, 100}, {900, 700}, {800, 600}, {0, 0}}),
    [](const testing::TestParamInfo<WholeCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaro::workspace
