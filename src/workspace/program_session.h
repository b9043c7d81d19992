// One run of the program: start-up in its fixed order, the windows, and the
// shutdown that saves everything.
#pragma once

#include "platform/platform.h"
#include "workspace/data_folders.h"
#include "workspace/settings_store.h"

#include <QObject>
#include <QStringList>

#include <memory>

namespace tessaro::colorlist {
class HistoryWindow;
}

namespace tessaro::workspace {

class MainWindow;

class ProgramSession : public QObject {
    Q_OBJECT
public:
    // `executable` is the program's full path, registered for ".cll" files.
    ProgramSession(const platform::Platform& platform, const DataFolders& folders, const QString& executable);
    ~ProgramSession() override;

    // Runs the start-up: settings, window position, colour names, the
    // instance lock, the first-run actions, then the tool windows (the
    // history makes its newest step the main colour), then `ready`.
    void Start();
    // Saves the history and then the settings; runs once, whatever asks
    // for it first (the close button, the window manager, a signal).
    void Shutdown();

    MainWindow* mainWindow() const { return main_.get(); }
    colorlist::HistoryWindow* historyWindow() const { return history_.get(); }
    const SettingsStore& settings() const { return settings_; }
    // What the settings file will hold at shutdown, from the live windows.
    SettingsStore CurrentExitSettings() const;

    QString settingsPath() const { return folders_.dataFolder + QStringLiteral("set.set"); }
    QString historyPath() const { return folders_.dataFolder + QStringLiteral("history.cl2"); }

signals:
    // Shutdown has saved everything; the program may end.
    void finished();

private:
    platform::Platform platform_;
    DataFolders folders_;
    QString executable_;
    SettingsStore settings_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<colorlist::HistoryWindow> history_;
    bool shutDown_ = false;
};

} // namespace tessaro::workspace
