// The wheel style chooser over a session: styles applied by click, double
// click and "Done", the swatches kept reachable, and the chosen style kept
// across restarts.
#include "controls/swatch.h"
#include "support/fake_platform.h"
#include "workspace/main_window.h"
#include "workspace/program_session.h"
#include "workspace/wheel_section.h"
#include "workspace/wheel_style_chooser.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::workspace;

class WheelStyleChooserTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<ProgramSession> session_;

    DataFolders folders() const
    {
        const QString app = dir_->path() + QLatin1Char('/');
        return {app, app + QStringLiteral("TD/"), app + QStringLiteral("CLLs/")};
    }
    QString stylePath(const QString& name) const { return folders().appDir + QStringLiteral("CWSs/") + name; }
    void writeStyle(const QString& name, const QByteArray& text)
    {
        QFile file(stylePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    void start()
    {
        session_ = std::make_unique<ProgramSession>(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        session_->Start();
    }
    WheelStyleChooser& chooser() const { return *session_->wheelStyleChooser(); }
    // Swatch n's place in main-window client pixels.
    QRect place(int n) const
    {
        const WheelSection* wheel = session_->mainWindow()->wheelSection();
        return wheel->swatch(n)->geometry().translated(WheelSection::kGeometry.topLeft());
    }
    void clickRow(const QString& name, bool twice = false)
    {
        QListWidget* files = chooser().files();
        const QList<QListWidgetItem*> items = files->findItems(name, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        const QRect row = files->visualItemRect(items[0]);
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, row.center());
        if (twice)
            QTest::mouseDClick(files->viewport(), Qt::LeftButton, {}, row.center());
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QDir(dir_->path()).mkpath(QStringLiteral("TD"));
        QDir(dir_->path()).mkpath(QStringLiteral("CWSs"));
        fake_.dialogs.calls.clear();
        writeStyle(QStringLiteral("Left.whl"), "c1.left=10\r\n");
        writeStyle(QStringLiteral("Square five.whl"), "c5.type=1\r\nc6.type=3\r\n");
        writeStyle(QStringLiteral("Broken.whl"), "c1.top=100\r\nc1.height=big\r\nc2.left=20\r\n");
        writeStyle(QStringLiteral("Far away.whl"),
                   "c1.left=-5000\r\nc1.top=99999\r\nc2.width=2147483647\r\nc2.height=-3\r\nc3.left=2147483647\r\n");
        writeStyle(QStringLiteral("not a style.txt"), "c1.left=0\r\n");
        start();
    }
    void cleanup() { session_.reset(); }

    void listShowsTheStyleFilesEachTimeItOpens()
    {
        chooser().Open(session_->mainWindow());
        QCOMPARE(chooser().files()->count(), 4);
        writeStyle(QStringLiteral("Added.whl"), "c1.left=20\r\n");
        chooser().hide();
        chooser().Open(session_->mainWindow());
        QCOMPARE(chooser().files()->count(), 5);
        const QWidget* main = session_->mainWindow();
        QCOMPARE(chooser().pos(), QPoint(main->x() + main->width() / 2 - WheelStyleChooser::kWidth / 2, main->y() + 50));
    }

    void clickAppliesAtOnceAndRemembers()
    {
        const QRect before = place(1);
        chooser().Open(session_->mainWindow());
        clickRow(QStringLiteral("Left.whl"));
        QCOMPARE(place(1), QRect(QPoint(10, before.top()), before.size()));
        for (int n = 2; n <= 13; ++n)
            QCOMPARE(session_->mainWindow()->wheelSection()->swatch(n)->shape(), controls::Swatch::Shape::Circle);
        QVERIFY(chooser().isVisible());
        QCOMPARE(chooser().lastWheelStyle(), stylePath(QStringLiteral("Left.whl")));

        clickRow(QStringLiteral("Square five.whl"), true);
        QVERIFY(!chooser().isVisible());
        const WheelSection* wheel = session_->mainWindow()->wheelSection();
        QCOMPARE(wheel->swatch(5)->shape(), controls::Swatch::Shape::Square);
        QCOMPARE(wheel->swatch(6)->shape(), controls::Swatch::Shape::Circle);
        QCOMPARE(place(1).left(), 10);
    }

    // Opened again, the list's current row is the style in use.
    void reopenedListShowsTheStyleInUse()
    {
        chooser().Open(session_->mainWindow());
        QCOMPARE(chooser().files()->currentRow(), -1);
        clickRow(QStringLiteral("Square five.whl"), true);
        QVERIFY(!chooser().isVisible());
        chooser().Open(session_->mainWindow());
        QVERIFY(chooser().files()->currentItem());
        QCOMPARE(chooser().files()->currentItem()->text(), QStringLiteral("Square five.whl"));
        QVERIFY(chooser().files()->currentItem()->isSelected());
    }

    void badValueKeepsWhatCameBeforeAndThePreviousStyle()
    {
        chooser().Open(session_->mainWindow());
        clickRow(QStringLiteral("Left.whl"));
        const QRect second = place(2);
        clickRow(QStringLiteral("Broken.whl"));
        QCOMPARE(place(1).top(), 100);
        QCOMPARE(place(2), second);
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QCOMPARE(fake_.dialogs.calls[0].text, QStringLiteral("'big' is not a valid integer value"));
        QCOMPARE(chooser().lastWheelStyle(), stylePath(QStringLiteral("Left.whl")));
    }

    void swatchesStayInsideTheWheelSection()
    {
        chooser().Choose(stylePath(QStringLiteral("Far away.whl")));
        const QRect body = WheelSection::kGeometry.adjusted(0, SectionFrame::kTitleHeight, 0, 0);
        for (int n = 1; n <= 13; ++n) {
            QVERIFY2(body.contains(place(n)), qPrintable(QString::number(n)));
            QVERIFY(!place(n).isEmpty());
        }
        QCOMPARE(place(1).topLeft(), QPoint(body.left(), body.bottom() + 1 - place(1).height()));
        QCOMPARE(place(2).width(), body.width());
        QCOMPARE(place(3).right(), body.right());
    }

    void doneAppliesTheSelectionOrNothing()
    {
        const QRect before = place(1);
        chooser().Open(session_->mainWindow());
        chooser().doneButton()->click();
        QVERIFY(!chooser().isVisible());
        QCOMPARE(place(1), before);
        QVERIFY(chooser().lastWheelStyle().isEmpty());

        chooser().Open(session_->mainWindow());
        chooser().files()->setCurrentRow(chooser().files()->row(
            chooser().files()->findItems(QStringLiteral("Left.whl"), Qt::MatchExactly).at(0)));
        chooser().doneButton()->click();
        QCOMPARE(place(1).left(), 10);
    }

    // A style gone since the list was read is ignored.
    void vanishedFileIsIgnored()
    {
        chooser().Open(session_->mainWindow());
        QFile::remove(stylePath(QStringLiteral("Left.whl")));
        const QRect before = place(1);
        clickRow(QStringLiteral("Left.whl"));
        QCOMPARE(place(1), before);
        QVERIFY(chooser().lastWheelStyle().isEmpty());
        QVERIFY(fake_.dialogs.calls.isEmpty());
    }

    void chosenStyleSurvivesRestarts()
    {
        chooser().Choose(stylePath(QStringLiteral("Left.whl")));
        for (int run = 0; run < 2; ++run) {
            session_->Shutdown();
            start();
            QCOMPARE(place(1).left(), 10);
            QCOMPARE(chooser().lastWheelStyle(), stylePath(QStringLiteral("Left.whl")));
        }
        QCOMPARE(session_->CurrentExitSettings().GetSetting(QStringLiteral("lastwhl")),
                 stylePath(QStringLiteral("Left.whl")));
    }
};

QTEST_MAIN(WheelStyleChooserTest)
#include "wheel_style_chooser_test.moc"
