#include "workspace/program_session.h"

#include "colorlist/color_list_commands.h"
#include "colorlist/color_list_panel.h"
#include "colorlist/color_list_recovery.h"
#include "colorlist/history_window.h"
#include "colorlist/list_recovery_writer.h"
#include "colorlist/reopen_window.h"
#include "export/copy_center_window.h"
#include "export/copy_sources.h"
#include "tools/import_window.h"
#include "tools/mixer_window.h"
#include "layouts/drop_color.h"
#include "layouts/layout_editor.h"
#include "layouts/selection_frame.h"
#include "layouts/test_color_window.h"
#include "webpreview/web_preview_window.h"
#include "tools/eye_dropper_settings.h"
#include "tools/eye_dropper_window.h"
#include "tools/quick_palette_window.h"
#include "tools/scales_window.h"
#include "tools/variations_window.h"
#include "workspace/about_window.h"
#include "state/main_color.h"
#include "workspace/main_toolbar.h"
#include "workspace/main_window.h"
#include "workspace/wheel_style_chooser.h"
#include "workspace/window_placement.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace tessaro::workspace {

ProgramSession::ProgramSession(const platform::Platform& platform, const DataFolders& folders,
                               const QString& executable)
    : platform_(platform), folders_(folders), executable_(executable)
{
}

ProgramSession::~ProgramSession()
{
    // The windows go before the colour they show.
    copyCenter_.reset();
    scales_.reset();
    mixer_.reset();
    import_.reset();
    testColor_.reset();
    webPreview_.reset();
    variations_.reset();
    quickPalette_.reset();
    eyeDropper_.reset();
    about_.reset();
    history_.reset();
    reopen_.reset();
    wheelStyles_.reset();
    listRecovery_.reset();
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
    // Mapped as soon as the main start-up is done. It is first painted when
    // the event loop runs, after the other windows are made and the history
    // has set the main colour, so its first picture is the final one.
    main_->show();

    createEyeDropperWindow();
    createTestColorWindow();
    createWheelStyleChooser();
    createWebPreviewWindow();
    createQuickPaletteWindow();
    createReopenWindow();
    createHistoryWindow();
    createAboutWindow();
    createVariationsWindow();
    createCopyCenterWindow();
    if (const std::optional<TColor> newest = loadHistory())
        mainColor_->set(*newest);
    // A signal while the history's error box was open has ended the run.
    if (shutDown_)
        return;
    createImportWindow();
    createMixerWindow();
    createScalesWindow();
    createHelpCommand();
    // The icons were greyed or lit when the window was shown, before most
    // of their commands had a window to run them.
    main_->toolbar()->refreshEnabled();

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
    registry_.add(std::move(entry));
}

// The colour list's settings, its reopen list and its first list: the
// last one, or else the default list.
void ProgramSession::createColorList()
{
    colorlist::ColorListCommands& list = main_->colorList();
    list.setDefaultListPath(defaultListPath());
    // From here on unsaved changes reach the recovery file a moment after
    // they are made, so a crash does not take them along.
    listRecovery_ = std::make_unique<colorlist::ListRecoveryWriter>(list.model(), listRecoveryPath());
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
    registry_.add(std::move(entry));
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
    registry_.add(std::move(entry));
}

// The wheel style chooser; the style chosen last is applied again at once,
// the chooser is built when it is opened.
void ProgramSession::createWheelStyleChooser()
{
    rememberedWheelStyle_ = WheelStyleChooser::ApplyRememberedTo(platform_, *main_->wheelSection(),
                                                                 settings_.GetSetting(Setting::LastWheelStyle));
    WindowEntry entry;
    entry.name = QStringLiteral("wheelstyles");
    entry.build = [this] {
        wheelStyles_ = std::make_unique<WheelStyleChooser>(platform_, *main_->wheelSection(),
                                                           folders_.appDir + QStringLiteral("CWSs/"));
        wheelStyles_->setLastWheelStyle(rememberedWheelStyle_);
        return wheelStyles_.get();
    };
    entry.show = [this] { wheelStyles_->Open(main_.get()); };
    entry.showCommand = controls::Command::LoadWheelStyle;
    entry.writeSettings = [this](LiveSettings& live) {
        live.insert(Setting::LastWheelStyle, wheelStyles_->lastWheelStyle());
    };
    registry_.add(std::move(entry));
}

// The list's unsaved changes of a run that ended by a signal, a crash or a
// power loss.
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

std::optional<TColor> ProgramSession::loadHistory()
{
    return history_->LoadHistoryFile(historyPath());
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
    registry_.add(std::move(entry));
}

