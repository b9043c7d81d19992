// The colour list's view and commands, offscreen: the model under Qt's
// model tester, the three drawing styles, drops, moves, double clicks,
// Delete, the save and close questions and dropped files.
#include "colorlist/color_list_commands.h"
#include "colorlist/color_list_panel.h"
#include "colorlist/color_list_view.h"
#include "colorlist/color_mime.h"
#include "support/fake_platform.h"
#include "state/main_color.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QMimeData>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::colorlist;

namespace {

constexpr TColor kOrange = MakeColor(255, 128, 0);

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

} // namespace

class ColorListViewTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QWidget> window_;
    std::unique_ptr<workspace::MainColor> mainColor_;
    ColorListCommands* commands_ = nullptr;
    ColorListPanel* panel_ = nullptr;

    ColorListModel& model() { return commands_->model(); }
    ColorListView* view() { return panel_->view(); }
    QString path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }
    QStringList entries() { return model().list().entries(); }
    void setEntries(const QStringList& lines)
    {
        WriteFile(path("start.cll"), lines.join("\r\n").toUtf8() + "\r\n");
        commands_->OpenListFile(path("start.cll"));
        model().setCurrentListPath(QString());
    }
    void dropOnRow(TColor color, DragSource source, int row)
    {
        QMimeData mime;
        PopulateColorMime(mime, color, source);
        const QPoint at = row < 0 ? QPoint(5, view()->viewport()->height() - 2)
                                  : view()->visualRect(model().index(row)).center();
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view()->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(at), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view()->viewport(), &drop);
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        fake_.dialogs.calls.clear();
        fake_.dialogs.answers.clear();
        fake_.dialogs.paths.clear();
        mainColor_ = std::make_unique<workspace::MainColor>();
        window_ = std::make_unique<QWidget>();
        window_->resize(200, 340);
        commands_ = new ColorListCommands(fake_.platform(), *mainColor_, path("default.cll"), window_.get(),
                                          window_.get());
        panel_ = new ColorListPanel(*commands_, window_.get());
        panel_->setGeometry(0, 0, 175, 322);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }

    void cleanup()
    {
        window_.reset();
        mainColor_.reset();
    }

    void modelPassesTheTesterThroughEveryChange()
    {
        QAbstractItemModelTester tester(&model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        model().setAllowDuplicates(true);
        for (TColor color : {kOrange, MakeColor(1, 2, 3), kOrange, MakeColor(0, 0, 0)})
            model().add(color, Placement::AtInsertPoint);
        model().moveEntry(0, -1);
        model().moveEntry(3, 0);
        model().removeDuplicates();
        model().deleteRows({0});
        QCOMPARE(model().rowCount(), 2);
        QCOMPARE(model().index(0).data(ColorListModel::ColorRole).value<TColor>(),
                 ColorList::EntryColor(entries().at(0)));
        model().newList();
        QCOMPARE(model().rowCount(), 0);
    }

    void entryTexts_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("big orange") << 1 << "#FF8000" << " 255,128,0" << " #FF8000 | 30,100,50";
        QTest::newRow("small orange") << 2 << "#FF8000" << " 255,128,0 | #FF8000" << "";
        QTest::newRow("medium orange") << 3 << "#FF8000" << " 255,128,0 | #FF8000" << "";
        QTest::newRow("big not hex is black") << 1 << "hello" << " 0,0,0" << " hello | 0,0,0";
    }

    void entryTexts()
    {
        QFETCH(int, style);
        QFETCH(QString, entry);
        view()->setListStyle(ListStyle(style));
        QFETCH(QString, first);
        QFETCH(QString, second);
        QCOMPARE(view()->delegate()->firstText(entry), first);
        QCOMPARE(view()->delegate()->secondText(entry), second);
    }

    void stylesChangeRowHeightAndKeepTheSelection()
    {
        setEntries({"#FF8000", "#000000", "#FFFFFF"});
        view()->selectionModel()->select(model().index(1), QItemSelectionModel::Select);
        for (const auto& [style, height] : {std::pair{ListStyle::Big, 30}, std::pair{ListStyle::Small, 15},
                                            std::pair{ListStyle::Medium, 30}}) {
            panel_->setListStyle(style);
            QCoreApplication::processEvents();
            QCOMPARE(view()->visualRect(model().index(2)).height(), height);
            QCOMPARE(view()->selectedRows(), QList<int>{1});
        }
    }

    void dropAddsAtTheRowUnderThePoint_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("source");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("wheel swatch on the second entry") << 1 << int(DragSource::WheelSwatch)
                                                          << QStringList{"#000000", "#FF8000", "#111111", "#222222"};
        QTest::newRow("below the last entry") << -1 << int(DragSource::HarmonySwatch)
                                              << QStringList{"#000000", "#111111", "#222222", "#FF8000"};
        QTest::newRow("another program's colour") << 0 << int(DragSource::Unknown)
                                                  << QStringList{"#FF8000", "#000000", "#111111", "#222222"};
        QTest::newRow("duplicate refused, still recorded") << 0 << int(DragSource::MixerSwatch)
                                                           << QStringList{"#000000", "#111111", "#222222"};
    }

    void dropAddsAtTheRowUnderThePoint()
    {
        QFETCH(int, row);
        QFETCH(int, source);
        QFETCH(QStringList, after);
        setEntries({"#000000", "#111111", "#222222"});
        const TColor color = after.size() == 3 ? MakeColor(0x11, 0x11, 0x11) : kOrange;
        const int steps = mainColor_->history().rowCount();
        dropOnRow(color, DragSource(source), row);
        QCOMPARE(entries(), after);
        QCOMPARE(mainColor_->history().rowCount(), steps + 1);
        QVERIFY(model().listChanged());
        // The next "Add Main Color" lands where the drop did.
        QCOMPARE(model().insertPoint(), row);
    }

    void droppingAnEntryMovesIt()
    {
        setEntries({"#A", "#B", "#C"});
        commands_->MoveEntry(0, -1);
        QCOMPARE(entries(), QStringList({"#B", "#C", "#A"}));
        model().setListChanged(false);
        commands_->MoveEntry(1, 1);
        QCOMPARE(entries(), QStringList({"#B", "#C", "#A"}));
        QVERIFY(model().listChanged());
        QCOMPARE(mainColor_->history().rowCount(), 0);
    }

    void doubleClickMakesTheEntryTheMainColour()
    {
        setEntries({"#000000", "#FF8000"});
        QTest::mouseDClick(view()->viewport(), Qt::LeftButton, Qt::NoModifier,
                           view()->visualRect(model().index(1)).center());
        QCOMPARE(mainColor_->current(), kOrange);
        QCOMPARE(mainColor_->history().rowCount(), 1);
    }

    void deleteAsksFirst()
    {
        setEntries({"#000000", "#111111", "#222222"});
        view()->selectionModel()->select(model().index(0), QItemSelectionModel::Select);
        view()->selectionModel()->select(model().index(2), QItemSelectionModel::Select);
        view()->setFocus();
        fake_.dialogs.answers = {platform::Answer::No, platform::Answer::Yes};
        QTest::keyClick(view(), Qt::Key_Delete);
        QCOMPARE(entries().size(), 3);
        QCOMPARE(fake_.dialogs.calls.last().title, QStringLiteral("Delete?"));
        QCOMPARE(fake_.dialogs.calls.last().text, QStringLiteral("Are you sure to delete selected color(s)?"));
        QTest::keyClick(view(), Qt::Key_Delete);
        QCOMPARE(entries(), QStringList{"#111111"});
        QVERIFY(model().listChanged());
    }

    void saveWithoutAFileIsSaveAsAndRemembers()
    {
        setEntries({"#FF8000"});
        QSignalSpy remembered(commands_, &ColorListCommands::remembered);
        fake_.dialogs.paths = {path("mine.cll")};
        QVERIFY(commands_->Save());
        QCOMPARE(fake_.dialogs.calls.last().what, QStringLiteral("saveFile"));
        QCOMPARE(fake_.dialogs.calls.last().filters.first().description,
                 QStringLiteral("KT Tessaro 1.4 Color List (*.cll)"));
        QCOMPARE(ReadFile(path("mine.cll")), QByteArray("#FF8000\r\n"));
        QCOMPARE(model().currentListPath(), path("mine.cll"));
        QCOMPARE(remembered.count(), 1);
        QVERIFY(!model().listChanged());
    }

    void aFailedSaveIsReportedAndKeepsTheChangedMark()
    {
        setEntries({"#FF8000"});
        model().setListChanged(true);
        model().setCurrentListPath(path("no/folder/x.cll"));
        QVERIFY(!commands_->Save());
        QCOMPARE(fake_.dialogs.calls.last().what, QStringLiteral("error"));
        QVERIFY(fake_.dialogs.calls.last().text.contains(path("no/folder/x.cll")));
        QVERIFY(model().listChanged());
    }

    void closeQuestion_data()
    {
        QTest::addColumn<QList<int>>("answers");  // Answer values
        QTest::addColumn<bool>("withPath");
        QTest::addColumn<bool>("savePicked");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");
        QTest::newRow("no closes unsaved") << QList<int>{int(platform::Answer::No)} << true << false << true << false;
        QTest::newRow("cancel stays") << QList<int>{int(platform::Answer::Cancel)} << true << false << false << false;
        QTest::newRow("yes saves to the file") << QList<int>{int(platform::Answer::Yes)} << true << false << true
                                               << true;
        QTest::newRow("yes without a file, dialog cancelled, stays")
            << QList<int>{int(platform::Answer::Yes)} << false << false << false << false;
        QTest::newRow("yes without a file, saved as") << QList<int>{int(platform::Answer::Yes)} << false << true
                                                      << true << true;
    }

    void closeQuestion()
    {
        QFETCH(QList<int>, answers);
        QFETCH(bool, withPath);
        QFETCH(bool, savePicked);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        setEntries({"#FF8000"});
        model().setListChanged(true);
        if (withPath)
            model().setCurrentListPath(path("list.cll"));
        for (int answer : answers)
            fake_.dialogs.answers.push_back(platform::Answer(answer));
        fake_.dialogs.paths = {savePicked ? std::optional<QString>(path("list.cll")) : std::nullopt};
        QCOMPARE(commands_->ConfirmClose(), closes);
        QCOMPARE(fake_.dialogs.calls.first().title, QStringLiteral("Save?"));
        QCOMPARE(fake_.dialogs.calls.first().text, QStringLiteral("Color list has changed. Do you want to save it?"));
        QCOMPARE(QFile::exists(path("list.cll")), saved);
        // An unchanged list closes without a question.
        model().setListChanged(false);
        fake_.dialogs.calls.clear();
        QVERIFY(commands_->ConfirmClose());
        QVERIFY(fake_.dialogs.calls.isEmpty());
    }

    void droppedFilesOpenListsOnly()
    {
        WriteFile(path("A.CLL"), "#FF8000\r\n");
        WriteFile(path("a.bmp"), "#000000\r\n");
        commands_->OpenDroppedFiles({path("a.bmp")});
        QVERIFY(entries().isEmpty());
        commands_->OpenDroppedFiles({path("A.CLL")});
        QCOMPARE(entries(), QStringList{"#FF8000"});
        QCOMPARE(model().currentListPath(), path("A.CLL"));
        // Declining the question keeps the list and its file.
        model().add(MakeColor(0, 0, 0), Placement::AtEnd);
        model().setListChanged(true);
        WriteFile(path("b.cll"), "#FFFFFF\r\n");
        fake_.dialogs.answers = {platform::Answer::No};
        commands_->OpenDroppedFiles({path("b.cll")});
        QCOMPARE(fake_.dialogs.calls.last().title, QStringLiteral("Open?"));
        QCOMPARE(entries().size(), 2);
        QCOMPARE(model().currentListPath(), path("A.CLL"));
    }

    void olderFormFilesAreRememberedAndBadLinesReported()
    {
        WriteFile(path("old.cll"), "a - 0000FF\r\nb - 00FF00\r\n");
        QSignalSpy remembered(commands_, &ColorListCommands::remembered);
        commands_->OpenListFile(path("old.cll"));
        QCOMPARE(entries(), QStringList({"#00FF00", "#FF0000"}));
        QCOMPARE(remembered.count(), 1);
        QVERIFY(panel_->progressBar()->isHidden());

        WriteFile(path("bad.cll"), "a - 0000FF\r\nb - xyz\r\n");
        model().setListChanged(true);
        commands_->OpenListFile(path("bad.cll"));
        QCOMPARE(fake_.dialogs.calls.last().what, QStringLiteral("error"));
        QCOMPARE(fake_.dialogs.calls.last().text, QStringLiteral("'$00xyz' is not a valid integer value"));
        QCOMPARE(entries(), QStringList{"#FF0000"});
        QVERIFY(model().listChanged());
        QCOMPARE(remembered.count(), 1);
        // A save must ask where: the file read in part stays as it was.
        QVERIFY(model().currentListPath().isEmpty());
    }
};

QTEST_MAIN(ColorListViewTest)
#include "color_list_view_test.moc"
