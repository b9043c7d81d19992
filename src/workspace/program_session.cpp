#include "workspace/program_session.h"

#include "colorlist/history_window.h"
#include "workspace/main_window.h"
#include "workspace/window_placement.h"

namespace tessaro::workspace {

ProgramSession::ProgramSession(const platform::Platform& platform, const DataFolders& folders,
                               const QString& executable)
    : platform_(platform), folders_(folders), executable_(executable)
{
}

ProgramSession::~ProgramSession() = default;

void ProgramSession::Start()
{
    settings_ = SettingsStore::LoadSettings(settingsPath());
    const bool firstRun = settings_.GetSetting(QStringLiteral("firstrun")) != QStringLiteral("0");

    main_ = std::make_unique<MainWindow>(platform_, folders_.dataFolder);
    // The saved place, or on a first run the place for the screen's size.
    main_->move(MainWindowPosition(settings_, platform_.screen->size(), firstRun));
    main_->LoadColorNames();
    platform_.singleInstance->acquire();
    if (firstRun)
        platform_.shell->registerListFileAssociation(executable_);
    connect(main_.get(), &MainWindow::closing, this, &ProgramSession::Shutdown);

    colorlist::HistoryHooks hooks;
    hooks.setMainColor = [this](TColor color) { main_->SetMainColor(color); };
    hooks.mainWindowGeometry = [this] { return main_->frameGeometry(); };
    hooks.shortcut = [this](int key, Qt::KeyboardModifiers modifiers) { return main_->HandleShortcut(key, modifiers); };
    history_ = std::make_unique<colorlist::HistoryWindow>(platform_, hooks);
    history_->setAutoClose(ReadFlagDefaultOn(settings_, QStringLiteral("hist.autofade")));
    main_->setHistory(history_.get());
    if (const std::optional<TColor> newest = history_->LoadHistoryFile(historyPath()))
        main_->SetMainColor(*newest);

    main_->show();
    main_->SetReady();
}

SettingsStore ProgramSession::CurrentExitSettings() const
{
    QMap<QString, QString> live;
    live.insert(QStringLiteral("1.left"), QString::number(main_->x()));
    live.insert(QStringLiteral("1.top"), QString::number(main_->y()));
    live.insert(QStringLiteral("hist.autofade"), history_->autoClose() ? QStringLiteral("1") : QStringLiteral("0"));
    return SettingsStore::ExitSettings(settings_, live);
}

void ProgramSession::Shutdown()
{
    if (shutDown_ || !main_)
        return;
    shutDown_ = true;
    history_->SaveHistoryFile(historyPath());
    if (!CurrentExitSettings().SaveSettings(settingsPath()))
        platform_.dialogs->error(main_.get(), QStringLiteral("KT Tessaro"),
                                 QStringLiteral("ERROR! Can not save settings file!"));
    history_->hide();
    emit finished();
}

} // namespace tessaro::workspace
