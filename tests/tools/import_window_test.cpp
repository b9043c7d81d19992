// The Import Colors window: scans that add to the found list, the messages,
// Add All at the colour list's insert point, the list's commands, dropped
// files and the file written at shutdown.
#include "colorlist/color_list_commands.h"
#include "support/fake_platform.h"
#include "tools/found_list_view.h"
#include "tools/import_window.h"
#include "state/main_color.h"

#include <QFile>
#include <QItemSelectionModel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::tools;

using Entries = std::vector<std::string>;
Q_DECLARE_METATYPE(Entries)

class ImportWindowTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<workspace::MainColor> mainColor_;
    std::unique_ptr<colorlist::ColorListCommands> list_;
    std::unique_ptr<ImportWindow> window_;

    QString write(const char* name, const QByteArray& bytes)
    {
        const QString path = dir_->filePath(QString::fromLatin1(name));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }
    // Waits until no scan runs and none waits.
    bool settle()
    {
        QSignalSpy spy(window_.get(), &ImportWindow::scanFinished);
        while (window_->isScanning())
            if (!spy.wait(5000))
                return false;
        return true;
    }
    void scan(const QString& text)
    {
        window_->ScanText(text);
        QVERIFY(settle());
    }
    QStringList dialogTexts(const QString& what) const { return fake_.dialogs.textsOf(what); }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        fake_.dialogs.calls.clear();
        fake_.dialogs.answers.clear();
        mainColor_ = std::make_unique<workspace::MainColor>();
        list_ = std::make_unique<colorlist::ColorListCommands>(fake_.platform(), *mainColor_, "/opt/CLLs/default.cll",
                                                               nullptr);
        window_ = std::make_unique<ImportWindow>(fake_.platform(), *list_);
    }

    void startsEmpty()
    {
        QCOMPARE(window_->sourceName(), QStringLiteral("Select a file first."));
        QCOMPARE(window_->colorValueText(), QStringLiteral("Select a color first."));
        QCOMPARE(window_->size(), QSize(368, 313));
    }

    void scansAddToTheList_data()
    {
        QTest::addColumn<bool>("allowDuplicates");
        QTest::addColumn<Entries>("afterTwoScans");
        QTest::newRow("duplicates off: the second scan adds nothing") << false << Entries{"#FF0000"};
        QTest::newRow("duplicates on: every entry twice")
            << true << Entries{"#FF0000", "#ff0000", "#FF0000", "#ff0000"};
    }
    void scansAddToTheList()
    {
        QFETCH(bool, allowDuplicates);
        QFETCH(Entries, afterTwoScans);
        window_->setAllowDuplicates(allowDuplicates);
        scan(QStringLiteral("color:#FF0000; background: #ff0000"));
        scan(QStringLiteral("color:#FF0000; background: #ff0000"));
        QCOMPARE(window_->found().entries(), afterTwoScans);
        QVERIFY(fake_.dialogs.calls.isEmpty());
    }

    void textWithoutHashSaysSo()
    {
        scan(QStringLiteral("nothing to see"));
        QCOMPARE(dialogTexts(QStringLiteral("notify")), QStringList{QStringLiteral("No colors found!")});
        // Every "#" failing the test: no message.
        scan(QStringLiteral("#12345G #FFF #"));
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QCOMPARE(window_->found().rowCount(), 0);
        QCOMPARE(window_->colorValueText(), QStringLiteral("Select a color first."));
    }

    // The label describes the clicked entry while it is in the list: the
    // removal of another entry keeps it, the removal of that entry clears it.
    void labelFollowsTheDescribedEntry()
    {
        scan(QStringLiteral("#111111 #222222 #333333"));
        window_->ShowEntry(2);
        QItemSelectionModel* selection = window_->listView()->selectionModel();
        selection->select(window_->found().index(0), QItemSelectionModel::ClearAndSelect);
        fake_.dialogs.answers = {platform::Answer::Yes};
        window_->RemoveSelected();
        QCOMPARE(window_->colorValueText(), QStringLiteral("RGB(51,51,51) | #333333 "));
        selection->select(window_->found().index(1), QItemSelectionModel::ClearAndSelect);
        fake_.dialogs.answers = {platform::Answer::Yes};
        window_->RemoveSelected();
        QCOMPARE(window_->found().entries(), (Entries{"#222222"}));
        QCOMPARE(window_->colorValueText(), QStringLiteral("Select a color first."));
    }

    void addAllLandsReversedAtTheInsertPoint_data()
    {
        QTest::addColumn<QStringList>("listBefore");
        QTest::addColumn<int>("dropRow");  // -2: no drop
        QTest::addColumn<QStringList>("listAfter");
        QTest::newRow("insert point 0") << QStringList{"#AAAAAA"} << -2
                                        << QStringList{"#333333", "#222222", "#111111", "#AAAAAA"};
        QTest::newRow("after a drop at row 1")
            << QStringList{"#AAAAAA", "#BBBBBB"} << 1
            << QStringList{"#AAAAAA", "#333333", "#222222", "#111111", "#CCCCCC", "#BBBBBB"};
        QTest::newRow("duplicate rule of the list")
            << QStringList{"#222222"} << -2 << QStringList{"#333333", "#111111", "#222222"};
    }
    void addAllLandsReversedAtTheInsertPoint()
    {
        QFETCH(QStringList, listBefore);
        QFETCH(int, dropRow);
        QFETCH(QStringList, listAfter);
        for (const QString& entry : listBefore)
            list_->model().add(colorlist::ColorList::EntryColor(entry), colorlist::Placement::AtEnd);
        if (dropRow != -2)
            list_->DropColor(MakeColor(0xCC, 0xCC, 0xCC), dropRow);
        list_->model().setListChanged(false);
        scan(QStringLiteral("#111111 #222222 #333333"));
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(window_->listView(), Qt::Key_Return);
        QCOMPARE(list_->model().list().entries(), listAfter);
        QVERIFY(list_->model().listChanged());
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->found().rowCount(), 3);
    }

    void listCommands()
    {
        scan(QStringLiteral("#AAAAAA #BBBBBB #aaaaaa #CCCCCC"));
        QCOMPARE(window_->found().entries(), (Entries{"#AAAAAA", "#BBBBBB", "#CCCCCC"}));
        window_->ToggleAllowDuplicates();
        scan(QStringLiteral("#aaaaaa"));
        window_->RemoveDuplicates();
        QCOMPARE(window_->found().entries(), (Entries{"#BBBBBB", "#CCCCCC", "#aaaaaa"}));

        QItemSelectionModel* selection = window_->listView()->selectionModel();
        selection->select(window_->found().index(0), QItemSelectionModel::Select);
        selection->select(window_->found().index(2), QItemSelectionModel::Select);
        fake_.dialogs.answers = {platform::Answer::No, platform::Answer::Yes};
        window_->RemoveSelected();
        QCOMPARE(window_->found().rowCount(), 3);
        window_->RemoveSelected();
        QCOMPARE(window_->found().entries(), (Entries{"#CCCCCC"}));
        QCOMPARE(fake_.dialogs.calls.at(1).title, QStringLiteral("Remove Selected?"));
        QCOMPARE(fake_.dialogs.calls.at(1).text, QStringLiteral("Are you sure to remove selected color(s)?"));

        window_->ShowEntry(0);
        QCOMPARE(window_->colorValueText(), QStringLiteral("RGB(204,204,204) | #CCCCCC "));

        fake_.dialogs.answers = {platform::Answer::Yes};
        window_->ClearAll();
        QCOMPARE(fake_.dialogs.calls.last().text, QStringLiteral("Are you sure clear all found colors?"));
        QCOMPARE(window_->found().rowCount(), 0);
    }

    void droppedAndChosenFiles()
    {
        const QString css = write("site.CSS", "a{color:#0000ff}");
        const QString txt = write("notes.txt", "#00ff00\r\n");
        const QString cll = write("list.cll", "#FF0000\r\n");
        window_->OpenDroppedFiles({css, cll, txt});
        QVERIFY(settle());
        QCOMPARE(window_->found().entries(), (Entries{"#0000ff", "#00ff00"}));
        QCOMPARE(window_->sourceName(), txt);

        // A folder chosen in the dialog: the error, nothing else changes.
        fake_.dialogs.paths = {dir_->path()};
        window_->FromFile();
        QVERIFY(settle());
        QCOMPARE(fake_.dialogs.calls.first().filters.size(), 5);
        QCOMPARE(fake_.dialogs.calls.first().filters.at(3).patterns, QStringLiteral("*.cll"));
        QCOMPARE(dialogTexts(QStringLiteral("error")).size(), 1);
        QCOMPARE(window_->sourceName(), txt);
        QCOMPARE(window_->found().rowCount(), 2);

        fake_.clipboard.content = QStringLiteral("#ABCDEF\r\n");
        window_->FromClipboard();
        QVERIFY(settle());
        QCOMPARE(window_->found().entries().back(), std::string("#ABCDEF"));

        const QString last = dir_->filePath(QStringLiteral("lastimported.txt"));
        QVERIFY(window_->SaveLastImported(last));
        QFile file(last);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("#0000ff\r\n#00ff00\r\n#ABCDEF\r\n"));
    }

    void picturesGiveTheirColours()
    {
        QImage picture(20, 10, QImage::Format_RGB32);
        picture.fill(qRgb(0xFF, 0xCC, 0x00));
        for (int x = 0; x < 5; ++x)
            for (int y = 0; y < 10; ++y)
                picture.setPixel(x, y, qRgb(0, 0, 0x80));
        const QString path = dir_->filePath(QStringLiteral("two.png"));
        QVERIFY(picture.save(path));
        scan(QStringLiteral("#ffcc00"));
        fake_.dialogs.paths = {path, write("broken.png", "not a picture")};
        window_->FromImage();
        // The listed #ffcc00 is not added again.
        QCOMPARE(window_->found().entries(), (Entries{"#ffcc00", "#000080"}));
        QCOMPARE(window_->sourceName(), path);
        window_->FromImage();
        QCOMPARE(dialogTexts(QStringLiteral("error")).size(), 1);
        QCOMPARE(window_->found().rowCount(), 2);
    }

    void aLargeFileCanBeCancelled()
    {
        // Over a million entries unless the scan stops.
        QByteArray text;
        for (int i = 0; i < 1 << 20; ++i)
            text += "#123456 ";
        const QString path = write("big.txt", text);
        window_->setAllowDuplicates(true);
        window_->LoadFile(path);
        QVERIFY(window_->isScanning());
        window_->CancelScan();
        QVERIFY(settle());
        QCOMPARE(window_->found().rowCount(), 0);
        QVERIFY(fake_.dialogs.calls.isEmpty());
    }
};

QTEST_MAIN(ImportWindowTest)
#include "import_window_test.moc"