// The Copy/Export Center: F5, the Copy icon and "M&ore..." open it; its
// place and whether the preview shows are kept in the settings.
void ProgramSession::createCopyCenterWindow()
{
    WindowEntry entry;
    entry.name = QStringLiteral("copycenter");
    entry.build = [this] {
        copyCenter_ = std::make_unique<exporting::CopyCenterWindow>(platform_, main_->copySources(), commands_);
        return copyCenter_.get();
    };
    // Opened once the key or click that asked for it is done, so F5 does
    // not reach the Center's own F5 (which closes it) as well.
    entry.show = [this] { QTimer::singleShot(0, copyCenter_.get(), [this] { copyCenter_->Open(); }); };
    entry.showCommand = controls::Command::CopyCenter;
    entry.readSettings = [this](const SettingsStore& s) {
        const QString left = s.GetSetting(Setting::CopyLeft);
        const QString top = s.GetSetting(Setting::CopyTop);
        bool leftOk = false, topOk = false;
        const int x = left.toInt(&leftOk), y = top.toInt(&topOk);
        if (leftOk && topOk) {
            copyCenter_->move(x, y);
            copyCenter_->setPlaced(true);
        }
        copyCenter_->setPreviewShown(s.GetSetting(Setting::CopyPreview) == QStringLiteral("1"));
    };
    entry.writeSettings = [this](LiveSettings& live) {
        live.insert(Setting::CopyPreview, copyCenter_->isPreviewShown() ? QStringLiteral("1") : QStringLiteral("0"));
        // A Center never shown has no place of its own yet.
        if (copyCenter_->isPlaced()) {
            live.insert(Setting::CopyLeft, QString::number(copyCenter_->x()));
            live.insert(Setting::CopyTop, QString::number(copyCenter_->y()));
        }
    };
    registry_.add(std::move(entry));
}

