#include "workspace/main_window.h"

#include "colorlist/color_list_commands.h"
#include "colorlist/color_list_panel.h"
#include "colorlist/color_list_view.h"
#include "controls/shortcuts.h"
#include "controls/swatch.h"
#include "controls/text_look.h"
#include "controls/title_bar.h"
#include "controls/toolbar_button.h"
#include "engine/gamut_map.h"
#include "export/copy_sources.h"
#include "export/list_export_commands.h"
#include "export/quick_copy_commands.h"
#include "workspace/color_values_panel.h"
#include "workspace/editing_commands.h"
#include "workspace/harmony_section.h"
#include "workspace/hint_router.h"
#include "workspace/hint_texts.h"
#include "state/main_color.h"
#include "workspace/main_menu.h"
#include "workspace/main_toolbar.h"
#include "workspace/pictures.h"
#include "workspace/value_edit.h"
#include "workspace/wheel_section.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

#include <algorithm>
#include <span>
#include <vector>

namespace tessaro::workspace {

namespace {

constexpr QRect kValuesSection(4, 246, 196, 164);
constexpr QRect kListSection(326, 64, 183, 346);
constexpr QRect kHintRect(8, 413, 497, 41);

const QColor kWindowBackground(0xEC, 0xEF, 0xF3);
const QColor kWindowFrame(0xB4, 0xBF, 0xCC);

} // namespace

MainWindow::MainWindow(const platform::Platform& platform, MainColor& mainColor, controls::CommandHandlers& commands,
                       QWidget* parent)
    : controls::ToolWindow(platform, QStringLiteral("KT Tessaro"), QSize(kClientWidth, kClientHeight), kTitleHeight,
                           Qt::Window, parent),
      platform_(platform),
      mainColor_(mainColor),
      commands_(new EditingCommands(platform, mainColor, this)),
      hints_(new HintRouter(this))
{
    setObjectName(QStringLiteral("MainWindow"));
    setMouseTracking(true);
    setFrameColor(kWindowFrame);
    setBackgroundColor(kWindowBackground);

    setWindowIcon(ProgramIcon());
    buildTitleBar(commands);
    buildToolbar(commands);
    wheel_ = new WheelSection(mainColor_, this);
    harmony_ = new HarmonySection(mainColor_, this);
    variations_ = new QuickVariationsSection(mainColor_, this);
    buildValuesSection();
    buildColorListSection();
    buildSectionMenus();
    buildCopyExport(commands);
    buildWheelStyleEntry(commands);
    buildHintLine();
    attachHints();
    buildToolEntries(commands);

    setAcceptDrops(true);
    commands_->setPastedColorSink([this](TColor color) {
        const TColor colors[] = {color};
        colorList_->AddColors(colors, colorlist::Placement::AtInsertPoint, false);
    });
    commands.set(controls::Command::Paste, [this] { commands_->Paste(); });
    commands.set(controls::Command::AddMainColor, [this] { colorList_->AddMainColor(); });
    commands.set(controls::Command::NewList, [this] { colorList_->New(); });
    commands.set(controls::Command::OpenList, [this] { colorList_->Open(); });
    commands.set(controls::Command::SaveList, [this] { colorList_->Save(); });
    commands.set(controls::Command::MakeWebsafe, [this] { commands_->MakeWebsafe(); });
    commands.set(controls::Command::StayOnTop, [this] { ToggleStayOnTop(); });
    commands.set(controls::Command::SuperMinimize, [this] { ToggleSuperMinimize(); });
}

MainWindow::~MainWindow()
{
    mainColor_.disconnect(this);
}

void MainWindow::buildTitleBar(const controls::CommandHandlers& commands)
{
    titleBar()->captionLabel()->setText(QStringLiteral("KT Tessaro ") + platform_.appInfo.version);
    mainMenu_ = BuildMainMenu(this, commands);
    addMenuButton(QStringLiteral("mainMenuButton"), mainMenu_);
    QToolButton* minimize = addTitleButton(QStringLiteral("minimizeButton"), QStringLiteral("_"), tr("Minimize"));
    connect(minimize, &QToolButton::clicked, this, [this] { platform_.windows->minimizeApplication(); });
    addCloseButton();
}

void MainWindow::buildToolbar(const controls::CommandHandlers& commands)
{
    toolbar_ = new MainToolbar(commands, this);
    connect(toolbar_, &MainToolbar::backgroundHovered, this, &MainWindow::clearToolbarHighlight);
}

QPoint MainWindow::exportButtonCentre() const
{
    const QWidget* button = toolbar_->button(ToolbarIcon::Export);
    return button->mapToGlobal(button->rect().center());
}

void MainWindow::buildValuesSection()
{
    auto* section = new SectionFrame(QStringLiteral("valuesTitle"), QStringLiteral("Color Values"), kValuesSection, this);
    values_ = new ColorValuesPanel(section);
    values_->setGeometry(0, 16, kValuesSection.width(), kValuesSection.height() - 16);

    auto* valuesMenu = new QMenu(this);
    commands_->BuildValuesMenu(valuesMenu, [this](int page) { values_->showPage(page); });
    section->titleBar()->setMenuButton(QStringLiteral("valuesMenuButton"), valuesMenu);

    connect(values_, &ColorValuesPanel::rgbEntered, this, [this](RgbTriple rgb) {
        mainColor_.setRgb(rgb);
        mainColor_.RecordHistoryStep();
    });
    connect(values_, &ColorValuesPanel::hslEntered, this, [this](HslTriple hsl) {
        mainColor_.setHsl(hsl);
        mainColor_.RecordHistoryStep();
    });
    connect(values_, &ColorValuesPanel::sliderRgb, &mainColor_, &MainColor::setRgb);
    connect(values_, &ColorValuesPanel::sliderHsl, &mainColor_, &MainColor::setHsl);
    connect(values_, &ColorValuesPanel::oklchEntered, this, [this](OkLch oklch) {
        mainColor_.set(GamutMapToColor(oklch));
        mainColor_.RecordHistoryStep();
    });
    connect(values_, &ColorValuesPanel::sliderColor, &mainColor_, &MainColor::set);
    connect(values_, &ColorValuesPanel::sliderLeft, &mainColor_, &MainColor::RecordHistoryStep);
    connect(values_, &ColorValuesPanel::hexEntered, commands_, &EditingCommands::ApplyHexField);
    connect(values_, &ColorValuesPanel::websafeClicked, commands_, &EditingCommands::MakeWebsafe);
    connect(values_, &ColorValuesPanel::conversionError, commands_, &EditingCommands::ShowConversionError);

    connect(&mainColor_, &MainColor::changed, this, [this] { values_->showState(mainColor_.state()); });
    connect(&mainColor_, &MainColor::colorSet, values_, &ColorValuesPanel::setRgbSliders);
    values_->showState(mainColor_.state());
    values_->setRgbSliders(mainColor_.current());
}

void MainWindow::buildColorListSection()
{
    auto* section = new SectionFrame(QStringLiteral("listTitle"), QStringLiteral("Color List"), kListSection, this);
    colorList_ = new colorlist::ColorListCommands(platform_, mainColor_, QString(), this, this);
    listPanel_ = new colorlist::ColorListPanel(*colorList_, section);
    listPanel_->setGeometry(QRect(QPoint(0, 0), kListSection.size()).adjusted(4, 20, -4, -4));
    section->titleBar()->setMenuButton(QStringLiteral("listMenuButton"), listPanel_->menu());
}

void MainWindow::buildSectionMenus()
{
    const auto addAction = [this](QMenu* menu, const QString& caption, const char* name, auto slot) {
        menu->addAction(caption, this, slot)->setObjectName(QString::fromLatin1(name));
    };
    const auto addToList = [this](std::span<const TColor> colors) {
        colorList_->AddColors(colors, colorlist::Placement::AtEnd, false);
    };

    // The wheel's menu: on the section's title bar and a right click on the
    // main swatch.
    auto* wheelMenu = new QMenu(this);
    wheelMenu->setObjectName(QStringLiteral("WheelPM"));
    addAction(wheelMenu, QStringLiteral("Add &Main Color to Color List"), "addMainColorAction",
              [this] { colorList_->AddMainColor(); });
    addAction(wheelMenu, QStringLiteral("Add &Color Wheel to Color List"), "addColorWheelAction",
              [this, addToList] { addToList(mainColor_.state().palette.wheel); });
    wheel_->titleBar()->setMenuButton(QStringLiteral("wheelMenuButton"), wheelMenu);
    connect(wheel_->mainSwatch(), &controls::Swatch::rightReleased, wheelMenu,
            [wheelMenu](QPoint globalPosition) { wheelMenu->popup(globalPosition); });

    // The 19 harmony swatches, Analogous to Square.
    auto* harmonyMenu = new QMenu(this);
    harmonyMenu->setObjectName(QStringLiteral("HarmonyPM"));
    addAction(harmonyMenu, QStringLiteral("&Add All to Color List"), "addHarmoniesAction", [this, addToList] {
        std::vector<TColor> all;
        for (const controls::Swatch* swatch : harmony_->swatches())
            all.push_back(swatch->color());
        addToList(all);
    });
    harmony_->titleBar()->setMenuButton(QStringLiteral("harmonyMenuButton"), harmonyMenu);

    auto* variationsMenu = new QMenu(this);
    variationsMenu->setObjectName(QStringLiteral("VariationsPM"));
    addAction(variationsMenu, QStringLiteral("&Add Quick Variations to Color List"), "addQuickVariationsAction",
              [this, addToList] { addToList(mainColor_.state().palette.quickVariations); });
    variations_->titleBar()->setMenuButton(QStringLiteral("variationsMenuButton"), variationsMenu);
}

// Last in the wheel's menu, after its bitmap entries.
void MainWindow::buildWheelStyleEntry(controls::CommandHandlers& commands)
{
    auto* wheelMenu = findChild<QMenu*>(QStringLiteral("WheelPM"));
    wheelMenu->addAction(QStringLiteral("&Load Color Wheel Style..."), this, [&commands] {
        commands.run(controls::Command::LoadWheelStyle);
    })->setObjectName(QStringLiteral("loadWheelStyleAction"));
}

exporting::CopySources MainWindow::copySources()
{
    exporting::CopySources sources;
    sources.mainColor = &mainColor_;
    sources.mainFields = [this] {
        const auto field = [this](const char* name) {
            const auto* edit = values_->findChild<QLineEdit*>(QString::fromLatin1(name));
            return edit ? edit->text().toStdString() : std::string();
        };
        exporting::MainColorFields fields;
        fields.red = field("redEdit");
        fields.green = field("greenEdit");
        fields.blue = field("blueEdit");
        fields.hue = field("hhhedit");
        fields.saturation = field("sssedit");
        fields.lightness = field("llledit");
        fields.hex = field("htmlEdit");
        fields.color = mainColor_.current();
        return fields;
    };
    sources.listEntries = [this] {
        std::vector<std::string> entries;
        for (const QString& entry : colorList_->model().list().entries())
            entries.push_back(entry.toStdString());
        return entries;
    };
    sources.selectedEntries = [this] {
        const QStringList& all = colorList_->model().list().entries();
        std::vector<std::string> entries;
        for (int row : listPanel_->view()->selectedRows())
            if (row >= 0 && row < all.size())
                entries.push_back(all.at(row).toStdString());
        return entries;
    };
    return sources;
}

void MainWindow::buildCopyExport(controls::CommandHandlers& commands)
{
    quickCopy_ = new exporting::QuickCopyCommands(platform_, copySources(), this, this);
    copyMenu_ = new QMenu(this);
    quickCopy_->BuildMenu(copyMenu_, [&commands] { commands.run(controls::Command::CopyCenter); });
    commands.set(controls::Command::CopyHtmlHex, [this] { quickCopy_->CopyText(CopyNotation::HtmlHex); });
    commands.set(controls::Command::QuickCopyMenu, [this] { copyMenu_->popup(QCursor::pos()); });

    // The bitmap entries of the sections' menus.
    const std::pair<const char*, std::vector<std::pair<const char*, void (exporting::QuickCopyCommands::*)()>>>
        sectionEntries[] = {
            {"WheelPM",
             {{"C&opy Main Color as Bitmap", &exporting::QuickCopyCommands::CopyMainColorBitmap},
              {"Copy Color &Wheel as Bitmap", &exporting::QuickCopyCommands::CopyWheelBitmap}}},
            {"VariationsPM", {{"&Copy Quick Variations as Bitmap", &exporting::QuickCopyCommands::CopyVariationsBitmap}}},
            {"HarmonyPM", {{"&Copy Harmonies as Bitmap", &exporting::QuickCopyCommands::CopyHarmoniesBitmap}}},
        };
    for (const auto& [menuName, entries] : sectionEntries)
        if (auto* menu = findChild<QMenu*>(QString::fromLatin1(menuName))) {
            menu->addSeparator();
            for (const auto& [caption, slot] : entries)
                menu->addAction(QString::fromLatin1(caption), quickCopy_, slot);
        }

    listExport_ = new exporting::ListExportCommands(
        platform_, copySources().listEntries, [this] { return colorList_->model().currentListPath(); }, this, this);
    exportMenu_ = new QMenu(this);
    listExport_->BuildExportMenu(exportMenu_);
    if (auto* listMenu = listPanel_->menu()->findChild<QMenu*>(QStringLiteral("listExportMenu")))
        listExport_->BuildListMenu(listMenu);
    commands.set(controls::Command::ExportMenu, [this] { PopupExportMenu(); });
}

void MainWindow::PopupExportMenu()
{
    exportMenu_->popup(exportButtonCentre());
}

void MainWindow::buildHintLine()
{
    hintLabel_ = new QLabel(this);
    hintLabel_->setObjectName(QStringLiteral("hintLBL"));
    hintLabel_->setGeometry(kHintRect);
    hintLabel_->setWordWrap(true);
    hintLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hintLabel_->setTextFormat(Qt::PlainText);
    controls::SetTextLook(hintLabel_, {QColor(0x24, 0x30, 0x3C)});
    connect(hints_, &HintRouter::hint, this, &MainWindow::ShowHint);
    ShowHint(hints::kWelcome);
}

void MainWindow::attachHints()
{
    hints_->attach(titleBar(), hints::kTitleBar);
    controls::Swatch* main = wheel_->mainSwatch();
    hints_->attach(main, [this, main] { return hints::MainSwatchHint(main->color(), mainColor_.state().isWebsafe); });
    const auto attachDerived = [this](controls::Swatch* swatch) {
        hints_->attach(swatch, [swatch] { return hints::DerivedSwatchHint(swatch->color()); });
    };
    for (controls::Swatch* swatch : wheel_->wheel())
        attachDerived(swatch);
    for (controls::Swatch* swatch : harmony_->swatches())
        attachDerived(swatch);
    for (controls::Swatch* swatch : variations_->swatches())
        attachDerived(swatch);
    hints_->attach(listPanel_->view()->viewport(), [this] { return listHint(); });
    connect(listPanel_->view(), &colorlist::ColorListView::hovered, this, [this] { ShowHint(listHint()); });
    colorlist::ColorListModel* list = &colorList_->model();
    connect(list, &QAbstractItemModel::rowsInserted, this, &MainWindow::refreshListHint);
    connect(list, &QAbstractItemModel::rowsRemoved, this, &MainWindow::refreshListHint);
    connect(list, &QAbstractItemModel::modelReset, this, &MainWindow::refreshListHint);
    // A save or an open changes the path the hint names.
    connect(list, &colorlist::ColorListModel::listChangedChanged, this, &MainWindow::refreshListHint);
    connect(colorList_, &colorlist::ColorListCommands::remembered, this, &MainWindow::refreshListHint);
    for (ValueEdit* edit : values_->findChildren<ValueEdit*>())
        hints_->attach(edit, hints::kValueEdit);
    const std::pair<const char*, const QString&> named[] = {
        {"htmlEdit", hints::kHexEdit}, {"WebsafeLBL", hints::kWebsafeLabel}, {"clrnamed", hints::kColorName}};
    for (const auto& [name, hint] : named)
        if (auto* widget = values_->findChild<QWidget*>(QString::fromLatin1(name)))
            hints_->attach(widget, hint);
    for (const ToolbarEntry& entry : ToolbarEntries())
        hints_->attach(toolbar_->findChild<QWidget*>(QLatin1String(entry.name)), QString::fromLatin1(entry.hint));
}

QString MainWindow::listHint()
{
    listHint_ = colorList_->statusText();
    return listHint_;
}

void MainWindow::refreshListHint()
{
    if (!listHint_.isEmpty() && hint_ == listHint_)
        ShowHint(listHint());
}

void MainWindow::buildToolEntries(controls::CommandHandlers& commands)
{
    const auto add = [this, &commands](const char* menuName, const QString& caption, const char* name,
                                       controls::Command command) {
        if (auto* menu = findChild<QMenu*>(QString::fromLatin1(menuName)))
            menu->addAction(caption, this, [&commands, command] { commands.run(command); })
                ->setObjectName(QString::fromLatin1(name));
    };
    add("VariationsPM", QStringLiteral("&More Variations..."), "moreVariationsAction", controls::Command::Variations);
    add("ValuesPM", QStringLiteral("&Quick Color Palette..."), "quickPaletteAction", controls::Command::QuickPalette);

    auto* more = new QToolButton(this);
    more->setObjectName(QStringLiteral("moreVariationsButton"));
    more->setText(QStringLiteral("More..."));
    more->setAutoRaise(true);
    const QRect section = QuickVariationsSection::kGeometry;
    more->setGeometry(section.right() - 56, section.bottom() + 3, 56, 18);
    connect(more, &QToolButton::clicked, this, [&commands] { commands.run(controls::Command::Variations); });
    hints_->attach(more, QStringLiteral("Click to see more variations."));
}

controls::Swatch* MainWindow::mainSwatch() const
{
    return wheel_->mainSwatch();
}

void MainWindow::ShowHint(const QString& text)
{
    if (text == hint_)
        return;
    hint_ = text;
    // The carriage return in swatch hints starts a new line on screen.
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QChar::LineSeparator);
    hintLabel_->setText(shown);
}

