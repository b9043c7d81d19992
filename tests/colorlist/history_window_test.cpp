// The History window driven as a user would, with fake platform services:
// undo and redo through the window, the history file, the fade, the menu's
// questions, docking, roll-up, the step list's keys and its row painting.
#include "colorlist/history_list_model.h"
#include "colorlist/history_step_delegate.h"
#include "colorlist/history_window.h"
#include "controls/shortcuts.h"
#include "controls/title_bar.h"
#include "platform/qt_color.h"
#include "support/fake_platform.h"
#include "state/main_color.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace tessaro;
using namespace tessaro::colorlist;
using platform::Answer;

Q_DECLARE_METATYPE(Qt::KeyboardModifiers)
Q_DECLARE_METATYPE(tessaro::controls::Command)
Q_DECLARE_METATYPE(std::optional<tessaro::TColor>)

namespace {

// Distinct colours, one per step index.
TColor ColorOfStep(int index)
{
    return MakeColor(std::uint8_t(10 * index + 5), std::uint8_t(100 + index), std::uint8_t(200 - 3 * index));
}

enum class FadeStart { Undo, Redo, AutoCloseSwitchedOn, ListClickDuringFade, TitlePressDuringFade };

} // namespace

Q_DECLARE_METATYPE(FadeStart)

class HistoryWindowTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    QTemporaryDir dir_;
    std::unique_ptr<workspace::MainColor> mainColor_;
    controls::CommandHandlers commands_;
    std::unique_ptr<QWidget> mainWindow_;                      // the window History docks against
    std::unique_ptr<HistoryWindow> window_;
    QList<TColor> mainColors_;                                 // every colour made the main colour
    QList<controls::Command> commandsRun_;                     // every command the window's keys ran

    QListView* histbox() const { return window_->findChild<QListView*>(QStringLiteral("histbox")); }
    controls::TitleBar* titleBar() const { return window_->findChild<controls::TitleBar*>(); }
    QAction* action(const char* name) const
    {
        auto* found = window_->findChild<QAction*>(QString::fromLatin1(name));
        if (!found)
            qFatal("no action %s", name);
        return found;
    }
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    void record(int steps)
    {
        for (int i = 0; i < steps; ++i)
            mainColor_->history().record(ColorOfStep(i));
    }
    QRect rowRect(int row) const { return histbox()->visualRect(window_->model()->index(row)); }
    void clickRow(int row, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::mouseClick(histbox()->viewport(), button, modifiers, rowRect(row).center());
    }
    // A double click as the desktop delivers it: press and release, then
    // the double click.
    void doubleClickRow(int row)
    {
        clickRow(row);
        QTest::mouseDClick(histbox()->viewport(), Qt::LeftButton, Qt::NoModifier, rowRect(row).center());
    }
    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (const QModelIndex& index : histbox()->selectionModel()->selectedIndexes())
            rows << index.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    int lastOpacitySet() const
    {
        for (auto call = fake_.windows.calls.crbegin(); call != fake_.windows.calls.crend(); ++call)
            if (call->what == QLatin1String("setOpacity")) {
                if (call->window != window_.get())
                    qFatal("opacity set on another window");
                return call->value;
            }
        return -1;
    }
    void writeFile(const QString& file, const QByteArray& bytes)
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    QByteArray readFile(const QString& file)
    {
        QFile in(file);
        if (!in.open(QIODevice::ReadOnly))
            return {};
        return in.readAll();
    }
    void ticks(int n)
    {
        for (int i = 0; i < n; ++i)
            window_->FadeTick();
    }

