// Build tool: the manual's screenshots, made by rendering the program's
// windows offscreen, so the pictures always show the program as it is.
//   tessaro-manual-shots OUTDIR
// Starts a whole session over an empty temporary data folder, shows every
// registered window in turn and saves it as OUTDIR/<window name>.png.
#include "platform/qt_platform.h"
#include "workspace/about_window.h"
#include "workspace/main_window.h"
#include "workspace/program_session.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char** argv)
{
    // Offscreen and nothing of the user's desktop touched.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    // The program's own face, as the running program shows it.
    QApplication::setFont(tessaro::platform::ProgramFont());
    if (QApplication::arguments().size() != 2 || !home.isValid()) {
        std::fprintf(stderr, "usage: tessaro-manual-shots OUTDIR\n");
        return 2;
    }
    const QString out = QApplication::arguments().at(1) + QLatin1Char('/');
    QDir().mkpath(out);

    QTemporaryDir data;
    for (const char* folder : {"TD", "TLs", "CWSs", "CLLs", "help"})
        QDir(data.path()).mkpath(QLatin1String(folder));
    const QString appDir = data.path() + QLatin1Char('/');
    QFile settings(appDir + QStringLiteral("TD/set.set"));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("program=tessaro\r\nfirstrun=0\r\n") < 0)
        return 1;
    settings.close();

    tessaro::platform::QtPlatform qtPlatform;
    tessaro::workspace::ProgramSession session(
        qtPlatform.platform(), {appDir, appDir + QStringLiteral("TD/"), appDir + QStringLiteral("CLLs/")},
        QStringLiteral("kt-tessaro"));
    session.Start();
    int failures = 0;
    // Tool windows are built on their first use: asking the registry for
    // each by name builds it.
    tessaro::workspace::WindowRegistry& windows = session.windows();
    QStringList names;
    for (const tessaro::workspace::WindowEntry& entry : windows.entries())
        names.append(entry.name);
    for (const QString& name : names) {
        QWidget* window = windows.window(name);
        if (!window || !window->isWindow())
            continue;
        window->show();
        QApplication::processEvents();
        if (!window->grab().save(out + name + QStringLiteral(".png"), "PNG"))
            ++failures;
        if (window != session.mainWindow())
            window->hide();
    }
    session.mainWindow()->setEnding();
    return failures == 0 ? 0 : 1;
}
