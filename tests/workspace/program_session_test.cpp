// Start-up and shutdown of a whole session over a temporary data folder,
// with fake platform services.
#include "colorlist/color_list_commands.h"
#include "colorlist/history_window.h"
#include "layouts/layout_editor.h"
#include "layouts/selection_frame.h"
#include "layouts/test_area_view.h"
#include "layouts/test_color_window.h"
#include "support/fake_platform.h"
#include "webpreview/web_preview_window.h"
#include "workspace/editing_commands.h"
#include "state/main_color.h"
#include "workspace/main_window.h"
#include "export/copy_center_window.h"
#include "tools/eye_dropper_window.h"
#include "tools/mixer_window.h"
#include "workspace/program_session.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::workspace;

class ProgramSessionTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    std::unique_ptr<QTemporaryDir> dir_;

    DataFolders folders() const
    {
        const QString app = dir_->path() + QLatin1Char('/');
        return {app, app + QStringLiteral("TD/"), app + QStringLiteral("CLLs/")};
    }
    QString dataFile(const char* name) const { return folders().dataFolder + QLatin1String(name); }
    void write(const char* name, const QByteArray& bytes)
    {
        QFile file(dataFile(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const char* name) const
    {
        QFile file(dataFile(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QDir(dir_->path()).mkpath(QStringLiteral("TD"));
        fake_.dialogs.calls.clear();
        fake_.shell.associations.clear();
    }

    void firstRunRegistersPlacesAndSavesEverything()
    {
        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("/opt/kt/kt-tessaro"));
            session.Start();
            QCOMPARE(fake_.shell.associations, QStringList{QStringLiteral("/opt/kt/kt-tessaro")});
            QCOMPARE(session.mainWindow()->pos(), QPoint(159, 4));  // the fake screen is 1024 x 768
            QCOMPARE(fake_.singleInstance.acquired, 1);
            QVERIFY(session.mainColor()->isReady());
            session.mainWindow()->commands().SetColorTo(MakeColor(255, 128, 0));
            session.mainWindow()->close();
        }
        // Tool windows never opened keep the first-run values they were given.
        const QByteArray settings = read("set.set");
        QVERIFY2(settings.startsWith("program=tessaro\r\nversion=1.5.3.41\r\nfirstrun=0\r\n1.left=159\r\n1.top=4\r\n"
                                     "listtype=1\r\nallowdup=1\r\nsampling=0\r\nsnaptogrid=0\r\nsnapsize=1\r\n"
                                     "showtext=1\r\ncopy.prew=0\r\nhist.autofade=1\r\n"),
                 settings.constData());
        QVERIFY(settings.endsWith("mixer.c3=clFuchsia\r\nmixer.c4=clBlue\r\n"));
        QCOMPARE(read("history.cl2"), QByteArray("255,128,0 - #FF8000\r\n"));

        // The next start is no first run: no association, the saved place.
        ProgramSession again(fake_.platform(), folders(), QStringLiteral("/opt/kt/kt-tessaro"));
        again.Start();
        QCOMPARE(fake_.shell.associations.size(), 1);
        QCOMPARE(again.mainWindow()->pos(), QPoint(159, 4));
        QCOMPARE(again.mainColor()->state().mainColor, MakeColor(255, 128, 0));
    }

    // No tool window is built at start-up; its command builds it, with the
    // settings read at start-up, and shows it.
    void toolWindowsAreBuiltOnFirstUse()
    {
        write("set.set", "program=tessaro\r\nfirstrun=0\r\nshp.left=20\r\nshp.top=30\r\nshowtext=0\r\n");
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        session.Start();
        QStringList built;
        for (const WindowEntry& entry : session.windows().entries())
            if (entry.build && entry.window)
                built << entry.name;
        QCOMPARE(built, QStringList());
        QVERIFY(session.commands().run(controls::Command::TestColor));
        QWidget* window = session.windows().find(QStringLiteral("testcolor"))->window;
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->pos(), QPoint(20, 30));
        QVERIFY(!session.testColorWindow()->showTexts());
        QCOMPARE(session.testColorWindow(), window);
    }

    // A run that opens no tool window writes back the settings file it was
    // given, byte for byte, odd values and all; an opened window writes its
    // own values.
    void aRunThatOpensNothingKeepsTheSettingsFile()
    {
        SettingsStore given;
        // The main window's own keys as it writes them; the tool windows' odd.
        for (const auto& [key, value] : {std::pair{"1.left", "512"}, {"1.top", "384"}, {"listtype", "1"},
                                         {"allowdup", "0"}, {"hist.autofade", "1"}, {"EyeTop", "5000"}, {"EyeLeft", "-3"}, {"zoom", "77"}, {"sampling", "0"},
                                         {"LastEyeCol", "clNoSuchColour"}, {"ShowGrid", "0"}, {"var.left", "x"},
                                         {"lastwhl", "/gone/style.whl"}, {"snapsize", "300"}, {"copy.prew", "1"},
                                         {"copy.left", "12"}, {"lastweb", "/gone/page.cls"}, {"shp.left", "1"},
                                         {"web.top", "99999"}, {"importallowdup", "1"}, {"mixer.a3", "250"},
                                         {"mixer.c4", "clRed"}})
            given.SetSetting(QString::fromLatin1(key), QString::fromLatin1(value));
        QVERIFY(SettingsStore::ExitSettings(given, {}).SaveSettings(dataFile("set.set")));
        const QByteArray before = read("set.set");
        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
            session.Start();
            session.mainWindow()->close();
        }
        QCOMPARE(read("set.set"), before);

        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
            session.Start();
            QVERIFY(session.eyeDropper());
            session.mainWindow()->close();
        }
        const QByteArray after = read("set.set");
        // The fake screen is 1024 x 768: a top beyond it comes back to half of it.
        QVERIFY2(after.contains("\r\nEyeTop=384\r\n"), after.constData());
        QVERIFY(after.contains("lastwhl=/gone/style.whl\r\n"));
    }

    // The mixer's messages about its stored settings come at start-up, not
    // when it is opened later.
    void mixerSettingsAreCheckedAtStart()
    {
        write("set.set", "program=tessaro\r\nfirstrun=0\r\nmixer.a1=0\r\nmixer.a2=0\r\nmixer.a3=0\r\nmixer.a4=0\r\n"
                         "mixer.c2=NotAColour\r\n");
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        session.Start();
        QStringList shown;
        for (const auto& call : fake_.dialogs.calls)
            shown << call.what + QLatin1Char(':') + call.text;
        QCOMPARE(shown, (QStringList{QStringLiteral("error:'NotAColour' is not a valid integer value"),
                                     QStringLiteral("notify:All color amounts are set to zero!")}));
        QVERIFY(session.commands().run(controls::Command::ColorMixer));
        QCOMPARE(fake_.dialogs.calls.size(), 2);
        QCOMPARE(session.mixerWindow()->amount(0), 0);
    }

    // The history file is written at exit only when the run changed it.
    void historyFileIsWrittenOnlyWhenChanged()
    {
        const QByteArray own("#0a0b0c\n#010203\n");
        write("history.cl2", own);
        const QDateTime old = QDateTime::currentDateTime().addDays(-1);
        {
            QFile file(dataFile("history.cl2"));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
        }
        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
            session.Start();
            session.mainWindow()->close();
        }
        QCOMPARE(read("history.cl2"), own);
        QCOMPARE(QFileInfo(dataFile("history.cl2")).lastModified(), old);
        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
            session.Start();
            session.mainWindow()->commands().SetColorTo(MakeColor(255, 128, 0));
            session.mainWindow()->close();
        }
        QCOMPARE(read("history.cl2"), QByteArray("10,11,12 - #0A0B0C\r\n1,2,3 - #010203\r\n255,128,0 - #FF8000\r\n"));
    }

    void historyFileWithABadLineKeepsEveryGoodLine()
    {
        const QByteArray damaged("0,0,0 - #000000\r\nxyz\r\n1,2,3 - #010203\r\n#GG0000\r\n9,9,9 - #090909\r\n");
        write("history.cl2", damaged);
        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
            session.Start();
            QCOMPARE(session.historyWindow()->log().count(), 3);
            QCOMPARE(session.mainColor()->state().mainColor, MakeColor(9, 9, 9));
            QCOMPARE(fake_.dialogs.calls.size(), 1);
            QCOMPARE(fake_.dialogs.calls[0].what, QStringLiteral("error"));
            QCOMPARE(fake_.dialogs.calls[0].text, QStringLiteral("'GG0000' is not a valid integer value"));
            session.Shutdown();
        }
        QCOMPARE(read("history.cl2"), QByteArray("0,0,0 - #000000\r\n1,2,3 - #010203\r\n9,9,9 - #090909\r\n"));
        QCOMPARE(read("history.cl2.bak"), damaged);
        QCOMPARE(fake_.dialogs.calls.size(), 1);
    }

    void startUpColourIsNamedFromTheList()
    {
        write("colors.txt", "#010203=Deep Night\r\n");
        write("history.cl2", "0,0,0 - #000000\r\n1,2,3 - #010203\r\n");
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        session.Start();
        QCOMPARE(session.mainColor()->state().palette.colorName, std::string("Deep Night"));
        QCOMPARE(session.mainWindow()->findChild<QLabel*>(QStringLiteral("clrnamed"))->text(),
                 QStringLiteral("Deep Night"));
    }

    void settingsReadAtStartReachTheWindows()
    {
        write("set.set", "program=tessaro\r\nfirstrun=0\r\n1.left=5000\r\n1.top=7\r\nhist.autofade=0\r\n");
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        session.Start();
        QCOMPARE(session.mainWindow()->pos(), QPoint(512, 7));
        QVERIFY(!session.historyWindow()->autoClose());
        QVERIFY(fake_.shell.associations.isEmpty());
        QCOMPARE(session.CurrentExitSettings().GetSetting(QStringLiteral("hist.autofade")), QStringLiteral("0"));
    }

    void testColorWindowPlaceAndChecks_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QPoint>("place");
        QTest::addColumn<bool>("showTexts");
        QTest::addColumn<QByteArray>("written");
        // The fake screen is 1024 x 768: a first run's place (432, 290) is
        // pulled left until the 619-pixel window lies whole on the screen.
        QTest::newRow("first run") << QByteArray() << QPoint(405, 290) << true
                                   << QByteArray("shp.left=405\r\nshp.top=290\r\n");
        QTest::newRow("saved place and check")
            << QByteArray("program=tessaro\r\nfirstrun=0\r\nshp.left=20\r\nshp.top=30\r\nshowtext=0\r\n")
            << QPoint(20, 30) << false << QByteArray("shp.left=20\r\nshp.top=30\r\n");
        QTest::newRow("first run wins over a saved place")
            << QByteArray("program=tessaro\r\nshp.left=20\r\nshp.top=30\r\nshowtext=1\r\n") << QPoint(405, 290)
            << true << QByteArray("shp.left=405\r\nshp.top=290\r\n");
    }
    void testColorWindowPlaceAndChecks()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QPoint, place);
        QFETCH(bool, showTexts);
        QFETCH(QByteArray, written);
        if (!settings.isEmpty())
            write("set.set", settings);
        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
            session.Start();
            layouts::TestColorWindow* window = session.testColorWindow();
            QVERIFY(!window->isVisible());
            QCOMPARE(window->pos(), place);
            QCOMPARE(window->showTexts(), showTexts);
            QVERIFY(session.commands().run(controls::Command::TestColor));
            QVERIFY(window->isVisible());
            session.Shutdown();
        }
        const QByteArray saved = read("set.set");
        QVERIFY2(saved.contains(written), saved.constData());
        QVERIFY(saved.contains(showTexts ? "showtext=1\r\n" : "showtext=0\r\n"));
    }

    // The web preview: the sample beside the program and the first-run place,
    // then the last layout and the saved place; F8 shows it.
    void webPreviewLayoutAndPlace()
    {
        QFile sample(dir_->filePath(QStringLiteral("Sample 1.cls")));
        QVERIFY(sample.open(QIODevice::WriteOnly));
        sample.write("header.text=Sample\r\n");
        sample.close();
        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
            session.Start();
            webpreview::WebPreviewWindow* web = session.webPreviewWindow();
            // The fake screen is 1024 x 768: the first run's place (5, 404),
            // raised until the window's bottom is on the screen.
            QCOMPARE(web->pos(), QPoint(5, 371));
            QCOMPARE(web->layout().Text(webpreview::WebText::Header).string, std::string("Sample"));
            QVERIFY(!web->isVisible());
            QVERIFY(session.commands().run(controls::Command::WebPreview));
            QVERIFY(web->isVisible());
            const SettingsStore exit = session.CurrentExitSettings();
            QCOMPARE(exit.GetSetting(QStringLiteral("lastweb")), QString());
            QCOMPARE(exit.GetSetting(QStringLiteral("web.left")), QStringLiteral("5"));
            QVERIFY(web->SaveLayoutFile(dataFile("mine.cls")));
            session.Shutdown();
        }
        QVERIFY(read("set.set").contains("\r\nlastweb=" + dataFile("mine.cls").toUtf8() + "\r\n"));

        write("set.set", "program=tessaro\r\nfirstrun=0\r\nweb.left=30\r\nweb.top=40\r\nlastweb=" +
                             dataFile("mine.cls").toUtf8() + "\r\n");
        write("mine.cls", "header.text=Mine\r\n");
        ProgramSession again(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        again.Start();
        QCOMPARE(again.webPreviewWindow()->pos(), QPoint(30, 40));
        QCOMPARE(again.webPreviewWindow()->layout().Text(webpreview::WebText::Header).string, std::string("Mine"));
        QCOMPARE(again.CurrentExitSettings().GetSetting(QStringLiteral("lastweb")), dataFile("mine.cls"));
    }

    void layoutEditorGridKeys()
    {
        // The size goes into its box first, then the tick sets the grid to 8.
        write("set.set", "program=tessaro\r\nfirstrun=0\r\nsnapsize=12\r\nsnaptogrid=1\r\n");
        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
            session.Start();
            layouts::TestColorWindow* window = session.testColorWindow();
            QCOMPARE(window->editor()->gridSize()->text(), QStringLiteral("12"));
            QVERIFY(window->editor()->snapToGrid()->isChecked());
            QCOMPARE(window->selectionFrame()->grid(), 8);
            window->editor()->snapToGrid()->setChecked(false);
            session.Shutdown();
        }
        const QByteArray saved = read("set.set");
        QVERIFY2(saved.contains("snaptogrid=0\r\nsnapsize=1\r\nshowtext="), saved.constData());
    }

    // Each file that cannot be written is reported, in the order they are
    // saved: the import window's found colours, the history, the settings.
    void unwritableFilesAreReportedAndShutdownRunsOnce_data()
    {
        QTest::addColumn<QString>("folderInPlaceOf");  // empty: the whole data folder is gone
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("imported colors") << QStringLiteral("lastimported.txt")
                                         << QStringList{QStringLiteral("ERROR! Can not save imported colors file!")};
        QTest::newRow("history") << QStringLiteral("history.cl2")
                                 << QStringList{QStringLiteral("ERROR! Can not save history file!")};
        QTest::newRow("settings") << QStringLiteral("set.set")
                                  << QStringList{QStringLiteral("ERROR! Can not save settings file!")};
        QTest::newRow("all") << QString()
                             << QStringList{QStringLiteral("ERROR! Can not save imported colors file!"),
                                            QStringLiteral("ERROR! Can not save history file!"),
                                            QStringLiteral("ERROR! Can not save settings file!")};
    }
    void unwritableFilesAreReportedAndShutdownRunsOnce()
    {
        QFETCH(QString, folderInPlaceOf);
        QFETCH(QStringList, errors);
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        QSignalSpy finished(&session, &ProgramSession::finished);
        session.Start();
        // A step, so that the history has something to write.
        session.mainWindow()->commands().SetColorTo(MakeColor(1, 2, 3));
        if (folderInPlaceOf.isEmpty())
            QVERIFY(QDir(folders().dataFolder).removeRecursively());
        else
            QVERIFY(QDir(folders().dataFolder).mkdir(folderInPlaceOf));
        session.Shutdown();
        session.mainWindow()->close();
        QCOMPARE(finished.count(), 1);
        QStringList shown;
        for (const auto& call : fake_.dialogs.calls) {
            QCOMPARE(call.what, QStringLiteral("error"));
            QCOMPARE(call.title, QStringLiteral("KT Tessaro"));
            shown << call.text;
        }
        QCOMPARE(shown, errors);
    }

    QString listFile(const char* name) const { return folders().listFolder + QLatin1String(name); }
    void writeList(const char* name, const QByteArray& bytes)
    {
        QDir(dir_->path()).mkpath(QStringLiteral("CLLs"));
        QFile file(listFile(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QStringList entriesOf(ProgramSession& session)
    {
        return session.mainWindow()->colorList().model().list().entries();
    }

    void firstListComesFromLastDefaultOrCommandLine_data()
    {
        QTest::addColumn<QString>("lastcll");       // a name under CLLs/, or empty
        QTest::addColumn<QString>("argument");      // a name under CLLs/, or empty
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QString>("current");       // a name under CLLs/, or empty
        QTest::newRow("last list") << "mine.cll" << "" << QStringList{"#FF8000"} << "mine.cll";
        QTest::newRow("deleted last list starts empty") << "gone.cll" << "" << QStringList{} << "";
        QTest::newRow("default list without a last one") << "" << "" << QStringList{"#000000"} << "default.cll";
        QTest::newRow("command line wins") << "mine.cll" << "other.cll" << QStringList{"#FFFFFF"} << "other.cll";
        QTest::newRow("command line naming no file") << "mine.cll" << "nothing.cll" << QStringList{"#FF8000"}
                                                     << "mine.cll";
    }

    void firstListComesFromLastDefaultOrCommandLine()
    {
        QFETCH(QString, lastcll);
        QFETCH(QString, argument);
        QFETCH(QStringList, entries);
        QFETCH(QString, current);
        writeList("mine.cll", "#FF8000\r\n");
        writeList("default.cll", "#000000\r\n");
        writeList("other.cll", "#FFFFFF\r\n");
        QByteArray settings = "program=tessaro\r\nfirstrun=0\r\n";
        if (!lastcll.isEmpty())
            settings += "lastcll=" + listFile(lastcll.toLatin1().constData()).toUtf8() + "\r\n";
        write("set.set", settings);
        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("/opt/kt/kt-tessaro"));
            if (!argument.isEmpty())
                session.setArguments({QStringLiteral("kt-tessaro"), listFile(argument.toLatin1().constData())});
            session.Start();
            QCOMPARE(entriesOf(session), entries);
            const QString expected = current.isEmpty() ? QString() : listFile(current.toLatin1().constData());
            QCOMPARE(session.mainWindow()->colorList().model().currentListPath(), expected);
            QVERIFY(!session.mainWindow()->colorList().model().listChanged());
            QVERIFY(fake_.dialogs.calls.isEmpty());
            session.mainWindow()->close();
        }
        const QByteArray saved = read("set.set");
        if (current.isEmpty())
            QVERIFY(!saved.contains("lastcll="));
        else
            QVERIFY(saved.contains("lastcll=" + listFile(current.toLatin1().constData()).toUtf8() + "\r\n"));
    }

    void reopenListIsReadAndWritten()
    {
        write("colorlist.cl1", "/x/a.cll\r\n/y/b.cll\r\n");
        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("/opt/kt/kt-tessaro"));
            session.Start();
            QCOMPARE(session.mainWindow()->colorList().reopenList().paths(),
                     QStringList({"/x/a.cll", "/y/b.cll"}));
            session.mainWindow()->colorList().RememberListFile(QStringLiteral("/z/c.cll"));
            session.mainWindow()->close();
        }
        QCOMPARE(read("colorlist.cl1"), QByteArray("/x/a.cll\r\n/y/b.cll\r\n/z/c.cll\r\n"));
    }

    void closeQuestionCancelKeepsTheProgramRunning()
    {
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("/opt/kt/kt-tessaro"));
        QSignalSpy finished(&session, &ProgramSession::finished);
        session.Start();
        // Ctrl+A: the main colour joins the list and the history.
        const int steps = session.mainColor()->history().rowCount();
        QVERIFY(session.commands().run(controls::Command::AddMainColor));
        QCOMPARE(entriesOf(session), QStringList{"#7FD46E"});
        QCOMPARE(session.mainColor()->history().rowCount(), steps + 1);
        fake_.dialogs.answers = {platform::Answer::Cancel};
        QVERIFY(!session.mainWindow()->close());
        QCOMPARE(finished.count(), 0);
        QCOMPARE(fake_.dialogs.calls.last().title, QStringLiteral("Save?"));
        fake_.dialogs.answers = {platform::Answer::No};
        QVERIFY(session.mainWindow()->close());
        QCOMPARE(finished.count(), 1);
        QVERIFY(!QFile::exists(listFile("default.cll")));
    }

    // A layout moved in the editor: closing the program asks as "Quit
    // Editing Mode" does, and Cancel keeps it running; a signal never asks.
    void closingWithAnEditedLayoutAsksFirst()
    {
        QDir(dir_->path()).mkpath(QStringLiteral("TLs"));
        QFile layout(dir_->path() + QStringLiteral("/TLs/Demo Layout 1.sts"));
        QVERIFY(layout.open(QIODevice::WriteOnly));
        layout.write("title=One\r\ns1.left=16\r\ns1.top=24\r\ns1.width=25\r\ns1.height=25\r\ns1.visible=1\r\n");
        layout.close();
        const auto editedSession = [](ProgramSession& session) {
            session.Start();
            layouts::TestColorWindow* window = session.testColorWindow();
            window->SelectLayout(0);
            window->EnterEditMode();
            emit window->view()->released({layouts::HitTarget::What::Object, layouts::ObjectKind::Shape, 1});
            window->selectionFrame()->MoveBy(1, 0);
            QVERIFY(window->layoutChanged());
        };
        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("/opt/kt/kt-tessaro"));
            QSignalSpy finished(&session, &ProgramSession::finished);
            editedSession(session);
            fake_.dialogs.calls.clear();
            fake_.dialogs.answers = {platform::Answer::Cancel};
            QVERIFY(!session.mainWindow()->close());
            QCOMPARE(finished.count(), 0);
            QCOMPARE(fake_.dialogs.calls.size(), 1);
            QCOMPARE(fake_.dialogs.calls[0].text, QStringLiteral("The layout has been changed. Do you want to save it?"));
            QVERIFY(session.testColorWindow()->editMode());
            QCOMPARE(session.testColorWindow()->area().shapes[0].left, 17);
            fake_.dialogs.answers = {platform::Answer::No};
            QVERIFY(session.mainWindow()->close());
            QCOMPARE(finished.count(), 1);
        }
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("/opt/kt/kt-tessaro"));
        QSignalSpy finished(&session, &ProgramSession::finished);
        editedSession(session);
        fake_.dialogs.calls.clear();
        session.Shutdown();
        QCOMPARE(finished.count(), 1);
        QVERIFY(fake_.dialogs.calls.isEmpty());
    }

    void pasteAddsEveryFoundColourToTheList()
    {
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("/opt/kt/kt-tessaro"));
        session.Start();
        fake_.clipboard.content = QStringLiteral("color: #112233; background: #445566");
        QVERIFY(session.commands().run(controls::Command::Paste));
        // Each lands at the insert point, 0 after start: the last one on top.
        QCOMPARE(entriesOf(session), QStringList({"#445566", "#112233"}));
        QVERIFY(session.mainWindow()->colorList().model().listChanged());
        QCOMPARE(session.mainColor()->current(), MakeColor(0x44, 0x55, 0x66));
        fake_.dialogs.answers = {platform::Answer::No};
        session.mainWindow()->close();
    }

    void signalKeepsUnsavedListForTheNextStart()
    {
        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("/opt/kt/kt-tessaro"));
            session.Start();
            QVERIFY(session.commands().run(controls::Command::AddMainColor));
            // As SIGTERM at logout does: no question, nothing saved over.
            session.Shutdown();
            QVERIFY(fake_.dialogs.calls.isEmpty());
        }
        QVERIFY(QFile::exists(dataFile("colorlist.recover")));
        fake_.dialogs.answers = {platform::Answer::Yes};
        ProgramSession again(fake_.platform(), folders(), QStringLiteral("/opt/kt/kt-tessaro"));
        again.Start();
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QCOMPARE(fake_.dialogs.calls[0].title, QStringLiteral("Restore?"));
        QCOMPARE(entriesOf(again), QStringList{"#7FD46E"});
        QVERIFY(again.mainWindow()->colorList().model().listChanged());
        QVERIFY(!QFile::exists(dataFile("colorlist.recover")));
        fake_.dialogs.answers = {platform::Answer::No};
        again.mainWindow()->close();
    }

    // A crash ends the run without any shutdown: the change made a moment
    // before it is still offered at the next start. After the close
    // question the file is gone.
    void crashKeepsUnsavedListForTheNextStart()
    {
        {
            ProgramSession session(fake_.platform(), folders(), QStringLiteral("/opt/kt/kt-tessaro"));
            session.Start();
            QVERIFY(session.commands().run(controls::Command::AddMainColor));
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dataFile("colorlist.recover")), 10000);
            // The session goes without Shutdown, as a killed process does.
        }
        fake_.dialogs.answers = {platform::Answer::Yes};
        ProgramSession again(fake_.platform(), folders(), QStringLiteral("/opt/kt/kt-tessaro"));
        again.Start();
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QCOMPARE(fake_.dialogs.calls[0].title, QStringLiteral("Restore?"));
        QCOMPARE(entriesOf(again), QStringList{"#7FD46E"});
        // Restored and still unsaved: kept current again.
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dataFile("colorlist.recover")), 10000);
        fake_.dialogs.answers = {platform::Answer::No};
        QVERIFY(again.mainWindow()->close());
        QVERIFY(!QFile::exists(dataFile("colorlist.recover")));
    }

    // The Copy/Export Center: its place and preview from the settings, F5
    // opens it, and its keys go back at shutdown.
    void copyCenterSettingsAndF5()
    {
        write("set.set", "program=tessaro\r\nfirstrun=0\r\ncopy.prew=1\r\ncopy.left=30\r\ncopy.top=40\r\n");
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        session.Start();
        exporting::CopyCenterWindow* center = session.copyCenterWindow();
        QVERIFY(center->isPreviewShown());
        QCOMPARE(center->height(), exporting::CopyCenterWindow::kHeightWithPreview);
        QCOMPARE(center->pos(), QPoint(30, 40));
        QVERIFY(session.commands().run(controls::Command::CopyCenter));
        QTRY_VERIFY(center->isVisible());
        center->setPreviewShown(false);
        const SettingsStore exit = session.CurrentExitSettings();
        QCOMPARE(exit.GetSetting(QStringLiteral("copy.prew")), QStringLiteral("0"));
        QCOMPARE(exit.GetSetting(QStringLiteral("copy.left")), QStringLiteral("30"));
    }

    void copyCenterStartsWithoutPreview()
    {
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        session.Start();
        QCOMPARE(session.copyCenterWindow()->height(), exporting::CopyCenterWindow::kHeightWithoutPreview);
        QCOMPARE(session.CurrentExitSettings().GetSetting(QStringLiteral("copy.prew")), QStringLiteral("0"));
    }
};

QTEST_MAIN(ProgramSessionTest)
#include "program_session_test.moc"