private slots:
    void init()
    {
        QVERIFY(dir_.isValid());
        fake_.dialogs.calls.clear();
        fake_.dialogs.answers.clear();
        fake_.windows.calls.clear();
        mainColors_.clear();
        commandsRun_.clear();
        window_.reset();
        mainColor_ = std::make_unique<workspace::MainColor>();
        connect(mainColor_.get(), &workspace::MainColor::colorSet, this, [this](TColor color) { mainColors_ << color; });
        mainWindow_ = std::make_unique<QWidget>();
        mainWindow_->setGeometry(400, 120, 513, 457);
        for (int c = 0; c < int(controls::Command::Count); ++c)
            commands_.set(controls::Command(c), [this, c] { commandsRun_ << controls::Command(c); });
        window_ = std::make_unique<HistoryWindow>(fake_.platform(), *mainColor_, commands_);
        window_->setDockAnchor(mainWindow_.get(), controls::ToolWindow::DockSide::Left);
        window_->setDockingEnabled(true);
        // The window's own undo and redo, noted as they run.
        commands_.set(controls::Command::Undo, [this] {
            commandsRun_ << controls::Command::Undo;
            window_->Undo();
        });
        commands_.set(controls::Command::Redo, [this] {
            commandsRun_ << controls::Command::Redo;
            window_->Redo();
        });
        controls::InstallShortcuts(window_.get(), controls::SideWindowKeys(), commands_);
    }
    // The user clicked into the step list: the window is active, the list
    // has the keyboard.
    void focusList()
    {
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        histbox()->setFocus();
    }
    void cleanup()
    {
        window_.reset();
        mainWindow_.reset();
        mainColor_.reset();
    }

    void isTheHistoryToolWindow()
    {
        QCOMPARE(window_->objectName(), QStringLiteral("HistoryWindow"));
        QCOMPARE(window_->size(), QSize(155, 457));
        QVERIFY(window_->windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(titleBar()->captionLabel()->text(), QStringLiteral("History"));
        QCOMPARE(titleBar()->height(), 19);
        QVERIFY(window_->findChild<QToolButton*>(QStringLiteral("historyMenuButton")));
        QVERIFY(window_->findChild<QToolButton*>(QStringLiteral("closeButton")));
        QCOMPARE(histbox()->selectionMode(), QAbstractItemView::ExtendedSelection);
        // The list fills the window below the title bar, inside the frame.
        QCOMPARE(histbox()->geometry(), QRect(1, 19, 153, 437));
        QVERIFY(!window_->isVisible());
        QVERIFY(window_->autoClose());
    }

    void menuEntries()
    {
        const auto* menu = window_->findChild<QMenu*>(QStringLiteral("HistoryPM"));
        QVERIFY(menu);
        QStringList entries;
        for (const QAction* entry : menu->actions())
            entries << (entry->isSeparator() ? QStringLiteral("-") : entry->text());
        QCOMPARE(entries, (QStringList{"Delete Selected", "Clear History", "-", "Auto Close", "-", "Close"}));
        QVERIFY(action("autoCloseAction")->isCheckable());
        QVERIFY(action("autoCloseAction")->isChecked());
    }

    // Undo, redo, double clicks, new steps and clearing, as a script:
    // U undo, R redo, N a new step, D<row> double click on a row, C clear
    // (answered Yes). `set` lists the steps whose colours reach the main
    // window, in order.
    void walk_data()
    {
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QList<int>>("set");
        QTest::addColumn<int>("cursor");

        QTest::newRow("three steps back and forth") << 3 << "UUURRR" << QList<int>{1, 0, 1, 2} << 3;
        QTest::newRow("new step after undo goes back to C") << 3 << "UNU" << QList<int>{1, 2} << 2;
        QTest::newRow("single step only moves the cursor") << 1 << "U" << QList<int>{} << 0;
        QTest::newRow("double click step 2 of five, undo, redo") << 5 << "D1UR" << QList<int>{1, 0, 1} << 1;
        QTest::newRow("double click the oldest, undo") << 4 << "D0U" << QList<int>{0} << 0;
        QTest::newRow("cleared history until a new step") << 3 << "CURNNU" << QList<int>{0} << 0;
    }
    void walk()
    {
        QFETCH(int, steps);
        QFETCH(QString, script);
        QFETCH(QList<int>, set);
        QFETCH(int, cursor);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        record(steps);

        QList<int> setSteps;
        for (qsizetype i = 0; i < script.size(); ++i) {
            const int before = mainColors_.size();
            switch (script.at(i).toLatin1()) {
            case 'U': window_->Undo(); break;
            case 'R': window_->Redo(); break;
            case 'N': mainColor_->history().record(ColorOfStep(window_->log().count())); break;
            case 'C':
                fake_.dialogs.answers.push_back(Answer::Yes);
                action("clearHistoryAction")->trigger();
                break;
            case 'D': {
                const int row = script.at(++i).digitValue();
                doubleClickRow(row);
                QCOMPARE(window_->log().cursor(), row);
                break;
            }
            default: QFAIL("unknown action");
            }
            QVERIFY(mainColors_.size() - before <= 1);
            if (mainColors_.size() > before) {
                const TColor color = mainColors_.back();
                const int row = int(window_->log().steps().indexOf(HistoryLog::StepText(color)));
                setSteps << row;
                // Undo and redo select the step they set.
                if (script.at(i) != QLatin1Char('D'))
                    QCOMPARE(selectedRows(), QList<int>{row});
            }
        }
        QCOMPARE(setSteps, set);
        QCOMPARE(window_->log().cursor(), cursor);
    }

    void undoAndRedoRecordNothing()
    {
        record(3);
        const QStringList steps = window_->log().steps();
        window_->Undo();
        window_->Redo();
        doubleClickRow(0);
        QCOMPARE(window_->log().cursor(), 0);
        QCOMPARE(window_->log().steps(), steps);
    }

    // The fade waits while the window's own question is open.
    void questionKeepsTheWindowFromFading()
    {
        record(3);
        window_->setAutoClose(true);
        window_->Undo();
        clickRow(0);
        int opacityDuringQuestion = -1;
        fake_.dialogs.whileAsking = [&] {
            ticks(100);
            opacityDuringQuestion = window_->opacity();
        };
        window_->DeleteSelected();
        fake_.dialogs.whileAsking = nullptr;
        QCOMPARE(opacityDuringQuestion, 255);
        QVERIFY(window_->isVisible());
    }

    // Nor does it fade under its own open menu (title button or right
    // click): opening the menu holds it as a click does, and the fade goes
    // on once the menu is closed.
    void openMenuKeepsTheWindowFromFading_data()
    {
        QTest::addColumn<bool>("fromTitleButton");
        QTest::newRow("title button") << true;
        QTest::newRow("right click in the list") << false;
    }
    void openMenuKeepsTheWindowFromFading()
    {
        QFETCH(bool, fromTitleButton);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        record(3);
        window_->setAutoClose(true);
        window_->Undo();
        ticks(15);
        QVERIFY(window_->opacity() < 255);
        auto* menu = window_->findChild<QMenu*>(QStringLiteral("HistoryPM"));
        if (fromTitleButton)
            QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("historyMenuButton")), Qt::LeftButton);
        else
            emit histbox()->customContextMenuRequested(rowRect(1).center());
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(window_->opacity(), 255);
        ticks(100);
        QVERIFY(window_->isVisible());
        QCOMPARE(window_->opacity(), 255);
        QCOMPARE(window_->fadeCountdown(), 30);
        menu->hide();
        ticks(30 + 17);
        QVERIFY(!window_->isVisible());
    }

    void undoShowsTheWindowOpaque_data()
    {
        QTest::addColumn<int>("steps");
        QTest::newRow("steps to walk") << 3;
        QTest::newRow("at the oldest step") << 0;
    }
    void undoShowsTheWindowOpaque()
    {
        QFETCH(int, steps);
        record(steps);
        for (bool redo : {false, true}) {
            window_->hide();
            window_->FadeTick();
            redo ? window_->Redo() : window_->Undo();
            QVERIFY(window_->isVisible());
            QCOMPARE(window_->opacity(), 255);
            QCOMPARE(lastOpacitySet(), 255);
        }
    }

    void historyFile_data()
    {
        QTest::addColumn<QByteArray>("file");  // empty: no file at all
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<std::optional<TColor>>("newest");
        QTest::addColumn<QString>("error");

        QTest::newRow("a line without # is skipped")
            << QByteArray("0,0,0 - #000000\r\nxyz\r\n1,2,3 - #010203\r\n")
            << QStringList{"0,0,0 - #000000", "1,2,3 - #010203"} << std::optional<TColor>(MakeColor(1, 2, 3))
            << QString();
        QTest::newRow("a line with bad hex is skipped, the rest read")
            << QByteArray("#FF8000\r\n1,2,3 - #0102XY\r\n#010203\r\n")
            << QStringList{"255,128,0 - #FF8000", "1,2,3 - #010203"} << std::optional<TColor>(MakeColor(1, 2, 3))
            << QStringLiteral("'0102XY' is not a valid integer value");
        QTest::newRow("bad hex on the first line")
            << QByteArray("#GGGGGG\r\n#010203\r\n") << QStringList{"1,2,3 - #010203"}
            << std::optional<TColor>(MakeColor(1, 2, 3)) << QStringLiteral("'GGGGGG' is not a valid integer value");
        QTest::newRow("several bad lines, one message")
            << QByteArray("#GGGGGG\r\n#XX0000\r\n#0102\r\n") << QStringList{} << std::optional<TColor>()
            << QStringLiteral("'GGGGGG' is not a valid integer value");
        QTest::newRow("other programs' forms and line ends")
            << QByteArray("#ff8000\n\rabc#0a0b0c\r") << QStringList{"255,128,0 - #FF8000", "10,11,12 - #0A0B0C"}
            << std::optional<TColor>(MakeColor(10, 11, 12)) << QString();
        QTest::newRow("no lines with #") << QByteArray("\r\nhello\r\n") << QStringList{} << std::optional<TColor>()
                                          << QString();
        QTest::newRow("no file") << QByteArray() << QStringList{} << std::optional<TColor>() << QString();
    }
    void historyFile()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, steps);
        QFETCH(std::optional<TColor>, newest);
        QFETCH(QString, error);
        const QString history = path("history.cl2");
        QFile::remove(history);
        if (!file.isEmpty())
            writeFile(history, file);

        QCOMPARE(window_->LoadHistoryFile(history), newest);
        QCOMPARE(window_->log().steps(), steps);
        QCOMPARE(window_->log().cursor(), int(steps.size()));
        if (error.isEmpty()) {
            QVERIFY(fake_.dialogs.calls.isEmpty());
        } else {
            QCOMPARE(fake_.dialogs.calls.size(), 1);
            QCOMPARE(fake_.dialogs.calls[0].what, QStringLiteral("error"));
            QCOMPARE(fake_.dialogs.calls[0].title, QStringLiteral("KT Tessaro"));
            QCOMPARE(fake_.dialogs.calls[0].text, error);
        }
        // Loading sets nothing itself; the caller makes the newest step the main colour.
        QVERIFY(mainColors_.isEmpty());
    }

    void savesStepsInOwnFormWithCrLf_data()
    {
        QTest::addColumn<QByteArray>("loaded");
        QTest::addColumn<QByteArray>("saved");
        QTest::newRow("own form kept") << QByteArray("255,128,0 - #FF8000\r\n1,2,3 - #010203\r\n")
                                       << QByteArray("255,128,0 - #FF8000\r\n1,2,3 - #010203\r\n");
        QTest::newRow("hash hex lines rewritten")
            << QByteArray("#ff8000\n#0A0B0C\n") << QByteArray("255,128,0 - #FF8000\r\n10,11,12 - #0A0B0C\r\n");
        QTest::newRow("empty history gives an empty file") << QByteArray("nothing\r\n") << QByteArray();
    }
    void savesStepsInOwnFormWithCrLf()
    {
        QFETCH(QByteArray, loaded);
        QFETCH(QByteArray, saved);
        writeFile(path("in.cl2"), loaded);
        window_->LoadHistoryFile(path("in.cl2"));
        QVERIFY(window_->SaveHistoryFile(path("out.cl2")));
        QCOMPARE(readFile(path("out.cl2")), saved);
    }

    void damagedFileIsKeptBeforeTheFirstSave()
    {
        const QString history = path("damaged.cl2");
        const QByteArray damaged("#010203\r\n#00GG00\r\n#040506\r\n");
        writeFile(history, damaged);
        QCOMPARE(window_->LoadHistoryFile(history), std::optional<TColor>(MakeColor(4, 5, 6)));
        QVERIFY(window_->SaveHistoryFile(history));
        QCOMPARE(readFile(history + QStringLiteral(".bak")), damaged);
        QCOMPARE(readFile(history), QByteArray("1,2,3 - #010203\r\n4,5,6 - #040506\r\n"));
    }

    void savedStepsComeBack()
    {
        record(4);
        mainColor_->history().record(MakeColor(255, 255, 255));
        QVERIFY(window_->SaveHistoryFile(path("round.cl2")));
        workspace::MainColor otherColor;
        controls::CommandHandlers otherCommands;
        HistoryWindow again(fake_.platform(), otherColor, otherCommands);
        QCOMPARE(again.LoadHistoryFile(path("round.cl2")), std::optional<TColor>(MakeColor(255, 255, 255)));
        QCOMPARE(again.log().steps(), window_->log().steps());
    }

    void failedSaveSaysNothingAndKeepsTheOldFile()
    {
        record(2);
        QVERIFY(!window_->SaveHistoryFile(path("missing-folder/history.cl2")));
        // A file the program may not replace stays as it was.
        QDir(dir_.path()).mkdir(QStringLiteral("locked"));
        writeFile(path("locked/history.cl2"), "#010203\r\n");
        QFile::setPermissions(dir_.filePath(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner);
        const bool saved = window_->SaveHistoryFile(path("locked/history.cl2"));
        QFile::setPermissions(dir_.filePath(QStringLiteral("locked")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!saved)
            QCOMPARE(readFile(path("locked/history.cl2")), QByteArray("#010203\r\n"));
        QVERIFY(fake_.dialogs.calls.isEmpty());
    }

    // Each way of starting the fade, and the tick that first lowers the
    // opacity; 17 lowerings of 15 then hide the window.
    void fade_data()
    {
        QTest::addColumn<FadeStart>("start");
        QTest::addColumn<int>("firstFadingTick");
        QTest::newRow("undo: opaque for 1 s") << FadeStart::Undo << 10;
        QTest::newRow("redo: opaque for 1 s") << FadeStart::Redo << 10;
        QTest::newRow("auto close switched on") << FadeStart::AutoCloseSwitchedOn << 10;
        QTest::newRow("click in the list: 3 s") << FadeStart::ListClickDuringFade << 30;
        QTest::newRow("press on the title bar: 3 s") << FadeStart::TitlePressDuringFade << 30;
    }
    void fade()
    {
        QFETCH(FadeStart, start);
        QFETCH(int, firstFadingTick);
        record(3);
        switch (start) {
        case FadeStart::Undo: window_->Undo(); break;
        case FadeStart::Redo: window_->Redo(); break;
        case FadeStart::AutoCloseSwitchedOn:
            window_->setAutoClose(false);
            window_->show();
            action("autoCloseAction")->trigger();
            QVERIFY(window_->autoClose());
            break;
        case FadeStart::ListClickDuringFade:
        case FadeStart::TitlePressDuringFade:
            window_->Undo();
            ticks(14);
            QVERIFY(window_->opacity() < 255);
            if (start == FadeStart::ListClickDuringFade)
                clickRow(0);
            else
                QTest::mousePress(titleBar(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 8));
            QCOMPARE(lastOpacitySet(), 255);
            break;
        }
        QVERIFY(window_->isVisible());
        QVERIFY(window_->fadeTimerActive());

        for (int tick = 1; tick < firstFadingTick; ++tick) {
            window_->FadeTick();
            QCOMPARE(window_->opacity(), 255);
        }
        for (int lowering = 1; lowering <= 17; ++lowering) {
            QVERIFY2(window_->isVisible(), qPrintable(QStringLiteral("hidden before lowering %1").arg(lowering)));
            window_->FadeTick();
            QCOMPARE(window_->opacity(), 255 - 15 * lowering);
            QCOMPARE(lastOpacitySet(), window_->opacity());
        }
        QVERIFY(!window_->isVisible());
        QVERIFY(!window_->fadeTimerActive());
    }

    void fadeTimerTicksEveryTenthOfASecond()
    {
        record(2);
        window_->Undo();
        const auto* timer = window_->findChild<QTimer*>(QStringLiteral("fadeTimer"));
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 100);
        QVERIFY(window_->fadeTimerActive());
        QCOMPARE(window_->fadeCountdown(), 10);
    }

    void autoCloseOffKeepsTheWindowOpen_data()
    {
        QTest::addColumn<bool>("duringFade");
        QTest::newRow("off before undo") << false;
        QTest::newRow("switched off while fading") << true;
    }
    void autoCloseOffKeepsTheWindowOpen()
    {
        QFETCH(bool, duringFade);
        record(3);
        if (duringFade) {
            window_->Undo();
            ticks(15);
            QVERIFY(window_->opacity() < 255);
            action("autoCloseAction")->trigger();
        } else {
            window_->setAutoClose(false);
            window_->Undo();
        }
        QVERIFY(!window_->autoClose());
        QVERIFY(!action("autoCloseAction")->isChecked());
        QCOMPARE(window_->opacity(), 255);
        QCOMPARE(lastOpacitySet(), 255);
        ticks(200);
        window_->Redo();
        ticks(200);
        QVERIFY(window_->isVisible());
        QCOMPARE(window_->opacity(), 255);
        // Closed by hand.
        action("closeAction")->trigger();
        QVERIFY(!window_->isVisible());
    }

    void closeButtonHidesAndStopsTheFade()
    {
        record(2);
        window_->Undo();
        QTest::mouseClick(window_->findChild<QToolButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
        QVERIFY(!window_->isVisible());
        QVERIFY(!window_->fadeTimerActive());
    }

    void shownAgainAfterFadingIsOpaque()
    {
        record(2);
        window_->Undo();
        ticks(26);
        QVERIFY(!window_->isVisible());
        QCOMPARE(window_->opacity(), 0);
        window_->show();
        QCOMPARE(window_->opacity(), 255);
        QCOMPARE(lastOpacitySet(), 255);
    }

    void removeAndClearAskFirst_data()
    {
        QTest::addColumn<QString>("command");  // "menu", "key" (Delete in the list), "clear"
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<QList<int>>("kept");   // steps left, by their index before
        QTest::addColumn<int>("cursor");

        QTest::newRow("delete selected, yes") << "menu" << QList<int>{1, 3} << Answer::Yes << QList<int>{0, 2, 4} << 3;
        QTest::newRow("delete selected, no") << "menu" << QList<int>{1, 3} << Answer::No << QList<int>{0, 1, 2, 3, 4} << 2;
        QTest::newRow("delete key, yes") << "key" << QList<int>{0} << Answer::Yes << QList<int>{1, 2, 3, 4} << 4;
        QTest::newRow("delete key, no") << "key" << QList<int>{4} << Answer::No << QList<int>{0, 1, 2, 3, 4} << 2;
        QTest::newRow("clear history, yes") << "clear" << QList<int>{2} << Answer::Yes << QList<int>{} << 0;
        QTest::newRow("clear history, no") << "clear" << QList<int>{} << Answer::No << QList<int>{0, 1, 2, 3, 4} << 2;
    }
    void removeAndClearAskFirst()
    {
        QFETCH(QString, command);
        QFETCH(QList<int>, selected);
        QFETCH(Answer, answer);
        QFETCH(QList<int>, kept);
        QFETCH(int, cursor);
        window_->show();
        record(5);
        window_->Undo();
        window_->Undo();  // cursor 2
        histbox()->clearSelection();
        for (int row : selected)
            histbox()->selectionModel()->select(window_->model()->index(row), QItemSelectionModel::Select);
        fake_.dialogs.answers.push_back(answer);

        if (command == QLatin1String("menu"))
            action("deleteSelectedAction")->trigger();
        else if (command == QLatin1String("key"))
            QTest::keyClick(histbox(), Qt::Key_Delete);
        else
            action("clearHistoryAction")->trigger();

        QCOMPARE(fake_.dialogs.calls.size(), 1);
        const auto& question = fake_.dialogs.calls[0];
        QCOMPARE(question.what, QStringLiteral("askYesNo"));
        if (command == QLatin1String("clear")) {
            QCOMPARE(question.title, QStringLiteral("Clear All?"));
            QCOMPARE(question.text, QStringLiteral("Are you sure to clear all?"));
        } else {
            QCOMPARE(question.title, QStringLiteral("Remove?"));
            QCOMPARE(question.text, QStringLiteral("Are you sure to remove selected history step?"));
        }
        QStringList expected;
        for (int i : kept)
            expected << HistoryLog::StepText(ColorOfStep(i));
        QCOMPARE(window_->log().steps(), expected);
        QCOMPARE(window_->log().cursor(), cursor);
        QCOMPARE(window_->model()->rowCount(), int(expected.size()));
        QVERIFY(commandsRun_.isEmpty());
    }

    void deleteWithNothingSelectedAsksNothing()
    {
        window_->show();
        record(3);
        window_->Undo();
        histbox()->clearSelection();
        QTest::keyClick(histbox(), Qt::Key_Delete);
        QVERIFY(fake_.dialogs.calls.isEmpty());
        QCOMPARE(window_->log().count(), 3);
        QCOMPARE(window_->log().cursor(), 1);
    }

    void docksAgainstTheMainWindowsLeftEdge_data()
    {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("middle of the screen") << QRect(400, 120, 513, 457) << QPoint(245, 120);
        // No room on the left: History takes the right side.
        QTest::newRow("main window at the left edge") << QRect(0, 0, 513, 457) << QPoint(513, 0);
        QTest::newRow("rolled-up main window") << QRect(700, 40, 513, 20) << QPoint(545, 40);
    }
    void docksAgainstTheMainWindowsLeftEdge()
    {
        QFETCH(QRect, main);
        QFETCH(QPoint, expected);
        mainWindow_->setGeometry(main);
        window_->show();
        QCOMPARE(window_->pos(), expected);
        // Moved away, then docked again when the main window moves.
        window_->move(10, 10);
        mainWindow_->move(mainWindow_->pos() + QPoint(30, 7));
        window_->DockToAnchor();
        QCOMPARE(window_->pos(), expected + QPoint(30, 7));
        // Hidden and shown again by undo: docked at once.
        window_->hide();
        window_->move(10, 10);
        window_->Undo();
        QCOMPARE(window_->pos(), expected + QPoint(30, 7));
    }

    void docksWhenActivated()
    {
        QWidget other;
        other.show();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window_->move(10, 10);
        QCOMPARE(window_->pos(), QPoint(10, 10));
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTRY_COMPARE(window_->pos(), QPoint(245, 120));
    }

    void doubleClickOnTheTitleBarRollsUp()
    {
        window_->show();
        const int heights[] = {20, 457, 20, 457};
        for (int height : heights) {
            QTest::mouseDClick(titleBar(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 8));
            QCOMPARE(window_->height(), height);
            QCOMPARE(window_->isRolledUp(), height == 20);
            QCOMPARE(histbox()->isVisible(), height == 457);
            QCOMPARE(window_->width(), 155);
        }
    }

    void titleDragStartsAMoveAndPressHoldsTheFade()
    {
        window_->show();
        fake_.windows.calls.clear();
        const auto moved = [this] {
            for (const auto& call : fake_.windows.calls)
                if (call.what == QLatin1String("startMove") && call.window == window_.get())
                    return true;
            return false;
        };
        QTest::mousePress(titleBar(), Qt::LeftButton, Qt::NoModifier, QPoint(30, 8));
        QCOMPARE(window_->opacity(), 255);
        QCOMPARE(window_->fadeCountdown(), 30);
        QVERIFY(!moved());
        const QPoint away(30, 8 + QApplication::startDragDistance());
        QMouseEvent drag(QEvent::MouseMove, away, titleBar()->mapToGlobal(away), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(titleBar(), &drag);
        QVERIFY(moved());
    }

    void rightClickOpensTheMenu()
    {
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        record(3);
        auto* menu = window_->findChild<QMenu*>(QStringLiteral("HistoryPM"));
        emit histbox()->customContextMenuRequested(rowRect(1).center());
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
        auto* button = window_->findChild<QToolButton*>(QStringLiteral("historyMenuButton"));
        QTest::mouseClick(button, Qt::LeftButton);
        QTRY_VERIFY(menu->isVisible());
        menu->hide();
    }

    void keysOfTheMainWindowArePassedOn_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("passed");
        const Qt::KeyboardModifiers none = Qt::NoModifier;
        const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
        for (int key : {Qt::Key_F1, Qt::Key_F5, Qt::Key_F7, Qt::Key_F8, Qt::Key_F12})
            QTest::addRow("F%d", key - Qt::Key_F1 + 1) << key << none << true;
        for (char letter : QByteArray("ACNORSTWXYZ"))
            QTest::addRow("Ctrl+%c", letter) << int(Qt::Key_A + (letter - 'A')) << ctrl << true;
        QTest::newRow("F2") << int(Qt::Key_F2) << none << false;
        QTest::newRow("Ctrl+B") << int(Qt::Key_B) << ctrl << false;
        QTest::newRow("plain Z") << int(Qt::Key_Z) << none << false;
        QTest::newRow("Down") << int(Qt::Key_Down) << none << false;
    }
    void keysOfTheMainWindowArePassedOn()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, passed);
        record(3);
        focusList();
        QTest::keyClick(histbox(), Qt::Key(key), modifiers);
        if (passed) {
            const controls::ShortcutRow* row = controls::FindShortcut(QKeyCombination(modifiers, Qt::Key(key)));
            QVERIFY(row);
            QCOMPARE(commandsRun_, QList<controls::Command>{row->command});
        } else {
            QVERIFY(commandsRun_.isEmpty());
        }
    }

    void ctrlZAndCtrlYInTheListUndoAndRedo()
    {
        record(3);
        focusList();
        QTest::keyClick(histbox(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(histbox(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(histbox(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(mainColors_, (QList<TColor>{ColorOfStep(1), ColorOfStep(0), ColorOfStep(1)}));
        QCOMPARE(selectedRows(), QList<int>{1});
    }

    void listClickKeepsTheWindowOpen()
    {
        window_->show();
        record(3);
        window_->Undo();
        ticks(9);
        clickRow(2, Qt::RightButton);
        QCOMPARE(window_->fadeCountdown(), 30);
        QCOMPARE(window_->opacity(), 255);
    }

    // One row as drawn: the colour block at the left, the text on white
    // from left + 15, the selection colour around them.
    void rowPainting_data()
    {
        QTest::addColumn<TColor>("color");
        QTest::addColumn<bool>("selected");
        QTest::newRow("orange") << MakeColor(255, 128, 0) << false;
        QTest::newRow("black") << MakeColor(0, 0, 0) << false;
        QTest::newRow("dark blue, selected") << MakeColor(1, 2, 90) << true;
        QTest::newRow("white, longest text, selected") << MakeColor(255, 255, 255) << true;
        QTest::newRow("white, longest text") << MakeColor(255, 255, 255) << false;
    }
    void rowPainting()
    {
        QFETCH(TColor, color);
        QFETCH(bool, selected);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        mainColor_->history().record(MakeColor(9, 9, 9));
        mainColor_->history().record(color);
        if (selected)
            histbox()->selectionModel()->select(window_->model()->index(1), QItemSelectionModel::ClearAndSelect);
        else
            histbox()->clearSelection();

        const QRect row = rowRect(1);
        QCOMPARE(row.height(), 15);
        QCOMPARE(row.top(), rowRect(0).bottom() + 1);
        const QImage image = histbox()->viewport()->grab(row).toImage();
        const QColor background = selected ? histbox()->palette().color(QPalette::Active, QPalette::Highlight)
                                           : QColor(Qt::white);
        QCOMPARE(image.pixelColor(0, 0), background);                     // the 1-pixel inset
        QCOMPARE(image.pixelColor(row.width() - 1, 7), background);
        QCOMPARE(image.pixelColor(3, 4), ToQColor(color));               // the colour block
        QCOMPARE(image.pixelColor(1 + 15 + 1, 4), QColor(Qt::white));    // the blank before the text

        // The text is grey on white: " " and the step, in a white box as
        // wide as that text; the row's background again after it.
        const QFontMetrics metrics(HistoryStepDelegate::StepFont(), histbox()->viewport());
        const int textEnd = 1 + 15 + metrics.horizontalAdvance(QLatin1Char(' ') + window_->log().steps().at(1));
        bool grey = false;
        for (int x = 1 + 15; x < std::min(textEnd, row.width() - 1); ++x)
            for (int y = 1; y < std::min(1 + metrics.height(), 14); ++y) {
                const QColor pixel = image.pixelColor(x, y);
                QVERIFY(pixel.red() == pixel.green() && pixel.green() == pixel.blue());
                QVERIFY(pixel.red() >= 0x80);
                grey = grey || pixel.red() < 0xF0;
            }
        QVERIFY(grey);
        if (textEnd + 3 < row.width())
            QCOMPARE(image.pixelColor(textEnd + 3, 7), background);
    }

    void modelPassesTheModelTester()
    {
        HistoryListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        for (int i = 0; i < 6; ++i)
            model.record(ColorOfStep(i));
        model.undo();
        model.setCursor(2);
        model.removeSteps({1, 4});
        model.loadLines({"#FF8000", "x", "#0102"});
        model.removeSteps({});
        model.clear();
        model.record(ColorOfStep(0));
        QCOMPARE(model.rowCount(), 1);
        QCOMPARE(model.data(model.index(0), Qt::DisplayRole).toString(), HistoryLog::StepText(ColorOfStep(0)));
        QCOMPARE(model.data(model.index(0), HistoryListModel::ColorRole).value<TColor>(), ColorOfStep(0));
    }

    // The newest loaded step is in sight: at once in a shown window, when
    // the window is shown in a hidden one.
    void loadedHistoryShowsTheNewestStep_data()
    {
        QTest::addColumn<bool>("shownBeforeLoading");
        QTest::newRow("hidden while loading") << false;
        QTest::newRow("shown while loading") << true;
    }
    void loadedHistoryShowsTheNewestStep()
    {
        QFETCH(bool, shownBeforeLoading);
        QByteArray lines;
        for (int i = 0; i < 200; ++i)
            lines += "#0000" + QByteArray::number(i % 100).rightJustified(2, '0') + "\r\n";
        writeFile(path("long.cl2"), lines);
        if (shownBeforeLoading)
            window_->show();
        window_->LoadHistoryFile(path("long.cl2"));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        const QRect newest = rowRect(199);
        QVERIFY(!newest.isEmpty());
        QVERIFY(newest.top() >= 0);
        QVERIFY(newest.bottom() <= histbox()->viewport()->rect().bottom());
        QVERIFY(rowRect(0).bottom() < 0);
    }

    void viewFollowsTheLog()
    {
        window_->show();
        record(4);
        QCOMPARE(window_->model()->rowCount(), 4);
        QCOMPARE(histbox()->model()->data(histbox()->model()->index(3, 0)).toString(),
                 HistoryLog::StepText(ColorOfStep(3)));
        writeFile(path("more.cl2"), "#FF8000\r\n");
        window_->LoadHistoryFile(path("more.cl2"));
        QCOMPARE(histbox()->model()->rowCount(), 5);
        QCOMPARE(histbox()->model()->data(histbox()->model()->index(4, 0)).toString(),
                 QStringLiteral("255,128,0 - #FF8000"));
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