// Built on its first use; F7 and the main window's entries show it.
void ProgramSession::createTestColorWindow()
{
    // Closing the program leaves an edited layout the way "Quit Editing
    // Mode" does; a window never built holds no layout edits.
    main_->addCloseQuestion([this] { return !testColor_ || testColor_->MayLeaveLayout(); });
    WindowEntry entry;
    entry.name = QStringLiteral("testcolor");
    entry.build = [this] {
        testColor_ = std::make_unique<layouts::TestColorWindow>(platform_, folders_.appDir);
        return testColor_.get();
    };
    entry.show = [this] { testColor_->Toggle(); };
    entry.showCommand = controls::Command::TestColor;
    entry.keys = controls::KeysOf(controls::KeyWindow::TestColor);
    // The layout editor's boxes hold texts, sizes and file names: Ctrl+A,
    // Ctrl+C and Ctrl+X there select, copy and cut; Ctrl+Z and Ctrl+Y stay
    // the layout's own undo and redo in editing mode.
    entry.editingKeys = controls::EditingKeys::TextBox;
    entry.readSettings = [this](const SettingsStore& s) {
        QPoint place = testColor_->pos();
        if (!s.GetSetting(Setting::TestLeft).isEmpty())
            place.setX(s.ReadInt(Setting::TestLeft, place.x()));
        if (!s.GetSetting(Setting::TestTop).isEmpty())
            place.setY(s.ReadInt(Setting::TestTop, place.y()));
        const QSize screen = platform_.screen->size();
        const QList<QRect> areas = platform_.screen->windowAreas();
        if (s.isFirstRun())
            if (const auto firstRun = layouts::FirstRunWindowPlace(screen.width(), screen.height()))
                place = KeepWholeWindowOnArea(QPoint(firstRun->left, firstRun->top), testColor_->size(),
                                              areas.value(0, QRect(QPoint(), screen)));
        testColor_->move(KeepTitleBarOnScreen(place, testColor_->size(), layouts::TestColorWindow::kTitleHeight, areas));
        testColor_->setShowTexts(s.GetSetting(Setting::ShowText) == QStringLiteral("1"));
        // The grid: the saved size into its box, then the check (which sets 8).
        layouts::LayoutEditor* editor = testColor_->editor();
        if (const QString size = s.GetSetting(Setting::SnapSize); !size.isEmpty()) {
            editor->gridSize()->setText(size);
            emit editor->gridSize()->textEdited(size);
        }
        editor->snapToGrid()->setChecked(s.GetSetting(Setting::SnapToGrid) == QStringLiteral("1"));
    };
    entry.writeSettings = [this](LiveSettings& live) {
        live.insert(Setting::TestLeft, QString::number(testColor_->x()));
        live.insert(Setting::TestTop, QString::number(testColor_->y()));
        live.insert(Setting::ShowText, testColor_->showTexts() ? QStringLiteral("1") : QStringLiteral("0"));
        live.insert(Setting::SnapToGrid,
                    testColor_->editor()->snapToGrid()->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        live.insert(Setting::SnapSize, QString::number(testColor_->selectionFrame()->grid()));
    };
    registry_.add(std::move(entry));
}

void ProgramSession::createImportWindow()
{
    // Files dropped on the main window go to the import window, built for them.
    connect(main_.get(), &MainWindow::filesDropped, this, [this](const QStringList& paths) {
        tools::ImportWindow* window = importWindow();
        if (std::any_of(paths.cbegin(), paths.cend(), &tools::ImportWindow::IsImportFile)) {
            window->ShowCentredOn(main_.get());
            window->activateWindow();
        }
        window->OpenDroppedFiles(paths);
    });
    WindowEntry entry;
    entry.name = QStringLiteral("import");
    entry.build = [this] {
        import_ = std::make_unique<tools::ImportWindow>(platform_, main_->colorList());
        return import_.get();
    };
    entry.show = [this] {
        import_->ShowCentredOn(main_.get());
        import_->activateWindow();
    };
    entry.showCommand = controls::Command::ImportColors;
    entry.keys = controls::SideWindowKeys();
    entry.readSettings = [this](const SettingsStore& s) {
        import_->setAllowDuplicates(s.GetSetting(Setting::ImportAllowDuplicates) == QStringLiteral("1"));
    };
    entry.writeSettings = [this](LiveSettings& live) {
        live.insert(Setting::ImportAllowDuplicates, import_->allowDuplicates() ? QStringLiteral("1") : QStringLiteral("0"));
    };
    registry_.add(std::move(entry));
}

// The Web Preview window: the last layout (or the sample beside the
// program), its place, and on a first run the place for the screen's size.
// The layout is read at start-up, the window built on its first use.
void ProgramSession::createWebPreviewWindow()
{
    webStartLayout_ = std::make_unique<webpreview::StartLayout>(
        webpreview::LoadStartLayout(platform_, main_.get(), settings_.GetSetting(Setting::LastWebLayout),
                                    folders_.appDir + QStringLiteral("Sample 1.cls")));
    WindowEntry entry;
    entry.name = QStringLiteral("webpreview");
    entry.build = [this] {
        webPreview_ = std::make_unique<webpreview::WebPreviewWindow>(platform_, main_->colorList(), [this] {
            main_->raise();
            main_->activateWindow();
        });
        webPreview_->Restore(*webStartLayout_);
        webStartLayout_.reset();
        return webPreview_.get();
    };
    entry.show = [this] { webPreview_->Open(); };
    entry.showCommand = controls::Command::WebPreview;
    entry.keys = controls::MainWindowKeys();
    entry.readSettings = [this](const SettingsStore& s) {
        const QSize screen = platform_.screen->size();
        QPoint place(s.ReadInt(Setting::WebLeft, webPreview_->x()), s.ReadInt(Setting::WebTop, webPreview_->y()));
        if (s.isFirstRun())
            if (const auto firstRun = WebPreviewFirstRunPosition(screen))
                place = KeepWholeWindowOnArea(*firstRun, webPreview_->size(),
                                              platform_.screen->windowAreas().value(0, QRect(QPoint(), screen)));
        webPreview_->move(KeepTitleBarOnScreen(place, webPreview_->size(), webpreview::WebPreviewWindow::kTitleHeight,
                                               platform_.screen->windowAreas()));
    };
    entry.writeSettings = [this](LiveSettings& live) {
        live.insert(Setting::LastWebLayout, webPreview_->lastLayout());
        live.insert(Setting::WebLeft, QString::number(webPreview_->x()));
        live.insert(Setting::WebTop, QString::number(webPreview_->y()));
    };
    registry_.add(std::move(entry));
}

void ProgramSession::createEyeDropperWindow()
{
    WindowEntry entry;
    entry.name = QStringLiteral("eyedropper");
    entry.build = [this] {
        eyeDropper_ = std::make_unique<tools::EyeDropperWindow>(platform_);
        connect(eyeDropper_.get(), &tools::EyeDropperWindow::picked, this, &ProgramSession::TakePickedColor);
        // The main window comes back fully opaque and as topmost as it was.
        connect(eyeDropper_.get(), &tools::EyeDropperWindow::closed, this, [this] {
            platform_.windows->setOpacity(main_.get(), 255);
            platform_.windows->setTopmost(main_.get(), main_->isStayOnTop());
        });
        return eyeDropper_.get();
    };
    entry.show = [this] { eyeDropper_->Open(); };
    entry.showCommand = controls::Command::EyeDropper;
    entry.readSettings = [this](const SettingsStore& s) {
        tools::ReadEyeDropperSettings(*eyeDropper_, s, platform_.screen->size());
    };
    entry.writeSettings = [this](LiveSettings& live) { tools::WriteEyeDropperSettings(*eyeDropper_, live); };
    registry_.add(std::move(entry));
}

void ProgramSession::TakePickedColor(TColor color)
{
    mainColor_->set(color);
    const TColor colors[] = {color};
    main_->colorList().AddColors(colors, colorlist::Placement::AtEnd, false);
    mainColor_->RecordHistoryStep();
}

void ProgramSession::createQuickPaletteWindow()
{
    WindowEntry entry;
    entry.name = QStringLiteral("quickpalette");
    entry.build = [this] {
        quickPalette_ = std::make_unique<tools::QuickPaletteWindow>(platform_);
        return quickPalette_.get();
    };
    entry.show = [this] { quickPalette_->ShowCentredOn(main_.get()); };
    entry.showCommand = controls::Command::QuickPalette;
    entry.keys = controls::MainWindowKeys();
    registry_.add(std::move(entry));
}

void ProgramSession::createVariationsWindow()
{
    WindowEntry entry;
    entry.name = QStringLiteral("variations");
    entry.build = [this] {
        variations_ = std::make_unique<tools::VariationsWindow>(platform_, *mainColor_);
        return variations_.get();
    };
    entry.show = [this] { platform_.windows->showToolWindow(variations_.get()); };
    entry.showCommand = controls::Command::Variations;
    entry.keys = controls::MainWindowKeys();
    // Empty or missing keys leave the design place; a place without a
    // reachable title bar is pulled back onto the screen.
    entry.readSettings = [this](const SettingsStore& s) {
        const QPoint design = tools::VariationsWindow::kDesignPosition;
        const QPoint stored(s.ReadInt(Setting::VariationsLeft, design.x()), s.ReadInt(Setting::VariationsTop, design.y()));
        variations_->move(KeepTitleBarOnScreen(stored, variations_->size(), tools::VariationsWindow::kTitleHeight,
                                               platform_.screen->windowAreas()));
    };
    entry.writeSettings = [this](LiveSettings& live) {
        live.insert(Setting::VariationsLeft, QString::number(variations_->x()));
        live.insert(Setting::VariationsTop, QString::number(variations_->y()));
    };
    registry_.add(std::move(entry));
}

void ProgramSession::createMixerWindow()
{
    // The stored colours and amounts are checked now, as the mixer's
    // creation at start-up would; the window built later says nothing again.
    tools::MixerWindow::ReportStoredSettings(settings_, *platform_.dialogs, main_.get());
    WindowEntry entry;
    entry.name = QStringLiteral("mixer");
    entry.build = [this] {
        mixer_ = std::make_unique<tools::MixerWindow>(platform_);
        return mixer_.get();
    };
    entry.show = [this] {
        mixer_->ShowCentredOn(main_.get());
        mixer_->activateWindow();
    };
    entry.showCommand = controls::Command::ColorMixer;
    entry.keys = controls::SideWindowKeys();
    entry.readSettings = [this](const SettingsStore& s) {
        mixer_->ReadSettings(s, tools::MixerWindow::Messages::Left);
    };
    entry.writeSettings = [this](LiveSettings& live) { mixer_->WriteSettings(live); };
    registry_.add(std::move(entry));
}

// Built on its first use; F6 and the main menu's entry show it.
void ProgramSession::createScalesWindow()
{
    WindowEntry entry;
    entry.name = QStringLiteral("scales");
    entry.build = [this] {
        scales_ = std::make_unique<tools::ScalesWindow>(platform_, *mainColor_, main_->colorList());
        return scales_.get();
    };
    entry.show = [this] {
        scales_->ShowCentredOn(main_.get());
        scales_->activateWindow();
    };
    entry.showCommand = controls::Command::Scales;
    entry.keys = controls::MainWindowKeys();
    entry.readSettings = [this](const SettingsStore& s) { scales_->ReadSettings(s); };
    entry.writeSettings = [this](LiveSettings& live) { scales_->WriteSettings(live); };
    registry_.add(std::move(entry));
}

void ProgramSession::createAboutWindow()
{
    WindowEntry entry;
    entry.name = QStringLiteral("about");
    entry.build = [this] {
        about_ = std::make_unique<AboutWindow>(platform_);
        about_->setWindowIcon(main_->windowIcon());
        return about_.get();
    };
    entry.show = [this] { about_->Open(); };
    entry.showCommand = controls::Command::About;
    registry_.add(std::move(entry));
}

// The manual beside the program, opened by the desktop; a missing one is
// the desktop's to report. A desktop with no program to open it gets a
// message naming the file, so the user can open it by hand.
void ProgramSession::createHelpCommand()
{
    commands_.set(controls::Command::Help, [this] {
        const QString path = helpPath();
        if (!platform_.shell->openDocument(path))
            platform_.dialogs->error(main_.get(), QStringLiteral("KT Tessaro"),
                                     QStringLiteral("The manual could not be opened: this desktop has no program set "
                                                    "to open web pages.\nThe manual is the file %1")
                                         .arg(QFileInfo(path).absoluteFilePath()));
    });
}

WheelStyleChooser* ProgramSession::wheelStyleChooser()
{
    registry_.window(QStringLiteral("wheelstyles"));
    return wheelStyles_.get();
}

exporting::CopyCenterWindow* ProgramSession::copyCenterWindow()
{
    registry_.window(QStringLiteral("copycenter"));
    return copyCenter_.get();
}

tools::ImportWindow* ProgramSession::importWindow()
{
    registry_.window(QStringLiteral("import"));
    return import_.get();
}

tools::MixerWindow* ProgramSession::mixerWindow()
{
    registry_.window(QStringLiteral("mixer"));
    return mixer_.get();
}

layouts::TestColorWindow* ProgramSession::testColorWindow()
{
    registry_.window(QStringLiteral("testcolor"));
    return testColor_.get();
}

webpreview::WebPreviewWindow* ProgramSession::webPreviewWindow()
{
    registry_.window(QStringLiteral("webpreview"));
    return webPreview_.get();
}

tools::EyeDropperWindow* ProgramSession::eyeDropper()
{
    registry_.window(QStringLiteral("eyedropper"));
    return eyeDropper_.get();
}

tools::QuickPaletteWindow* ProgramSession::quickPalette()
{
    registry_.window(QStringLiteral("quickpalette"));
    return quickPalette_.get();
}

tools::VariationsWindow* ProgramSession::variations()
{
    registry_.window(QStringLiteral("variations"));
    return variations_.get();
}

tools::ScalesWindow* ProgramSession::scales()
{
    registry_.window(QStringLiteral("scales"));
    return scales_.get();
}

AboutWindow* ProgramSession::aboutWindow()
{
    registry_.window(QStringLiteral("about"));
    return about_.get();
}

SettingsStore ProgramSession::CurrentExitSettings() const
{
    // Where the desktop never told the windows' places, the saved ones stay.
    return SettingsStore::ExitSettings(settings_, registry_.liveSettings(),
                                       platform_.windows->knowsWindowPlaces() ? SettingsStore::WindowPlaces::Known
                                                                              : SettingsStore::WindowPlaces::Unknown);
}

void ProgramSession::Shutdown()
{
    if (shutDown_ || !main_)
        return;
    shutDown_ = true;
    // Ended without the close question (a signal at logout): unsaved
    // changes of the list go to the recovery file, offered at the next start.
    // After the question the user has dealt with them: no file is left.
    if (listRecovery_) {
        if (main_->isEnding())
            listRecovery_->Discard();
        else
            listRecovery_->WriteNow();
    }
    main_->setEnding();
    // The found colours of the import window: the only copy of them once
    // the program ends, so a failed write is reported. An import window
    // never opened has found nothing.
    const bool importedSaved = import_ ? import_->SaveLastImported(lastImportedPath())
                                       : tools::ImportWindow::SaveFoundList(lastImportedPath(), {});
    if (!importedSaved)
        platform_.dialogs->error(main_.get(), QStringLiteral("KT Tessaro"),
                                 QStringLiteral("ERROR! Can not save imported colors file!"));
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
    if (eyeDropper_)
        eyeDropper_->Close();
    for (QWidget* window : {static_cast<QWidget*>(history_.get()), static_cast<QWidget*>(reopen_.get()),
                            static_cast<QWidget*>(copyCenter_.get()), static_cast<QWidget*>(import_.get()),
                            static_cast<QWidget*>(mixer_.get()), static_cast<QWidget*>(testColor_.get()),
                            static_cast<QWidget*>(webPreview_.get()), static_cast<QWidget*>(variations_.get()),
                            static_cast<QWidget*>(quickPalette_.get())})
        if (window)
            window->hide();
    emit finished();
}

} // namespace tessaro::workspace
