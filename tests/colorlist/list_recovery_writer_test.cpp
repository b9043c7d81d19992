// The recovery file kept current while the colour list has unsaved
// changes: written a moment after a change, once for a burst, removed when
// the changes are saved or dealt with, written at once when the program ends
// without its question.
#include "colorlist/color_list_model.h"
#include "colorlist/color_list_recovery.h"
#include "colorlist/list_recovery_writer.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::colorlist;

class ListRecoveryWriterTest : public QObject {
    Q_OBJECT

private:
    static constexpr int kDelayMs = 50;
    static constexpr TColor kOrange = MakeColor(255, 128, 0);
    static constexpr TColor kTeal = MakeColor(0, 128, 128);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ColorListModel> model_;

    QString recoveryPath() const { return dir_->filePath(QStringLiteral("colorlist.recover")); }
    QString listPath() const { return dir_->filePath(QStringLiteral("mine.cll")); }
    // A change as the list's commands make it: the entry, then the mark.
    void addColor(TColor color)
    {
        model_->add(color, Placement::AtEnd);
        model_->setListChanged(true);
    }
    QStringList recoveredEntries() const
    {
        const std::optional<RecoveredList> recovered = LoadListRecovery(recoveryPath());
        return recovered ? recovered->entries : QStringList{QStringLiteral("<no file>")};
    }
    // Lets a delay run out several times over.
    static void waitPastTheDelay() { QTest::qWait(4 * kDelayMs); }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        model_ = std::make_unique<ColorListModel>();
    }

    // A burst of changes is one write, made after the delay and holding the
    // last of them with the list's file path.
    void burstOfChangesIsWrittenOnceAfterTheDelay()
    {
        model_->setCurrentListPath(listPath());
        ListRecoveryWriter writer(*model_, recoveryPath(), kDelayMs);
        QSignalSpy updates(&writer, &ListRecoveryWriter::fileUpdated);
        addColor(kOrange);
        addColor(kTeal);
        model_->moveEntry(1, 0);
        QVERIFY(!QFile::exists(recoveryPath()));
        QTRY_COMPARE(updates.count(), 1);
        QCOMPARE(updates.first().first().toBool(), true);
        waitPastTheDelay();
        QCOMPARE(updates.count(), 1);
        const std::optional<RecoveredList> recovered = LoadListRecovery(recoveryPath());
        QVERIFY(recovered);
        QCOMPARE(recovered->currentListPath, listPath());
        QCOMPARE(recovered->entries, QStringList({"#008080", "#FF8000"}));
        // A later change is written again.
        model_->deleteRows({0});
        QTRY_COMPARE(updates.count(), 2);
        QCOMPARE(recoveredEntries(), QStringList{"#FF8000"});
    }

    // Saving, loading or emptying the list leaves nothing to recover.
    void fileGoesWhenNothingIsLeftToRecover_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("saved") << 0;
        QTest::newRow("another list loaded") << 1;
        QTest::newRow("new list") << 2;
    }
    void fileGoesWhenNothingIsLeftToRecover()
    {
        QFETCH(int, way);
        QFile saved(listPath());
        QVERIFY(saved.open(QIODevice::WriteOnly));
        saved.write("#112233\r\n");
        saved.close();
        ListRecoveryWriter writer(*model_, recoveryPath(), kDelayMs);
        QSignalSpy updates(&writer, &ListRecoveryWriter::fileUpdated);
        addColor(kOrange);
        QTRY_VERIFY(QFile::exists(recoveryPath()));
        // As the list's commands do it: the file, then the changed mark.
        if (way == 0) {
            QVERIFY(!model_->save(listPath()));
            model_->setListChanged(false);
        } else if (way == 1) {
            QVERIFY(model_->load(listPath()).found);
            model_->setListChanged(false);
        } else {
            model_->newList();
        }
        QTRY_VERIFY(!QFile::exists(recoveryPath()));
        waitPastTheDelay();
        QVERIFY(!QFile::exists(recoveryPath()));
        QCOMPARE(updates.last().first().toBool(), false);
    }

    // Restored entries count as unsaved from the start.
    void listChangedAtTheStartIsWritten()
    {
        model_->restore(QString(), {QStringLiteral("#FF8000")});
        ListRecoveryWriter writer(*model_, recoveryPath(), kDelayMs);
        QTRY_COMPARE(recoveredEntries(), QStringList{"#FF8000"});
    }

    // A recovery file of an earlier run is the start-up's to offer: an
    // unchanged list does not remove it.
    void fileOfAnEarlierRunIsLeftAlone()
    {
        QVERIFY(SaveListRecovery(recoveryPath(), QString(), {QStringLiteral("#010203")}));
        ListRecoveryWriter writer(*model_, recoveryPath(), kDelayMs);
        model_->newList();
        waitPastTheDelay();
        QCOMPARE(recoveredEntries(), QStringList{"#010203"});
    }

    // The program ends without its question: written at once, before the
    // delay; nothing is written after that.
    void writeNowWritesBeforeTheDelay()
    {
        ListRecoveryWriter writer(*model_, recoveryPath(), 60000);
        addColor(kOrange);
        writer.WriteNow();
        QCOMPARE(recoveredEntries(), QStringList{"#FF8000"});
        addColor(kTeal);
        waitPastTheDelay();
        QCOMPARE(recoveredEntries(), QStringList{"#FF8000"});
    }

    // The user let the changes go at the close question: the file written
    // earlier is removed, and a change still waiting is never written.
    void discardRemovesTheFileAndCancelsTheWait()
    {
        ListRecoveryWriter writer(*model_, recoveryPath(), kDelayMs);
        addColor(kOrange);
        QTRY_VERIFY(QFile::exists(recoveryPath()));
        addColor(kTeal);
        writer.Discard();
        QVERIFY(!QFile::exists(recoveryPath()));
        waitPastTheDelay();
        QVERIFY(!QFile::exists(recoveryPath()));
    }
};

QTEST_GUILESS_MAIN(ListRecoveryWriterTest)
#include "list_recovery_writer_test.moc"