void MainWindow::addSideWindow(controls::ToolWindow* window)
{
    sideWindows_.push_back(window);
    window->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A side window opened while the main window is super-minimized comes
    // rolled up beside it, so the next toggle moves both the same way.
    if (event->type() == QEvent::Show) {
        for (controls::ToolWindow* side : sideWindows_)
            if (side == watched && side->isRolledUp() != isRolledUp())
                side->ToggleRollUp();
    }
    return ToolWindow::eventFilter(watched, event);
}

void MainWindow::ToggleSuperMinimize()
{
    ToggleRollUp();
    for (controls::ToolWindow* window : sideWindows_)
        if (window->isVisible())
            window->ToggleRollUp();
}

void MainWindow::ToggleStayOnTop()
{
    stayOnTop_ = !stayOnTop_;
    platform_.windows->setTopmost(this, stayOnTop_);
    // Said once a run, where the desktop cannot keep the window on top.
    if (stayOnTop_ && !platform_.windows->canKeepOnTop() && !stayOnTopRefusalShown_) {
        stayOnTopRefusalShown_ = true;
        ShowHint(hints::kStayOnTopUnavailable);
    }
    if (QAction* action = mainMenu_->findChild<QAction*>(QStringLiteral("stayOnTopAction")))
        action->setChecked(stayOnTop_);
}

void MainWindow::clearToolbarHighlight()
{
    toolbar_->clearHighlight();
    ShowHint(QString());
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    clearToolbarHighlight();
    ToolWindow::mouseMoveEvent(event);
}

void MainWindow::closeByHand()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // An unsaved list is offered for saving first, then the other windows'
    // unsaved work; Cancel keeps the program running.
    if (!ending_ && !(colorList_->ConfirmClose() &&
                      std::all_of(closeQuestions_.begin(), closeQuestions_.end(),
                                  [](const std::function<bool()>& question) { return question(); }))) {
        event->ignore();
        return;
    }
    ending_ = true;
    emit closing();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
    else
        ToolWindow::dragEnterEvent(event);
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QStringList files = platform::DroppedFiles(event->mimeData());
    if (files.isEmpty()) {
        ToolWindow::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    colorList_->OpenDroppedFiles(files);
    emit filesDropped(files);
}

void MainWindow::paintBody(QPainter& painter)
{
    painter.fillRect(rect(), kWindowBackground);
}

} // namespace tessaro::workspace
