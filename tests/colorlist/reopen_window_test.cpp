// The Reopen window: its lines, opening a list with a click, removing lines.
#include "colorlist/color_list_commands.h"
#include "colorlist/reopen_window.h"
#include "support/fake_platform.h"
#include "state/main_color.h"

#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

using namespace tessaro;
using namespace tessaro::colorlist;

class ReopenWindowTest : public QObject {
    Q_OBJECT

private:
    platform::FakePlatform fake_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<workspace::MainColor> mainColor_;
    std::unique_ptr<ColorListCommands> list_;

    QString path(const char* name) const { return dir_->filePath(QString::fromLatin1(name)); }
    void write(const char* name, const QByteArray& bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QStringList texts(const ReopenWindow& window)
    {
        QStringList result;
        for (int i = 0; i < window.lines()->count(); ++i)
            result << window.lines()->item(i)->text();
        return result;
    }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        fake_.dialogs.calls.clear();
        fake_.dialogs.answers.clear();
        mainColor_ = std::make_unique<workspace::MainColor>();
        list_ = std::make_unique<ColorListCommands>(fake_.platform(), *mainColor_, "/opt/kt/CLLs/default.cll",
                                                    nullptr);
    }

    void linesAtStart_data()
    {
        QTest::addColumn<QStringList>("remembered");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("no current list: exactly the remembered files")
            << QStringList{"C:\\Documents\\Colors\\my.cll", "C:\\a\\my.cll"} << ""
            << QStringList{"C:\\..Colors\\my.cll", "C:\\a\\my.cll"};
        QTest::newRow("current list added")
            << QStringList{"/a/x.cll"} << "/home/user/lists/b.cll" << QStringList{"/a/x.cll", "/ho../lists/b.cll"};
        QTest::newRow("current list remembered in another case")
            << QStringList{"/A/X.CLL"} << "/a/x.cll" << QStringList{"/A/X.CLL"};
        QTest::newRow("default list not added") << QStringList{} << "/opt/kt/CLLs/default.cll" << QStringList{};
    }

    void linesAtStart()
    {
        QFETCH(QStringList, remembered);
        QFETCH(QString, current);
        QFETCH(QStringList, lines);
        for (const QString& file : remembered)
            list_->reopenList().RememberListFile(file);
        list_->model().setCurrentListPath(current);
        ReopenWindow window(fake_.platform(), *list_);
        QCOMPARE(texts(window), lines);
        QCOMPARE(list_->reopenList().paths().size(), lines.size());
    }

    void laterLinesShowTheFileName()
    {
        ReopenWindow window(fake_.platform(), *list_);
        list_->RememberListFile(QStringLiteral("/home/user/lists/saved.cll"));
        QCOMPARE(texts(window), QStringList{"saved.cll"});
    }

    void clickOpensTheLineAndRemovingKeepsLinesInStep()
    {
        write("a.cll", "#FF0000\r\n");
        write("b.cll", "#00FF00\r\n");
        list_->reopenList().RememberListFile(path("a.cll"));
        list_->reopenList().RememberListFile(path("gone.cll"));
        list_->reopenList().RememberListFile(path("b.cll"));
        ReopenWindow window(fake_.platform(), *list_);
        window.OpenLine(0);
        QCOMPARE(list_->model().list().entries(), QStringList{"#FF0000"});

        // The question stands over the Reopen window, which keeps the
        // keyboard afterwards.
        list_->model().setListChanged(true);
        bool askedOverReopen = false;
        fake_.dialogs.whileAsking = [&] { askedOverReopen = fake_.dialogs.isOpenOver(&window); };
        fake_.dialogs.answers = {platform::Answer::No};
        window.OpenLine(2);
        fake_.dialogs.whileAsking = nullptr;
        QCOMPARE(fake_.dialogs.calls.last().title, QStringLiteral("Load?"));
        QVERIFY(askedOverReopen);
        QCOMPARE(list_->model().list().entries(), QStringList{"#FF0000"});

        // A file that is gone is said to be gone, without the question; the
        // list, its file and its changed mark stay.
        fake_.dialogs.calls.clear();
        window.OpenLine(1);
        QCOMPARE(fake_.dialogs.calls.size(), 1);
        QCOMPARE(fake_.dialogs.calls.last().what, QStringLiteral("error"));
        QCOMPARE(fake_.dialogs.calls.last().text,
                 QStringLiteral("Can not open %1:\nThe file does not exist.").arg(path("gone.cll")));
        QCOMPARE(list_->model().list().entries(), QStringList{"#FF0000"});
        QCOMPARE(list_->model().currentListPath(), path("a.cll"));
        QVERIFY(list_->model().listChanged());
        list_->model().setListChanged(false);

        window.lines()->setCurrentRow(1);
        fake_.dialogs.answers = {platform::Answer::Yes};
        window.DeleteSelected();
        QCOMPARE(fake_.dialogs.calls.last().text,
                 QStringLiteral("Are you sure to remove selected shortcut?\r(This will not delete the original file.)"));
        QCOMPARE(list_->reopenList().paths(), QStringList({path("a.cll"), path("b.cll")}));
        window.OpenLine(1);
        QCOMPARE(list_->model().list().entries(), QStringList{"#00FF00"});

        fake_.dialogs.answers = {platform::Answer::No};
        window.ClearAll();
        QCOMPARE(window.lines()->count(), 2);
        fake_.dialogs.answers = {platform::Answer::Yes};
        window.ClearAll();
        QCOMPARE(window.lines()->count(), 0);
        QVERIFY(list_->reopenList().paths().isEmpty());
    }
};

QTEST_MAIN(ReopenWindowTest)
#include "reopen_window_test.moc"
