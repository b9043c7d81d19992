// The found list: its row texts, Remove Duplicates against the step-by-step
// rule, and scans of files and texts away from the window.
#include "tools/found_colors.h"
#include "tools/import_scan.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <random>
#include <sys/stat.h>

using namespace tessaro;
using namespace tessaro::tools;

namespace {

// Remove Duplicates exactly as described: from the last index down, the
// first entry equal (ignoring case) to entry i is deleted when it is not i.
std::vector<std::string> RemoveDuplicatesStepByStep(std::vector<std::string> entries)
{
    auto equal = [](const std::string& a, const std::string& b) {
        return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
    };
    for (int i = int(entries.size()) - 1; i >= 0; --i) {
        if (std::size_t(i) >= entries.size())
            continue;
        const std::string s = entries[std::size_t(i)];
        int first = 0;
        while (!equal(entries[std::size_t(first)], s))
            ++first;
        if (first != i)
            entries.erase(entries.begin() + first);
    }
    return entries;
}

TEST(FoundColors, RowTextAndDescription)
{
    EXPECT_EQ(FoundRowText("#ffcc00"), QStringLiteral(" 255,204,0 | #ffcc00"));
    EXPECT_EQ(FoundColorDescription(MakeColor(255, 204, 0)), QStringLiteral("RGB(255,204,0) | #FFCC00 "));
    EXPECT_EQ(FoundColorDescription(MakeColor(1, 10, 171)), QStringLiteral("RGB(1,10,171) | #010AAB "));
}

TEST(FoundColors, RemoveDuplicatesKeepsTheLastOfEachGroup)
{
    EXPECT_EQ(WithoutDuplicates({"#AAAAAA", "#BBBBBB", "#aaaaaa"}), (std::vector<std::string>{"#BBBBBB", "#aaaaaa"}));
    // Random lists of a few colours in both cases, against the rule itself.
    std::mt19937 random(7);
    const std::vector<std::string> pool{"#AAAAAA", "#aaaaaa", "#AaAaAa", "#BBBBBB", "#bbbbbb", "#123456", "#ABCDEF"};
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> entries(random() % 12);
        for (std::string& entry : entries)
            entry = pool[random() % pool.size()];
        ASSERT_EQ(WithoutDuplicates(entries), RemoveDuplicatesStepByStep(entries)) << "round " << round;
    }
}

TEST(FoundColors, ModelEditsAndText)
{
    FoundColorsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.append({"#AAAAAA", "#BBBBBB", "#aaaaaa", "#00ff00"});
    EXPECT_EQ(model.data(model.index(3), Qt::DisplayRole).toString(), QStringLiteral(" 0,255,0 | #00ff00"));
    EXPECT_EQ(model.data(model.index(3), FoundColorsModel::ColorRole).toUInt(), MakeColor(0, 255, 0));
    model.RemoveDuplicates();
    EXPECT_EQ(model.entries(), (std::vector<std::string>{"#BBBBBB", "#aaaaaa", "#00ff00"}));
    model.removeRowsAt({2, 0, 2, 9});
    EXPECT_EQ(model.entries(), (std::vector<std::string>{"#aaaaaa"}));
    model.append({"#123456"});
    EXPECT_EQ(model.text(), QByteArray("#aaaaaa\r\n#123456\r\n"));
    model.clear();
    EXPECT_EQ(model.rowCount(), 0);
}

class ImportScanTest : public testing::Test {
protected:
    QTemporaryDir dir_;
    ScanProgressState state_;

    QString write(const char* name, const QByteArray& bytes)
    {
        const QString path = dir_.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    ImportScanResult scanFile(const QString& path, const std::vector<std::string>& known = {}, bool allow = false)
    {
        return RunImportScan(ImportSource{path, {}}, known, allow, state_);
    }
};

TEST_F(ImportScanTest, FileEntriesAgainstWhatIsKnown)
{
    const QString path = write("site.css", "body { color:#FF0000; }\r\na { color: #ff0000 }\n#00FF00#0000FF #FFF");
    ImportScanResult first = scanFile(path);
    EXPECT_TRUE(first.sawHash);
    EXPECT_EQ(first.added, (std::vector<std::string>{"#FF0000", "#00FF00"}));
    // A second scan of the same text adds nothing unless duplicates are allowed.
    EXPECT_TRUE(scanFile(path, first.added).added.empty());
    EXPECT_EQ(scanFile(path, first.added, true).added,
              (std::vector<std::string>{"#FF0000", "#ff0000", "#00FF00"}));
    EXPECT_EQ(state_.maximum.load(), std::size_t(QFile(path).size() + 1) / 7);
}

TEST_F(ImportScanTest, TextWithoutHashAndFailedCandidates)
{
    EXPECT_FALSE(RunImportScan(ImportSource{{}, QStringLiteral("no colours here")}, {}, false, state_).sawHash);
    const ImportScanResult failed = RunImportScan(ImportSource{{}, QStringLiteral("#GGGGGG and #12")}, {}, false, state_);
    EXPECT_TRUE(failed.sawHash);
    EXPECT_TRUE(failed.added.empty());
}

TEST_F(ImportScanTest, SourcesThatAreNotTextFiles)
{
    const QString fifo = dir_.filePath(QStringLiteral("pipe.txt"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString& path : {dir_.path(), fifo, dir_.filePath(QStringLiteral("missing.txt"))}) {
        const ImportScanResult result = scanFile(path);
        EXPECT_TRUE(result.fileError.contains(path)) << result.fileError.toStdString();
        EXPECT_TRUE(result.added.empty());
    }
    // Bytes that are not text scan as Windows-1252 and find what is there.
    const ImportScanResult binary = scanFile(write("bin.txt", QByteArray("\xff\xfe\x00#C0FFEE\x80\x00", 11)));
    EXPECT_EQ(binary.added, (std::vector<std::string>{"#C0FFEE"}));
}

TEST_F(ImportScanTest, CancelledScanAddsNothing)
{
    state_.cancel = true;
    const ImportScanResult result = RunImportScan(ImportSource{{}, QStringLiteral("#112233 #445566")}, {}, false, state_);
    EXPECT_TRUE(result.cancelled);
    EXPECT_TRUE(result.added.empty());
}

} // namespace
