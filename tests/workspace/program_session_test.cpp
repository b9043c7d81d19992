// Start-up and shutdown of a whole session over a temporary data folder,
// with fake platform services.
#include "colorlist/history_window.h"
#include "support/fake_platform.h"
#include "workspace/editing_commands.h"
#include "workspace/main_color.h"
#include "workspace/main_window.h"
#include "workspace/program_session.h"

#include <QDir>
#include <QFile>
#include <QLabel>
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
        const QByteArray settings = read("set.set");
        QVERIFY(settings.startsWith("program=tessaro\r\nversion=1.5.3.41\r\nfirstrun=0\r\n1.left=159\r\n1.top=4\r\n"
                                    "listtype=1\r\nallowdup=1\r\nsampling=0\r\n"));
        QVERIFY(settings.endsWith("mixer.c3=clFuchsia\r\nmixer.c4=clBlue\r\n"));
        QCOMPARE(read("history.cl2"), QByteArray("255,128,0 - #FF8000\r\n"));

        // The next start is no first run: no association, the saved place.
        ProgramSession again(fake_.platform(), folders(), QStringLiteral("/opt/kt/kt-tessaro"));
        again.Start();
        QCOMPARE(fake_.shell.associations.size(), 1);
        QCOMPARE(again.mainWindow()->pos(), QPoint(159, 4));
        QCOMPARE(again.mainColor()->state().mainColor, MakeColor(255, 128, 0));
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

    // Each file that cannot be written is reported, the history first.
    void unwritableFilesAreReportedAndShutdownRunsOnce_data()
    {
        QTest::addColumn<QString>("folderInPlaceOf");  // empty: the whole data folder is gone
        QTest::addColumn<QStringList>("errors");
        QTest::newRow("history") << QStringLiteral("history.cl2")
                                 << QStringList{QStringLiteral("ERROR! Can not save history file!")};
        QTest::newRow("settings") << QStringLiteral("set.set")
                                  << QStringList{QStringLiteral("ERROR! Can not save settings file!")};
        QTest::newRow("both") << QString()
                              << QStringList{QStringLiteral("ERROR! Can not save history file!"),
                                             QStringLiteral("ERROR! Can not save settings file!")};
    }
    void unwritableFilesAreReportedAndShutdownRunsOnce()
    {
        QFETCH(QString, folderInPlaceOf);
        QFETCH(QStringList, errors);
        ProgramSession session(fake_.platform(), folders(), QStringLiteral("kt-tessaro"));
        QSignalSpy finished(&session, &ProgramSession::finished);
        session.Start();
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
};

QTEST_MAIN(ProgramSessionTest)
#include "program_session_test.moc"
