#include "workspace/data_folders.h"
#include "workspace/hint_texts.h"
#include "state/main_color_state.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tessaro::workspace {
namespace {

TEST(HintTexts, MainSwatchOfAWebsafeColourEndsWithValuesAndWebsafeNote)
{
    const QString hint = hints::MainSwatchHint(MakeColor(0, 51, 102), true);
    EXPECT_TRUE(hint.startsWith(hints::kMainSwatch + QLatin1Char('\r')));
    EXPECT_TRUE(hint.endsWith(
        QStringLiteral(" ( R: 0, G: 51, B: 102, HEX: #003366 ) ( This color is websafe ) ")));
    EXPECT_FALSE(hints::MainSwatchHint(MakeColor(1, 51, 102), false).contains(QStringLiteral("websafe")));
}

TEST(HintTexts, DerivedSwatchCarriesItsOwnValues)
{
    EXPECT_EQ(hints::DerivedSwatchHint(MakeColor(255, 128, 0)),
              hints::kDerivedSwatch + QStringLiteral("\r ( R: 255, G: 128, B: 0, HEX: #FF8000 )"));
}

TEST(MainColorState, RecomputeFromRgbAndFromHslDescribeOneColour)
{
    MainColorState s;
    s.red = 255;
    s.green = 0;
    s.blue = 1;
    RecomputeFromRgb(s, nullptr, ".");
    EXPECT_EQ(s.hsl(), (HslTriple{360, 100, 50}));
    EXPECT_EQ(s.hexText, "FF0001");
    EXPECT_EQ(s.bgrHexText, "0100FF");
    EXPECT_EQ(s.palette.wheel[0], MakeColor(255, 0, 1));

    s.hue = 0;
    s.saturation = 100;
    s.lightness = 50;
    RecomputeFromHsl(s, nullptr, ".");
    EXPECT_EQ(s.rgb(), (RgbTriple{255, 0, 0}));
    EXPECT_EQ(s.hsl(), (HslTriple{0, 100, 50}));
    EXPECT_TRUE(s.isWebsafe);
    EXPECT_EQ(s.extendedLines[0], "XYZ: X: 41.24 Y: 21.26 Z: 1.93");
}

TEST(MainColorState, NameIsLookedUpOnlyWithAListAndKeptOtherwise)
{
    const KeyValueText names = KeyValueText::Parse("#ff0000=Red\r\n");
    MainColorState s;
    s.red = 255;
    s.green = 0;
    s.blue = 0;
    RecomputeFromRgb(s, &names, ".");
    EXPECT_EQ(s.palette.colorName, "Red");
    s.green = 1;
    RecomputeFromRgb(s, nullptr, ".");
    EXPECT_EQ(s.palette.colorName, "Red");
    RecomputeFromRgb(s, &names, ".");
    EXPECT_EQ(s.palette.colorName, "");
}

TEST(DataFolders, ExecutableFolderWinsWhenItsDataFolderIsWritable)
{
    QTemporaryDir exe, installed, user;
    QDir(exe.path()).mkpath(QStringLiteral("TD"));
    const DataFolders f = ResolveDataFolders(exe.path(), installed.path(), user.path());
    EXPECT_EQ(f.appDir, exe.path() + QLatin1Char('/'));
    EXPECT_EQ(f.dataFolder, exe.path() + QStringLiteral("/TD/"));
    EXPECT_EQ(f.listFolder, exe.path() + QStringLiteral("/CLLs/"));
}

TEST(DataFolders, UserFolderIsFilledFromInstalledDataWithoutReplacingFiles)
{
    QTemporaryDir exe, installed, user;
    QDir(installed.path()).mkpath(QStringLiteral("TD"));
    QFile names(installed.path() + QStringLiteral("/TD/colors.txt"));
    ASSERT_TRUE(names.open(QIODevice::WriteOnly));
    names.write("#FF0000=Red\r\n");
    names.close();
    QDir(user.path()).mkpath(QStringLiteral("kt/TD"));
    QFile kept(user.path() + QStringLiteral("/kt/TD/set.set"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("program=tessaro\r\n");
    kept.close();

    const DataFolders f = ResolveDataFolders(exe.path(), installed.path(), user.path() + QStringLiteral("/kt"));
    EXPECT_EQ(f.appDir, user.path() + QStringLiteral("/kt/"));
    EXPECT_TRUE(QFile::exists(f.dataFolder + QStringLiteral("colors.txt")));
    EXPECT_TRUE(QDir(f.listFolder).exists());
    QFile settings(f.dataFolder + QStringLiteral("set.set"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_EQ(settings.readAll(), QByteArray("program=tessaro\r\n"));
}

} // namespace
} // namespace tessaro::workspace
