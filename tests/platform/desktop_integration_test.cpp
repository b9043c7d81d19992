// Files dropped from the desktop, the ".cll" association files, and the
// single-instance lock.
#include "platform/lock_file_single_instance.h"
#include "platform/platform.h"
#include "platform/qt_shell.h"

#include "named_case.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <memory>
#include <optional>
#include <string>

namespace tessaro::platform {
namespace {

using test::PrintTo;

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::optional<QByteArray>& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name))
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~ScopedEnvironment()
    {
        if (had_)
            qputenv(name_, old_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

QStringList Lines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// ---- dropped files

struct DropCase {
    const char* name;
    QByteArray uriList;  // as a file manager puts it in text/uri-list
    QStringList paths;
};

class DroppedFilesTest : public testing::TestWithParam<DropCase> {};

TEST_P(DroppedFilesTest, GivesLocalPathsInOrder)
{
    QMimeData data;
    data.setData(QStringLiteral("text/uri-list"), GetParam().uriList);
    EXPECT_EQ(DroppedFiles(&data), GetParam().paths);
}

INSTANTIATE_TEST_SUITE_P(Table, DroppedFilesTest, testing::Values(
    DropCase{"OneFile", "file:///home/ann/Lists/spring.cll\r\n", {"/home/ann/Lists/spring.cll"}},
    DropCase{"OrderKept", "file:///tmp/b.cll\r\nfile:///tmp/a.txt\r\nfile:///tmp/c.CLL\r\n",
             {"/tmp/b.cll", "/tmp/a.txt", "/tmp/c.CLL"}},
    DropCase{"NonLocalSkipped",
             "https://example.com/x.cll\r\nfile:///tmp/a.cll\r\nsftp://host/y.cll\r\nfile:///tmp/b.cll\r\n",
             {"/tmp/a.cll", "/tmp/b.cll"}},
    DropCase{"EscapesDecoded", "file:///tmp/My%20Lists/a%23b%C3%A9.cll\r\n", {"/tmp/My Lists/a#b\u00e9.cll"}},
    DropCase{"CommentLinesIgnored", "# dragged from the file manager\r\nfile:///tmp/a.cll\r\n", {"/tmp/a.cll"}},
    DropCase{"OnlyRemote", "https://example.com/x.cll\r\n", {}}),
    test::kCaseName);

TEST(DroppedFilesTest, NoFilesWithoutUriList)
{
    QMimeData text;
    text.setText(QStringLiteral("/tmp/a.cll"));
    EXPECT_TRUE(DroppedFiles(&text).isEmpty());
    EXPECT_TRUE(DroppedFiles(nullptr).isEmpty());
}

// ---- the ".cll" association

struct DataFolderCase {
    const char* name;
    std::optional<QByteArray> xdgDataHome;
    QString expected;  // "~" is the home folder
};

class UserDataFolderTest : public testing::TestWithParam<DataFolderCase> {};

TEST_P(UserDataFolderTest, FollowsXdgDataHome)
{
    const ScopedEnvironment home("HOME", QByteArray("/home/tester"));
    const ScopedEnvironment data("XDG_DATA_HOME", GetParam().xdgDataHome);
    QString expected = GetParam().expected;
    expected.replace(QLatin1Char('~'), QStringLiteral("/home/tester"));
    EXPECT_EQ(UserDataFolder(), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, UserDataFolderTest, testing::Values(
    DataFolderCase{"Set", QByteArray("/data/ann"), "/data/ann"},
    DataFolderCase{"TrailingSlash", QByteArray("/data/ann/"), "/data/ann"},
    DataFolderCase{"Unset", std::nullopt, "~/.local/share"},
    DataFolderCase{"Empty", QByteArray(""), "~/.local/share"},
    DataFolderCase{"RelativeIsIgnored", QByteArray("data/ann"), "~/.local/share"}),
    test::kCaseName);

struct ExecCase {
    const char* name;
    QString executable;
    QString execLine;  // as it stands in the desktop file
};

class DesktopExecTest : public testing::TestWithParam<ExecCase> {};

TEST_P(DesktopExecTest, QuotesAndEscapesTheExecutable)
{
    const QStringList lines = ListFileDesktopEntry(GetParam().executable).split(QLatin1Char('\n'));
    EXPECT_TRUE(lines.contains(QStringLiteral("Exec=") + GetParam().execLine))
        << ListFileDesktopEntry(GetParam().executable).toStdString();
    // It stands in for the installed entry of the same name: the same icon.
    EXPECT_TRUE(lines.contains(QStringLiteral("Icon=kt-tessaro")));
}

INSTANTIATE_TEST_SUITE_P(Table, DesktopExecTest, testing::Values(
    ExecCase{"Plain", "/usr/bin/kt-tessaro", "/usr/bin/kt-tessaro %f"},
    ExecCase{"Blank", "/opt/KT Tessaro/kt-tessaro", "\"/opt/KT Tessaro/kt-tessaro\" %f"},
    ExecCase{"Percent", "/opt/100%/kt-tessaro", "/opt/100%%/kt-tessaro %f"},
    ExecCase{"Dollar", "/opt/a$b/kt-tessaro", "\"/opt/a\\\\$b/kt-tessaro\" %f"},
    ExecCase{"DoubleQuote", "/opt/a\"b/kt-tessaro", "\"/opt/a\\\\\"b/kt-tessaro\" %f"},
    ExecCase{"Backslash", "/opt/a\\b/kt-tessaro", "\"/opt/a\\\\\\\\b/kt-tessaro\" %f"}),
    test::kCaseName);

QString PackagedFile(const char* name)
{
    QFile file(QStringLiteral(TESSARO_PACKAGING_DIR "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The per-user copies are the packaged files, the entry running the
// executable itself: the action, GenericName and Keywords come along.
TEST(PackagedFilesTest, PerUserCopiesCarryThePackagedText)
{
    QString expected = PackagedFile("kt-tessaro.desktop");
    ASSERT_TRUE(expected.contains(QStringLiteral("\nExec=kt-tessaro --pick\n")));
    expected.replace(QStringLiteral("\nExec=kt-tessaro "), QStringLiteral("\nExec=/opt/tessaro/kt-tessaro "));
    EXPECT_EQ(ListFileDesktopEntry(QStringLiteral("/opt/tessaro/kt-tessaro")), expected);
    EXPECT_EQ(ListFileMimePackage(), PackagedFile("kt-tessaro.xml"));
}

struct DeclaresCase {
    const char* name;
    const char* entry;
    bool declares;
};

class DesktopEntryDeclaresTypeTest : public testing::TestWithParam<DeclaresCase> {};

TEST_P(DesktopEntryDeclaresTypeTest, ReadsTheMainGroupsMimeType)
{
    EXPECT_EQ(DesktopEntryDeclaresType(QString::fromUtf8(GetParam().entry),
                                       QStringLiteral("application/x-kt-tessaro-colorlist")),
              GetParam().declares);
}

INSTANTIATE_TEST_SUITE_P(Table, DesktopEntryDeclaresTypeTest, testing::Values(
    DeclaresCase{"Packaged", "[Desktop Entry]\nName=KT Tessaro\nMimeType=application/x-kt-tessaro-colorlist;\n", true},
    DeclaresCase{"AmongOthers", "[Desktop Entry]\nMimeType=text/plain;application/x-kt-tessaro-colorlist;image/png\n",
                 true},
    DeclaresCase{"BlanksAndCrLf", "[Desktop Entry]\r\nMimeType = application/x-kt-tessaro-colorlist\r\n", true},
    DeclaresCase{"NoMimeType", "[Desktop Entry]\nName=KT Tessaro\nExec=kt-tessaro %f\n", false},
    DeclaresCase{"OtherType", "[Desktop Entry]\nMimeType=application/x-kt-tessaro-colorlist-old;\n", false},
    DeclaresCase{"OnlyInAnAction",
                 "[Desktop Entry]\nName=KT Tessaro\n[Desktop Action pick]\nMimeType=application/x-kt-tessaro-colorlist;\n",
                 false},
    DeclaresCase{"CommentedOut", "[Desktop Entry]\n#MimeType=application/x-kt-tessaro-colorlist;\n", false}),
    test::kCaseName);

class AssociationTest : public testing::Test {
protected:
    // The system's data folders are an empty folder of the test's own, so
    // an installed copy of the program changes nothing here.
    AssociationTest()
        : data_("XDG_DATA_HOME", folder_.path().toUtf8()), systemData_("XDG_DATA_DIRS", system_.path().toUtf8())
    {
    }

    QString path(const QString& relative) const { return folder_.path() + QLatin1Char('/') + relative; }
    // Puts a kt-tessaro.desktop into the system data folder `system`.
    static void install(const QTemporaryDir& system, const QByteArray& entry)
    {
        ASSERT_TRUE(QDir(system.path()).mkpath(QStringLiteral("applications")));
        QFile file(system.filePath(QStringLiteral("applications/kt-tessaro.desktop")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(entry);
    }

    void registerWith(const QString& executable)
    {
        QtShell shell([this](const QString& program, const QStringList& arguments) {
            ran_ << program + QLatin1Char(' ') + arguments.join(QLatin1Char(' '));
        });
        shell.registerListFileAssociation(executable);
    }

    QTemporaryDir folder_;
    QTemporaryDir system_;
    ScopedEnvironment data_;
    ScopedEnvironment systemData_;
    QStringList ran_;
};

// An installed entry that opens list files is not hidden by a per-user
// one; the MIME package is still written (it changes nothing the
// installed one gives).
TEST_F(AssociationTest, NoEntryWhereTheInstalledOneOpensListFiles)
{
    QTemporaryDir other;
    install(system_, PackagedFile("kt-tessaro.desktop").toUtf8());
    const ScopedEnvironment dirs("XDG_DATA_DIRS", (other.path() + QLatin1Char(':') + system_.path()).toUtf8());
    registerWith(QStringLiteral("/usr/bin/kt-tessaro"));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("applications/kt-tessaro.desktop"))));
    EXPECT_TRUE(QFile::exists(path(QStringLiteral("mime/packages/kt-tessaro.xml"))));
    EXPECT_EQ(ran_, QStringList{QStringLiteral("update-mime-database ") + path(QStringLiteral("mime"))});
}

// An installed entry that does not open list files (an older package)
// gets the per-user entry that does.
TEST_F(AssociationTest, EntryWhereTheInstalledOneDoesNotOpenListFiles)
{
    install(system_, "[Desktop Entry]\nType=Application\nName=KT Tessaro\nExec=kt-tessaro\n");
    registerWith(QStringLiteral("/usr/bin/kt-tessaro"));
    QFile written(path(QStringLiteral("applications/kt-tessaro.desktop")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(written.readAll()), ListFileDesktopEntry(QStringLiteral("/usr/bin/kt-tessaro")));
    EXPECT_EQ(ran_.size(), 2);
}

TEST_F(AssociationTest, WritesMimePackage)
{
    registerWith(QStringLiteral("/opt/tessaro/kt-tessaro"));
    QFile file(path(QStringLiteral("mime/packages/kt-tessaro.xml")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString type, glob;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("mime-type"))
            type = xml.attributes().value(QLatin1String("type")).toString();
        else if (xml.name() == QLatin1String("glob"))
            glob = xml.attributes().value(QLatin1String("pattern")).toString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(type, QStringLiteral("application/x-kt-tessaro-colorlist"));
    EXPECT_EQ(glob, QStringLiteral("*.cll"));
}

TEST_F(AssociationTest, WritesDesktopEntry)
{
    registerWith(QStringLiteral("/opt/tessaro/kt-tessaro"));
    const QStringList lines = Lines(path(QStringLiteral("applications/kt-tessaro.desktop")));
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QStringLiteral("[Desktop Entry]"));
    for (const char* line : {"Type=Application", "Exec=/opt/tessaro/kt-tessaro %f",
                             "MimeType=application/x-kt-tessaro-colorlist;"})
        EXPECT_TRUE(lines.contains(QLatin1String(line))) << line;
}

TEST_F(AssociationTest, RefreshesBothDatabases)
{
    registerWith(QStringLiteral("/opt/tessaro/kt-tessaro"));
    EXPECT_EQ(ran_, QStringList({QStringLiteral("update-mime-database ") + path(QStringLiteral("mime")),
                                 QStringLiteral("update-desktop-database ") + path(QStringLiteral("applications"))}));
}

TEST_F(AssociationTest, RewritingReplacesTheExecutable)
{
    registerWith(QStringLiteral("/old/kt-tessaro"));
    registerWith(QStringLiteral("/new/kt-tessaro"));
    const QStringList lines = Lines(path(QStringLiteral("applications/kt-tessaro.desktop")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Exec=/new/kt-tessaro %f")));
    EXPECT_FALSE(lines.contains(QStringLiteral("Exec=/old/kt-tessaro %f")));
}

TEST_F(AssociationTest, UnwritableFolderIsIgnored)
{
    QFile blocker(path(QStringLiteral("plain-file")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const ScopedEnvironment data("XDG_DATA_HOME", path(QStringLiteral("plain-file")).toUtf8());
    registerWith(QStringLiteral("/opt/tessaro/kt-tessaro"));
    EXPECT_TRUE(ran_.isEmpty());
}

// The real shared-mime-info tool accepts the package and maps "*.cll" to
// the type.
TEST_F(AssociationTest, MimeDatabaseTakesThePackage)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (tool.isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    registerWith(QStringLiteral("/opt/tessaro/kt-tessaro"));
    QProcess process;
    process.start(tool, {path(QStringLiteral("mime"))});
    ASSERT_TRUE(process.waitForFinished(60000));
    ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_FALSE(Lines(path(QStringLiteral("mime/globs2")))
                     .filter(QStringLiteral(":application/x-kt-tessaro-colorlist:*.cll"))
                     .isEmpty());
}

// ---- the single-instance lock

class SingleInstanceTest : public testing::Test {
protected:
    QString lockPath() const { return folder_.filePath(QStringLiteral("KTTessaro")); }
    QTemporaryDir folder_;
};

TEST_F(SingleInstanceTest, SecondCopyIsRefused)
{
    LockFileSingleInstance first(lockPath());
    LockFileSingleInstance second(lockPath());
    EXPECT_TRUE(first.acquire());
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(first.acquire()) << "the holder asking again";
}

TEST_F(SingleInstanceTest, ReleasedWhenTheHolderGoes)
{
    auto first = std::make_unique<LockFileSingleInstance>(lockPath());
    ASSERT_TRUE(first->acquire());
    first.reset();
    LockFileSingleInstance next(lockPath());
    EXPECT_TRUE(next.acquire());
}

TEST_F(SingleInstanceTest, MissingFolderGivesFalseWithoutWaiting)
{
    LockFileSingleInstance lock(folder_.filePath(QStringLiteral("no/such/folder/KTTessaro")));
    EXPECT_FALSE(lock.acquire());
}

} // namespace
} // namespace tessaro::platform
