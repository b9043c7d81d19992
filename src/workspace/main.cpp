// The program's entry point.
#include "controls/title_glyphs.h"
#include "platform/font_config_preload.h"
#include "platform/qt_fonts.h"
#include "platform/qt_platform.h"
#include "platform/session_bus.h"
#include "platform/startup_heap.h"
#include "platform/wayland_session.h"
#include "tools/pick_mode.h"
#include "workspace/data_folders.h"
#include "workspace/prerendered_pictures.h"
#include "workspace/program_session.h"
#include "workspace/shutdown_signals.h"
#include "workspace/splash_window.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt needs a display; say how to get one instead of failing obscurely.
bool HasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Ends the run with `status` once everything is saved. Taking the windows
// down one by one would cost more than the whole shutdown, and Qt's Wayland
// platform can wait forever on its event thread while it goes, so the
// process ends here. Not while it holds the clipboard or the selection on
// X11: then the orderly ending lets Qt hand them to the desktop's clipboard
// keeper.
int EndRun(int status, tessaro::platform::QtPlatform& qtPlatform)
{
    if (tessaro::platform::OrderlyEndingHandsOverClipboard())
        return status;
    qtPlatform.platform().singleInstance->release();
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace

int main(int argc, char** argv)
{
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "kt-tessaro: no display found. Start it on a desktop, or headless under Xvfb:\n"
                     "    xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    tessaro::platform::FindSessionBusWithoutLauncher();
    // Room for what the start-up allocates, up to the first paint.
    tessaro::platform::StartupHeap startupHeap(1536 * 1024);
    const QString exeDir = tessaro::workspace::ExecutableDir();
    const tessaro::workspace::DataFolders folders = tessaro::workspace::ResolveDataFolders(
        exeDir, tessaro::workspace::InstalledDataDir(exeDir), tessaro::workspace::UserDataDir());
    tessaro::platform::FontConfigPreload fontConfig;
    const bool platformChosen = tessaro::platform::PreferXWaylandInWaylandSession();
    QApplication app(argc, argv);
    if (platformChosen)
        qunsetenv("QT_QPA_PLATFORM");
    // No display name: Qt would append it to every window title on X11,
    // and the windows and message boxes carry their own exact captions.
    QApplication::setApplicationName(QStringLiteral("KT Tessaro"));
    QApplication::setApplicationVersion(QStringLiteral(TESSARO_VERSION));
    QApplication::setFont(tessaro::platform::ProgramFont());
    // The title bars' buttons show their glyphs as drawn in this font when
    // the program was built, loading no font engine for them.
    tessaro::controls::SetTitleGlyphPictures(&tessaro::workspace::PrerenderedPicture,
                                             tessaro::controls::TitleGlyphFont(tessaro::platform::ProgramFont()));
    QApplication::setDesktopFileName(QStringLiteral("kt-tessaro"));
    // The program ends when its shutdown has saved, not when a window closes.
    QApplication::setQuitOnLastWindowClosed(false);

    tessaro::platform::QtPlatform qtPlatform;
    if (tessaro::tools::IsPickMode(QApplication::arguments()))
        return EndRun(tessaro::tools::RunPickMode(qtPlatform.platform(), folders.dataFolder + QStringLiteral("set.set")),
                      qtPlatform);
    // The splash stays while the windows are made, and half a second after.
    auto* splash = new tessaro::workspace::SplashWindow(qtPlatform.platform().appInfo);
    splash->showWhileStarting();
    fontConfig.wait();
    tessaro::workspace::ProgramSession session(qtPlatform.platform(), folders, QApplication::applicationFilePath());
    QObject::connect(&session, &tessaro::workspace::ProgramSession::finished, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    session.setArguments(QApplication::arguments());
    tessaro::workspace::ShutdownSignals endOfSession([&session] { session.Shutdown(); });
    session.Start();
    // A signal during start-up (while its error box was open) has saved and
    // ended the run already.
    if (endOfSession.received())
        return EndRun(0, qtPlatform);
    QTimer::singleShot(500, splash, [splash, &startupHeap] {
        splash->hide();
        splash->deleteLater();
        startupHeap.release();
    });
    return EndRun(app.exec(), qtPlatform);
}
