// The history file: a damaged line costs only itself, the file as it was is
// kept before the first save over it, and a failed save keeps the old file.
#include "colorlist/history_file.h"

#include <gtest/gtest.h>

#include <functional>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace tessaro::colorlist {
namespace {

QByteArray GoodLines(int first, int count)
{
    HistoryLog log;
    for (int i = first; i < first + count; ++i)
        log.Record(MakeColor(std::uint8_t(i), std::uint8_t(i * 3), std::uint8_t(255 - i)));
    return log.Text();
}

class HistoryFileTest : public testing::Test {
protected:
    QTemporaryDir dir_;
    QString path_ = dir_.filePath(QStringLiteral("history.cl2"));
    QString backup_ = HistoryFile::BackupPath(path_);

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    static void Write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

// Three good lines, one bad, two hundred good: all 203 steps are read, the
// bad line is reported once, and the first save keeps the file as it was.
TEST_F(HistoryFileTest, BadLineIsSkippedAndTheFileKeptBeforeTheFirstSave)
{
    const QByteArray damaged = GoodLines(0, 3) + "#00GG00\r\n" + GoodLines(3, 200);
    Write(path_, damaged);
    HistoryFile file;
    HistoryLog log;
    const HistoryLog::LoadResult result = file.Load(path_, log);
    EXPECT_EQ(result.recorded, 203);
    EXPECT_EQ(result.badLines, 1);
    EXPECT_EQ(result.error, QStringLiteral("'00GG00' is not a valid integer value"));
    EXPECT_FALSE(QFile::exists(backup_));  // nothing is written while reading

    log.Record(MakeColor(255, 128, 0));
    ASSERT_TRUE(file.Save(path_, log));
    EXPECT_EQ(Read(backup_), damaged);
    EXPECT_EQ(Read(path_), GoodLines(0, 203) + "255,128,0 - #FF8000\r\n");

    // Later saves write over the good file only; the copy stays as it was.
    log.Record(MakeColor(1, 2, 3));
    ASSERT_TRUE(file.Save(path_, log));
    EXPECT_EQ(Read(backup_), damaged);
    EXPECT_EQ(Read(path_), GoodLines(0, 203) + "255,128,0 - #FF8000\r\n1,2,3 - #010203\r\n");
}

TEST_F(HistoryFileTest, GoodFileGetsNoCopy)
{
    Write(path_, "0,0,0 - #000000\r\nxyz\r\n#ff8000\r\n");
    HistoryFile file;
    HistoryLog log;
    const HistoryLog::LoadResult result = file.Load(path_, log);
    EXPECT_EQ(result.recorded, 2);
    EXPECT_EQ(result.badLines, 0);
    EXPECT_EQ(result.error, std::nullopt);
    log.Record(MakeColor(1, 2, 3));
    ASSERT_TRUE(file.Save(path_, log));
    EXPECT_EQ(Read(path_), "0,0,0 - #000000\r\n255,128,0 - #FF8000\r\n1,2,3 - #010203\r\n");
    EXPECT_FALSE(QFile::exists(backup_));
}

TEST_F(HistoryFileTest, MissingFileAddsNothingAndIsCreatedBySave)
{
    HistoryFile file;
    HistoryLog log;
    const HistoryLog::LoadResult result = file.Load(path_, log);
    EXPECT_EQ(result.recorded, 0);
    EXPECT_EQ(result.error, std::nullopt);
    log.Record(MakeColor(1, 2, 3));
    ASSERT_TRUE(file.Save(path_, log));
    EXPECT_EQ(Read(path_), "1,2,3 - #010203\r\n");
}

// When the copy cannot be made, the damaged file is not written over.
TEST_F(HistoryFileTest, FailedCopyKeepsTheFile)
{
    const QByteArray damaged = "#010203\r\n#XYZXYZ\r\n";
    Write(path_, damaged);
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("history.cl2.bak")));
    HistoryFile file;
    HistoryLog log;
    file.Load(path_, log);
    EXPECT_FALSE(file.Save(path_, log));
    EXPECT_EQ(Read(path_), damaged);
}

TEST_F(HistoryFileTest, FolderInThePlaceOfTheFileFails)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("history.cl2")));
    HistoryFile file;
    HistoryLog log;
    EXPECT_EQ(file.Load(path_, log).recorded, 0);
    log.Record(MakeColor(1, 2, 3));
    EXPECT_FALSE(file.Save(path_, log));
    EXPECT_TRUE(QFileInfo(path_).isDir());
}

