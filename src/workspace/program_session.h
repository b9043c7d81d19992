// One run of the program: start-up in its fixed order, the windows, and the
// shutdown that saves everything.
#pragma once

#include "controls/shortcuts.h"
#include "engine/color.h"
#include "platform/platform.h"
#include "workspace/data_folders.h"
#include "state/settings_store.h"
#include "workspace/window_registry.h"

#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

namespace tessaro::colorlist {
class HistoryWindow;
class ListRecoveryWriter;
class ReopenWindow;
}

namespace tessaro::exporting {
class CopyCenterWindow;
}

namespace tessaro::tools {
class ImportWindow;
class MixerWindow;
}

namespace tessaro::layouts {
class TestColorWindow;
}

namespace tessaro::webpreview {
class WebPreviewWindow;
struct StartLayout;
}

namespace tessaro::tools {
class EyeDropperWindow;
class QuickPaletteWindow;
class ScalesWindow;
class VariationsWindow;
}

namespace tessaro::workspace {

class AboutWindow;
class MainColor;
class MainWindow;
class WheelStyleChooser;

class ProgramSession : public QObject {
    Q_OBJECT
public:
    // `executable` is the program's full path, registered for ".cll" files.
    ProgramSession(const platform::Platform& platform, const DataFolders& folders, const QString& executable);
    ~ProgramSession() override;

    // The program's command line (the program itself first); a first
    // argument naming an existing file is opened as the colour list.
    void setArguments(const QStringList& arguments) { arguments_ = arguments; }

    // Runs the start-up: settings, the main window and its position, colour
    // names, the instance lock, the first-run actions, `ready`, then the
    // tool windows in their order (the history makes its newest step the
    // main colour). Most tool windows are only registered: each is built
    // on its first use, and what it must do at start-up is done here from
    // its settings and files.
    void Start();
    // Saves the history and then the settings; runs once, whatever asks
    // for it first (the close button, the window manager, a signal).
    void Shutdown();

    MainColor* mainColor() const { return mainColor_.get(); }
    MainWindow* mainWindow() const { return main_.get(); }
    colorlist::HistoryWindow* historyWindow() const { return history_.get(); }
    colorlist::ReopenWindow* reopenWindow() const { return reopen_.get(); }
    // The tool windows built on first use: each is built when asked for.
    WheelStyleChooser* wheelStyleChooser();
    exporting::CopyCenterWindow* copyCenterWindow();
    tools::ImportWindow* importWindow();
    tools::MixerWindow* mixerWindow();
    layouts::TestColorWindow* testColorWindow();
    webpreview::WebPreviewWindow* webPreviewWindow();
    tools::EyeDropperWindow* eyeDropper();
    tools::QuickPaletteWindow* quickPalette();
    tools::VariationsWindow* variations();
    tools::ScalesWindow* scales();
    AboutWindow* aboutWindow();
    WindowRegistry& windows() { return registry_; }
    const WindowRegistry& windows() const { return registry_; }
    controls::CommandHandlers& commands() { return commands_; }
    const SettingsStore& settings() const { return settings_; }
    // What the settings file will hold at shutdown, from the live windows.
    SettingsStore CurrentExitSettings() const;

    QString settingsPath() const { return folders_.dataFolder + QStringLiteral("set.set"); }
    QString historyPath() const { return folders_.historyFile(); }
    QString reopenListPath() const { return folders_.dataFolder + QStringLiteral("colorlist.cl1"); }
    QString listRecoveryPath() const { return folders_.dataFolder + QStringLiteral("colorlist.recover"); }
    QString lastImportedPath() const { return folders_.dataFolder + QStringLiteral("lastimported.txt"); }
    QString helpPath() const { return folders_.appDir + QStringLiteral("help/index.htm"); }
    QString defaultListPath() const { return folders_.listFolder + QStringLiteral("default.cll"); }

signals:
    // Shutdown has saved everything; the program may end.
    void finished();

private:
    void createMainWindow();
    void createHistoryWindow();
    // Loads the history file into the History window; its newest colour.
    std::optional<TColor> loadHistory();
    void createColorList();
    void createReopenWindow();
    void createWheelStyleChooser();
    void createCopyCenterWindow();
    void createImportWindow();
    void createMixerWindow();
    void createScalesWindow();
    void openCommandLineList();
    void offerListRecovery();
    void createTestColorWindow();
    void createWebPreviewWindow();
    void createEyeDropperWindow();
    // PickColor: the picked colour becomes the main colour, joins the end
    // of the colour list and is recorded in the history.
    void TakePickedColor(TColor color);
    void createQuickPaletteWindow();
    void createVariationsWindow();
    void createAboutWindow();
    void createHelpCommand();

    platform::Platform platform_;
    DataFolders folders_;
    QString executable_;
    QStringList arguments_;
    SettingsStore settings_;
    controls::CommandHandlers commands_;
    WindowRegistry registry_{commands_, settings_};
    std::unique_ptr<MainColor> mainColor_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<colorlist::ListRecoveryWriter> listRecovery_;
    std::unique_ptr<colorlist::ReopenWindow> reopen_;
    std::unique_ptr<WheelStyleChooser> wheelStyles_;
    std::unique_ptr<colorlist::HistoryWindow> history_;
    std::unique_ptr<exporting::CopyCenterWindow> copyCenter_;
    std::unique_ptr<tools::ImportWindow> import_;
    std::unique_ptr<tools::MixerWindow> mixer_;
    std::unique_ptr<layouts::TestColorWindow> testColor_;
    std::unique_ptr<webpreview::WebPreviewWindow> webPreview_;
    std::unique_ptr<AboutWindow> about_;
    bool shutDown_ = false;
    std::unique_ptr<tools::EyeDropperWindow> eyeDropper_;
    std::unique_ptr<tools::QuickPaletteWindow> quickPalette_;
    std::unique_ptr<tools::VariationsWindow> variations_;
    std::unique_ptr<tools::ScalesWindow> scales_;
    // What the chooser and the Web Preview took at start-up, for when they
    // are built.
    QString rememberedWheelStyle_;
    std::unique_ptr<webpreview::StartLayout> webStartLayout_;
};

} // namespace tessaro::workspace
