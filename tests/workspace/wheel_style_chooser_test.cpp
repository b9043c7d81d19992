// Wheel styles in the program: the swatches' new places and shapes, kept
// inside the main window; the chooser's click, double click, "Done" and
// close; lastwhl across restarts; a missing file and a bad integer.
#include "controls/swatch.h"
#include "support/fake_platform.h"
#include "workspace/main_window.h"
#include "workspace/program_session.h"
#include "workspace/wheel_section.h"
#include "workspace/wheel_style_chooser.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::workspace;

class WheelStyleChooserTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    std::unique_ptr<QTemporaryDir> dir_;

    DataFolders folders() const
    {
        const QString app = dir_->path() + QLatin1Char('/');
        return {app, app + QStringLiteral("TD/"), app + QStringLiteral("CLLs/")};
    }
    QString style(const char* name) const { return dir_->filePath(QStringLiteral("CWSs/") + QLatin1String(name)); }
    void writeStyle(const char* name, const QByteArray& text)
    {
        QFile file(style(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    static QRect placeOf(const MainWindow& main, const controls::Swatch* swatch)
    {
        return QRect(swatch->mapTo(&main, QPoint(0, 0)), swatch->size());
    }
    static int rowOf(const QListWidget* list, const QString& text)
    {
        return list->row(list->findItems(text, Qt::MatchExactly).value(0));
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        for (const char* sub : {"TD", "CLLs", "CWSs"})
            QDir(dir_->path()).mkpath(QString::fromLatin1(sub));
        writeStyle("left.whl", "c1.left=10\r\n");
        writeStyle("square.whl", "c5.type=1\r\nc6.type=3\r\n");
        writeStyle("wild.whl", "c1.left=-900\r\nc1.top=99999\r\nc2.width=-4\r\nc3.width=2147483647\r\nc3.height=80\r\n");
        writeStyle("bad.whl", "c1.top=20\r\nc1.height=zz\r\nc2.left=5\r\n");
        fake_.dialogs.calls.clear();
    }

    void clickAppliesDoubleClickCloses()
    {
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        session.Start();
        MainWindow& main = *session.mainWindow();
        WheelSection* wheel = main.wheelSection();
        const QRect before = placeOf(main, wheel->mainSwatch());
        QCOMPARE(before, QRect(71, 144, 60, 60));
        const QRect ring3 = placeOf(main, wheel->wheel()[3]);

        session.commands().run(controls::Command::LoadWheelStyle);
        WheelStyleChooser* chooser = session.wheelStyleChooser();
        QVERIFY(chooser->isVisible());
        QCOMPARE(chooser->x(), main.x() + main.width() / 2 - chooser->width() / 2);
        QCOMPARE(chooser->y(), main.y() + 50);
        QCOMPARE(chooser->files()->count(), 4);

        // A click applies at once: only the main swatch's left changes.
        QListWidget* files = chooser->files();
        const int left = rowOf(files, QStringLiteral("left.whl"));
        emit files->itemClicked(files->item(left));
        QCOMPARE(placeOf(main, wheel->mainSwatch()), QRect(10, 144, 60, 60));
        QCOMPARE(placeOf(main, wheel->wheel()[3]), ring3);
        QVERIFY(chooser->isVisible());
        QCOMPARE(chooser->lastWheelStyle(), style("left.whl"));

        // Type 1 makes a square, type 3 leaves the circle.
        const int square = rowOf(files, QStringLiteral("square.whl"));
        emit files->itemDoubleClicked(files->item(square));
        QVERIFY(!chooser->isVisible());
        QCOMPARE(wheel->wheel()[3]->shape(), controls::Swatch::Shape::Square);
        QCOMPARE(wheel->wheel()[4]->shape(), controls::Swatch::Shape::Circle);
        QCOMPARE(session.CurrentExitSettings().GetSetting(Setting::LastWheelStyle), style("square.whl"));
    }

    void doneAppliesTheSelectedOneOrNothing()
    {
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        session.Start();
        WheelStyleChooser* chooser = session.wheelStyleChooser();
        session.commands().run(controls::Command::LoadWheelStyle);
        chooser->findChild<QToolButton*>(QStringLiteral("doneButton"))->click();
        QVERIFY(!chooser->isVisible());
        QVERIFY(chooser->lastWheelStyle().isEmpty());
        QVERIFY(session.CurrentExitSettings().GetSetting(Setting::LastWheelStyle).isEmpty());

        session.commands().run(controls::Command::LoadWheelStyle);
        chooser->files()->setCurrentRow(rowOf(chooser->files(), QStringLiteral("left.whl")));
        QFile::remove(style("left.whl"));  // gone since the list was read: ignored
        chooser->Done();
        QVERIFY(chooser->lastWheelStyle().isEmpty());
        QCOMPARE(placeOf(*session.mainWindow(), session.mainWindow()->wheelSection()->mainSwatch()).left(), 71);
    }

    void wildNumbersStayInsideTheWindow()
    {
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        session.Start();
        MainWindow& main = *session.mainWindow();
        QVERIFY(session.ApplyWheelStyle(style("wild.whl")));
        const QRect client = main.rect();
        const QRect mainSwatch = placeOf(main, main.wheelSection()->mainSwatch());
        QCOMPARE(mainSwatch.left(), 0);
        QCOMPARE(mainSwatch.bottom(), client.bottom());
        const QRect first = placeOf(main, main.wheelSection()->wheel()[0]);
        QVERIFY(first.width() >= 5);
        const QRect second = placeOf(main, main.wheelSection()->wheel()[1]);
        QCOMPARE(second.width(), client.width());
        QCOMPARE(second.height(), 80);
        for (const QRect& r : {mainSwatch, first, second})
            QVERIFY2(client.contains(r), qPrintable(QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));
    }

    void badIntegerStopsAndIsShown()
    {
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        session.Start();
        MainWindow& main = *session.mainWindow();
        session.wheelStyleChooser()->Choose(style("left.whl"));
        session.wheelStyleChooser()->Choose(style("bad.whl"));
        // c1.top applied, c1.height stopped it, c2 untouched.
        QCOMPARE(placeOf(main, main.wheelSection()->mainSwatch()), QRect(10, 20, 60, 60));
        QCOMPARE(placeOf(main, main.wheelSection()->wheel()[0]).left(), 88);
        QCOMPARE(fake_.dialogs.calls.last().text, QStringLiteral("'zz' is not a valid integer value"));
        QCOMPARE(session.wheelStyleChooser()->lastWheelStyle(), style("left.whl"));
        QVERIFY(!session.ApplyWheelStyle(style("missing.whl")));
    }

    void lastStyleKeptAcrossRestarts()
    {
        for (int run = 0; run < 3; ++run) {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
            session.Start();
            MainWindow& main = *session.mainWindow();
            if (run == 0)
                session.wheelStyleChooser()->Choose(style("left.whl"));
            QCOMPARE(placeOf(main, main.wheelSection()->mainSwatch()).left(), 10);
            session.Shutdown();
        }
    }
};

QTEST_MAIN(WheelStyleChooserTest)
#include "wheel_style_chooser_test.moc"