// A file is written only when the log's steps differ from it: a run that
// changes nothing leaves the file's bytes and time alone, whatever its form.
struct SaveCase {
    const char* name;
    bool fileThere;
    std::function<void(HistoryLog&)> run;
    bool written;
};

class HistoryFileSaveTest : public HistoryFileTest, public testing::WithParamInterface<SaveCase> {};

TEST_P(HistoryFileSaveTest, WritesOnlyAChangedHistory)
{
    const SaveCase& c = GetParam();
    // Lower-case hex and LF ends: what this program would write differs.
    const QByteArray own = "#0a0b0c\n#010203\n";
    if (c.fileThere) {
        Write(path_, own);
        QFile(path_).setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime);
    }
    const QDateTime before = QFileInfo(path_).lastModified();
    HistoryFile file;
    HistoryLog log;
    file.Load(path_, log);
    c.run(log);
    ASSERT_TRUE(file.Save(path_, log));
    if (!c.written) {
        EXPECT_EQ(Read(path_), c.fileThere ? own : QByteArray("(missing)"));
        EXPECT_EQ(QFileInfo(path_).lastModified(), before);
        return;
    }
    EXPECT_EQ(Read(path_), log.Text());
    // Saved once, the file holds the log: the next save leaves it.
    Write(path_, own);
    ASSERT_TRUE(file.Save(path_, log));
    EXPECT_EQ(Read(path_), own);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryFileSaveTest,
    testing::Values(SaveCase{"Unchanged", true, [](HistoryLog&) {}, false},
                    SaveCase{"UndoAndRedoOnly", true, [](HistoryLog& log) { log.Undo(); log.SetCursor(0); }, false},
                    SaveCase{"NoFileAndNoStep", false, [](HistoryLog&) {}, false},
                    SaveCase{"StepRecorded", true, [](HistoryLog& log) { log.Record(MakeColor(1, 1, 1)); }, true},
                    SaveCase{"StepRemoved", true, [](HistoryLog& log) { log.RemoveSteps({0}); }, true},
                    SaveCase{"Cleared", true, [](HistoryLog& log) { log.Clear(); }, true},
                    SaveCase{"FirstStepWithoutFile", false, [](HistoryLog& log) { log.Record(MakeColor(1, 1, 1)); },
                             true}),
    [](const testing::TestParamInfo<SaveCase>& info) { return std::string(info.param.name); });

// Another file, or a log that held steps before the file was read, is
// always written.
TEST_F(HistoryFileTest, OtherFilesAreWritten)
{
    Write(path_, "#010203\n");
    HistoryFile file;
    HistoryLog log;
    file.Load(path_, log);
    const QString other = dir_.filePath(QStringLiteral("other.cl2"));
    ASSERT_TRUE(file.Save(other, log));
    EXPECT_EQ(Read(other), "1,2,3 - #010203\r\n");

    HistoryFile second;
    HistoryLog held;
    held.Record(MakeColor(9, 9, 9));
    second.Load(path_, held);
    ASSERT_TRUE(second.Save(path_, held));
    EXPECT_EQ(Read(path_), "9,9,9 - #090909\r\n1,2,3 - #010203\r\n");
}

// A log loaded and left unchanged saves nothing new: the file stays as it
// was (a damaged file is kept as its backup first).
struct UnchangedCase {
    const char* name;
    std::optional<QByteArray> file;  // nothing: no file
    bool folder;                     // a folder in the file's place
};

class HistoryFileUnchangedTest : public HistoryFileTest, public testing::WithParamInterface<UnchangedCase> {};

TEST_P(HistoryFileUnchangedTest, SavesNothingNew)
{
    const UnchangedCase& c = GetParam();
    if (c.file)
        Write(path_, *c.file);
    if (c.folder)
        ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("history.cl2")));
    HistoryFile file;
    HistoryLog log;
    const HistoryLog::LoadResult loaded = file.Load(path_, log);
    const QByteArray original = Read(path_);
    EXPECT_EQ(file.Save(path_, log), !c.folder);
    EXPECT_EQ(QFile::exists(backup_), c.file && loaded.badLines > 0);
    if (c.file && loaded.badLines == 0)
        EXPECT_EQ(Read(path_), original);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HistoryFileUnchangedTest,
    testing::Values(UnchangedCase{"Good", GoodLines(0, 300), false},
                    UnchangedCase{"Damaged", GoodLines(0, 2) + "#00GG00\r\n" + GoodLines(2, 2), false},
                    UnchangedCase{"Missing", std::nullopt, false},
                    UnchangedCase{"Empty", QByteArray(), false},
                    UnchangedCase{"Folder", std::nullopt, true}),
    [](const testing::TestParamInfo<UnchangedCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessaro::colorlist
