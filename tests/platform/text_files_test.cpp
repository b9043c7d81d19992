// Whole-file text writing: every byte reaches the device or the save is
// reported as failed, and a failed save leaves the previous file whole.
#include "platform/text_files.h"

#include "named_case.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

namespace tessaro::platform {
namespace {

using test::PrintTo;

// A device that takes at most `capacity` bytes, and at most `piece` bytes
// per write, as a disk that fills up or a pipe that takes what it can.
class LimitedDevice : public QIODevice {
public:
    LimitedDevice(qint64 capacity, qint64 piece) : capacity_(capacity), piece_(piece) { open(WriteOnly); }
    QByteArray written;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override
    {
        const qint64 room = std::min(capacity_ - qint64(written.size()), std::min(length, piece_));
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        written.append(data, room);
        return room;
    }

private:
    qint64 capacity_;
    qint64 piece_;
};

const QStringList kLines{QStringLiteral("255,128,0 - #FF8000"), QString(), QStringLiteral("Grün")};
const QByteArray kBytes("255,128,0 - #FF8000\r\n\r\nGr\xC3\xBCn\r\n");

struct DeviceCase {
    const char* name;
    qint64 capacity;
    qint64 piece;
    bool written;  // every byte taken
};

class WriteToDeviceTest : public testing::TestWithParam<DeviceCase> {};

TEST_P(WriteToDeviceTest, ReportsEveryByteOrFailure)
{
    LimitedDevice device(GetParam().capacity, GetParam().piece);
    EXPECT_EQ(WriteTextLines(device, kLines), GetParam().written);
    EXPECT_EQ(device.written, kBytes.left(GetParam().capacity));
}

INSTANTIATE_TEST_SUITE_P(Table, WriteToDeviceTest, testing::Values(
    DeviceCase{"RoomForAll", 1000, 1000, true},
    DeviceCase{"ExactlyFull", kBytes.size(), 1000, true},
    DeviceCase{"TakesSmallPieces", 1000, 3, true},
    DeviceCase{"FullAtOnce", 0, 1000, false},
    DeviceCase{"FullInTheMiddleOfALine", 10, 1000, false},
    DeviceCase{"FullOneByteShort", kBytes.size() - 1, 4, false}),
    test::kCaseName);

class WriteFileTest : public testing::Test {
protected:
    QTemporaryDir dir_;
    QString path(const char* name) const { return dir_.filePath(QLatin1String(name)); }
    QByteArray read(const char* name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
    }
    void write(const char* name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QStringList files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
};

TEST_F(WriteFileTest, ReplacesTheFileWithCrLfLines)
{
    write("a.txt", "old\r\n");
    EXPECT_TRUE(WriteTextLines(path("a.txt"), kLines));
    EXPECT_EQ(read("a.txt"), kBytes);
    EXPECT_EQ(files(), QStringList{QStringLiteral("a.txt")});
}

// A disk that fills up while the file is written: the process may write no
// more than a few bytes into any file (as a full file system would refuse
// them), and the buffered write only meets the refusal when it is flushed.
TEST_F(WriteFileTest, FullDiskKeepsTheOldFileAndReportsFailure)
{
    write("history.cl2", "1,2,3 - #010203\r\n");
    QStringList lines;
    for (int i = 0; i < 200; ++i)
        lines << QStringLiteral("255,128,0 - #FF8000");

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit small = old;
    small.rlim_cur = 64;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = WriteTextLines(path("history.cl2"), lines);
    const bool savedBytes = WriteFileBytes(path("history.cl2"), QByteArray(4096, 'x'));
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(saved);
    EXPECT_FALSE(savedBytes);
    EXPECT_EQ(read("history.cl2"), QByteArray("1,2,3 - #010203\r\n"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("history.cl2")});  // no temporary file left behind
}

TEST_F(WriteFileTest, FolderInThePlaceOfTheFileFails)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("set.set")));
    EXPECT_FALSE(WriteTextLines(path("set.set"), kLines));
    EXPECT_FALSE(WriteTextLines(path("missing/set.set"), kLines));
    EXPECT_TRUE(QFileInfo(path("set.set")).isDir());
}

} // namespace
} // namespace tessaro::platform
