#include "workspace/program_session.h"

#include "colorlist/color_list_commands.h"
#include "colorlist/color_list_panel.h"
#include "colorlist/color_list_recovery.h"
#include "colorlist/history_window.h"
#include "colorlist/reopen_window.h"
#include "workspace/about_window.h"
#include "workspace/main_color.h"
#include "workspace/main_window.h"
#include "workspace/window_placement.h"

#include <QFile>
#include <QFileInfo>

namespace tessaro::workspace {

ProgramSession::ProgramSession(const platform::Platform& platform, const DataFolders& folders,
                               const QString& executable)
    : platform_(platform), folders_(folders), executable_(executable)
{
}

ProgramSession::~ProgramSession()
{
    // The windows go before the colour they show.
    about_.reset();
    history_.reset();
    reopen_.reset();
    main_.reset();
}

void ProgramSession::Start()
{
    settings_ = SettingsStore::LoadSettings(settingsPath());
    mainColor_ = std::make_unique<MainColor>();
    createMainWindow();
    mainColor_->LoadColorNames(folders_.dataFolder + QStringLiteral("colors.txt"));
    createColorList();
    platform_.singleInstance->acquire();
    if (settings_.isFirstRun())
        platform_.shell->registerListFileAssociation(executable_);
    openCommandLineList();
    offerListRecovery();
    mainColor_->SetReady();

    createReopenWindow();
    createHistoryWindow();
    if (const std::optional<TColor> newest = history_->LoadHistoryFile(historyPath()))
        mainColor_->set(*newest);
    // A signal while the history's error box was open has ended the run.
    if (shutDown_)
        return;

    createAboutWindow();
    createHelpCommand();

    main_->show();
    history_->setDockingEnabled(true);
    reopen_->setDockingEnabled(true);
}

void ProgramSession::createMainWindow()
{
    main_ = std::make_unique<MainWindow>(platform_, *mainColor_, commands_);
    connect(main_.get(), &MainWindow::closing, this, &ProgramSession::Shutdown);
    WindowEntry entry;
    entry.name = QStringLiteral("main");
    entry.window = main_.get();
    entry.keys = controls::KeysOf(controls::KeyWindow::Main);
    // The saved place, or on a first run the place for the screen's size.
    entry.readSettings = [this](const SettingsStore& s) {
        main_->move(MainWindowPosition(s, platform_.screen->size(), s.isFirstRun()));
        // Pulled back when the place leaves no title bar to grab.
        main_->move(KeepTitleBarOnScreen(main_->pos(), main_->size(), MainWindow::kTitleHeight,
                                         platform_.screen->windowAreas()));
    };
    entry.writeSettings = [this](LiveSettings& live) {
        live.insert(Setting::MainLeft, QString::number(main_->x()));
        live.insert(Setting::MainTop, QString::number(main_->y()));
    };
    registry_.add(std::move(entry), settings_);
}

// The colour list's settings, its reopen list and its first list: the
// last one, or else the default list.
void ProgramSession::createColorList()
{
    colorlist::ColorListCommands& list = main_->colorList();
    list.setDefaultListPath(defaultListPath());
    WindowEntry entry;
    entry.name = QStringLiteral("colorlist");
    entry.window = main_->colorListPanel();
    entry.readSettings = [this, &list](const SettingsStore& s) {
        colorlist::ColorListPanel* panel = main_->colorListPanel();
        panel->setAllowDuplicates(s.GetSetting(Setting::AllowDuplicates) == QStringLiteral("1"));
        if (const int style = s.ReadInt(Setting::ListType, 1); style >= 1 && style <= 3)
            panel->setListStyle(colorlist::ListStyle(style));
        list.reopenList().Load(reopenListPath());
        const QString last = s.GetSetting(Setting::LastList);
        if (!last.isEmpty()) {
            if (QFileInfo::exists(last))
                list.OpenListFile(last);
            else
                list.model().newList();
        } else if (QFileInfo::exists(defaultListPath())) {
            list.OpenListFile(defaultListPath());
        }
        list.model().setListChanged(false);
    };
    entry.writeSettings = [this, &list](LiveSettings& live) {
        live.insert(Setting::LastList, list.model().currentListPath());
        live.insert(Setting::AllowDuplicates, list.model().allowDuplicates() ? QStringLiteral("1") : QStringLiteral("0"));
        live.insert(Setting::ListType, QString::number(int(main_->colorListPanel()->listStyle())));
    };
    registry_.add(std::move(entry), settings_);
}

// A list file named on the command line (how a file opened from the
// desktop arrives).
void ProgramSession::openCommandLineList()
{
    if (arguments_.size() < 2 || !QFileInfo(arguments_.at(1)).isFile())
        return;
    main_->colorList().OpenListFileAsking(arguments_.at(1), QStringLiteral("Load?"),
                                          QStringLiteral("Are you sure to load a color list?"));
}

void ProgramSession::RunCommandLineActions()
{
    if (arguments_.mid(1).contains(QStringLiteral("--pick")))
        commands_.run(controls::Command::EyeDropper);
}

void ProgramSession::createReopenWindow()
{
    reopen_ = std::make_unique<colorlist::ReopenWindow>(platform_, main_->colorList());
    reopen_->setDockAnchor(main_.get(), controls::ToolWindow::DockSide::Right);
    main_->addSideWindow(reopen_.get());
    WindowEntry entry;
    entry.name = QStringLiteral("reopen");
    entry.window = reopen_.get();
    entry.show = [this] { reopen_->Toggle(); };
    entry.showCommand = controls::Command::ReopenWindow;
    entry.keys = controls::KeysOf(controls::KeyWindow::Reopen);
    registry_.add(std::move(entry), settings_);
}

// The list's unsaved changes of a run ended by a signal.
void ProgramSession::offerListRecovery()
{
    const std::optional<colorlist::RecoveredList> recovered = colorlist::LoadListRecovery(listRecoveryPath());
    if (!recovered)
        return;
    const QString name = recovered->currentListPath.isEmpty() ? QStringLiteral("a new color list")
                                                              : recovered->currentListPath;
    if (platform_.dialogs->askYesNo(main_.get(), QStringLiteral("Restore?"),
                                    QStringLiteral("The program ended with unsaved changes in %1 (%2 colors). "
                                                   "Do you want to restore them?")
                                        .arg(name)
                                        .arg(recovered->entries.size())) == platform::Answer::Yes)
        main_->colorList().model().restore(recovered->currentListPath, recovered->entries);
    QFile::remove(listRecoveryPath());
}

void ProgramSession::createHistoryWindow()
{
    history_ = std::make_unique<colorlist::HistoryWindow>(platform_, *mainColor_, commands_);
    history_->setDockAnchor(main_.get(), controls::ToolWindow::DockSide::Left);
    main_->addSideWindow(history_.get());
    WindowEntry entry;
    entry.name = QStringLiteral("history");
    entry.window = history_.get();
    entry.keys = controls::KeysOf(controls::KeyWindow::History);
    entry.readSettings = [this](const SettingsStore& s) {
        history_->setAutoClose(s.ReadFlagDefaultOn(Setting::HistoryAutoFade));
    };
    entry.writeSettings = [this](LiveSettings& live) {
        live.insert(Setting::HistoryAutoFade, history_->autoClose() ? QStringLiteral("1") : QStringLiteral("0"));
    };
    registry_.add(std::move(entry), settings_);
}

void ProgramSession::createAboutWindow()
{
    about_ = std::make_unique<AboutWindow>(platform_);
    about_->setWindowIcon(main_->windowIcon());
    WindowEntry entry;
    entry.name = QStringLiteral("about");
    entry.window = about_.get();
    entry.show = [this] { about_->Open(); };
    entry.showCommand = controls::Command::About;
    registry_.add(std::move(entry), settings_);
}

// The manual beside the program, opened by the desktop; a missing one is
// the desktop's to report.
void ProgramSession::createHelpCommand()
{
    commands_.set(controls::Command::Help, [this] { platform_.shell->openDocument(helpPath()); });
}

SettingsStore ProgramSession::CurrentExitSettings() const
{
    return SettingsStore::ExitSettings(settings_, registry_.liveSettings());
}

void ProgramSession::Shutdown()
{
    if (shutDown_ || !main_)
        return;
    shutDown_ = true;
    // Ended without the close question (a signal at logout): unsaved
    // changes of the list go to the recovery file, offered at the next start.
    const colorlist::ColorListModel& list = main_->colorList().model();
    if (!main_->isEnding() && list.listChanged())
        colorlist::SaveListRecovery(listRecoveryPath(), list.currentListPath(), list.list().entries());
    main_->setEnding();
    // The reopen list is only a convenience: a failed write is skipped.
    main_->colorList().reopenList().Save(reopenListPath());
    // A signal during start-up (while the list's error box is open) can
    // come before the history is read: then there is none to write.
    if (history_ && !history_->SaveHistoryFile(historyPath()))
        platform_.dialogs->error(main_.get(), QStringLiteral("KT Tessaro"),
                                 QStringLiteral("ERROR! Can not save history file!"));
    if (!CurrentExitSettings().SaveSettings(settingsPath()))
        platform_.dialogs->error(main_.get(), QStringLiteral("KT Tessaro"),
                                 QStringLiteral("ERROR! Can not save settings file!"));
    for (QWidget* window : {static_cast<QWidget*>(history_.get()), static_cast<QWidget*>(reopen_.get())})
        if (window)
            window->hide();
    emit finished();
}

} // namespace tessaro::workspace
