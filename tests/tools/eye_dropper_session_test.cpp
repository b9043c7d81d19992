// The eye dropper inside the program: F1 opens it, a pick becomes the main
// colour, joins the end of the list under the duplicate rule, is recorded
// in the history, and the close gives the main window back its opacity and
// stay-on-top state.
#include "colorlist/color_list_commands.h"
#include "support/fake_platform.h"
#include "tools/eye_dropper_window.h"
#include "state/main_color.h"
#include "workspace/main_window.h"
#include "workspace/program_session.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;

class EyeDropperSessionTest : public QObject {
    Q_OBJECT

private slots:
    void picksGoToMainColourListEndAndHistory()
    {
        QTemporaryDir dir;
        QDir(dir.path()).mkpath(QStringLiteral("TD"));
        const QString app = dir.path() + QLatin1Char('/');
        platform::FakePlatform fake;
        workspace::ProgramSession session(fake.platform(), {app, app + QStringLiteral("TD/"), app + QStringLiteral("CLLs/")},
                                          QStringLiteral("kt-tessaro"));
        session.Start();
        colorlist::ColorListModel& list = session.mainWindow()->colorList().model();
        list.setAllowDuplicates(false);
        list.add(MakeColor(1, 2, 3), colorlist::Placement::AtEnd);
        list.setListChanged(false);
        const int steps = session.mainColor()->history().rowCount();

        fake.screen.fill(MakeColor(255, 128, 0));
        QVERIFY(session.commands().run(controls::Command::EyeDropper));
        tools::EyeDropperWindow* dropper = session.eyeDropper();
        QVERIFY(dropper->isOpen());
        QTest::keyClick(dropper, Qt::Key_F3);
        QCOMPARE(session.mainColor()->current(), MakeColor(255, 128, 0));
        QCOMPARE(list.list().entries(), (QStringList{"#010203", "#FF8000"}));
        QVERIFY(list.listChanged());
        QCOMPARE(session.mainColor()->history().rowCount(), steps + 1);

        // The same colour again: the list refuses it, the history records it.
        QTest::keyClick(dropper, Qt::Key_F2);
        QCOMPARE(list.list().entries().size(), 2);
        QCOMPARE(session.mainColor()->history().rowCount(), steps + 2);
        QVERIFY(!dropper->isOpen());

        const auto& calls = fake.windows.calls;
        QVERIFY(std::any_of(calls.begin(), calls.end(), [&](const auto& c) {
            return c.what == QStringLiteral("setOpacity") && c.window == session.mainWindow() && c.value == 255;
        }));
        QCOMPARE(calls.last().what, QStringLiteral("setTopmost"));
        QCOMPARE(calls.last().value, 0);
    }
};

QTEST_MAIN(EyeDropperSessionTest)
#include "eye_dropper_session_test.moc"
