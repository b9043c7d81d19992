#include "workspace/main_window.h"

#include "colorlist/history_window.h"
#include "controls/swatch.h"
#include "controls/toolbar_button.h"
#include "controls/title_bar.h"
#include "engine/color_text.h"
#include "engine/conversion_error.h"
#include "engine/text_encoding.h"
#include "workspace/color_values_panel.h"
#include "engine/color_scan.h"
#include "workspace/hint_texts.h"
#include "workspace/toolbar_icons.h"
#include "workspace/value_edit.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

#include <span>

namespace tessaro::workspace {

namespace {

using controls::Swatch;

constexpr QRect kTitleBarRect(0, 0, 513, 19);
constexpr QRect kToolbarRect(1, 19, 511, 40);
constexpr QRect kWheelSection(4, 64, 196, 180);
constexpr QRect kValuesSection(4, 246, 196, 164);
constexpr QRect kHarmonySection(206, 64, 116, 248);
constexpr QRect kVariationsSection(206, 316, 116, 66);
constexpr QRect kListSection(326, 64, 183, 346);
constexpr QRect kHintRect(8, 413, 497, 41);

constexpr QPoint kWheelPlaces[12] = {{88, 108}, {116, 113}, {136, 134}, {141, 161}, {136, 189}, {115, 210},
                                     {87, 215}, {59, 210},  {39, 189},  {34, 161},  {39, 134},  {60, 113}};

struct HarmonyRow {
    const char* caption;
    int top;
    int count;
};
constexpr HarmonyRow kHarmonyRows[] = {
    {"Analogous", 98, 3}, {"Complements", 136, 2}, {"Split Complements", 174, 3},
    {"Triad", 212, 3},    {"Tetrad", 250, 4},      {"Square", 288, 4},
};

const QColor kWindowBackground(0xEC, 0xEF, 0xF3);
const QColor kSectionBackground(0xF8, 0xF9, 0xFB);
const QColor kSectionBorder(0xB4, 0xBF, 0xCC);

controls::SectionTitleBar* AddSectionTitle(QWidget* parent, const QString& name, const QString& caption,
                                           const QRect& section)
{
    auto* bar = new controls::SectionTitleBar(caption, parent);
    bar->setObjectName(name);
    bar->setGeometry(section.x(), section.y(), section.width(), 16);
    return bar;
}

} // namespace

MainWindow::MainWindow(const platform::Platform& platform, const QString& dataFolder, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), platform_(platform), dataFolder_(dataFolder)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("KT Tessaro"));
    setFixedSize(kClientWidth, kClientHeight);
    setMouseTracking(true);
    decimalSeparator_ = QLocale().decimalPoint().toStdString();

    buildTitleBar();
    buildToolbar();
    buildWheelSection();
    buildHarmonySection();
    buildValuesSection();
    buildColorListSection();
    buildHintLine();

    qApp->installEventFilter(this);
    UpdateFromRgb();
    values_->setRgbSliders(state_.mainColor);
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
    // Children losing the focus while they are destroyed must not reach a
    // window that is already half gone.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void MainWindow::buildTitleBar()
{
    titleBar_ = new controls::TitleBar(QStringLiteral("KT Tessaro ") + platform_.appInfo.version, kTitleBarRect.height(), this);
    titleBar_->setGeometry(kTitleBarRect);
    titleBar_->installEventFilter(this);

    mainMenu_ = new QMenu(this);
    mainMenu_->setObjectName(QStringLiteral("MainPM"));
    QAction* stayOnTop = mainMenu_->addAction(QStringLiteral("St&ay on Top"), this, &MainWindow::ToggleStayOnTop);
    stayOnTop->setObjectName(QStringLiteral("stayOnTopAction"));
    stayOnTop->setCheckable(true);
    mainMenu_->addAction(QStringLiteral("Toggle Super &Minimize"), this, &MainWindow::ToggleSuperMinimize)
        ->setObjectName(QStringLiteral("superMinimizeAction"));

    QToolButton* menuButton = titleBar_->addButton(QStringLiteral("mainMenuButton"), QStringLiteral("\u25BC"), tr("Menu"));
    connect(menuButton, &QToolButton::clicked, this,
            [this, menuButton] { mainMenu_->popup(menuButton->mapToGlobal(QPoint(0, menuButton->height()))); });
    QToolButton* minimize = titleBar_->addButton(QStringLiteral("minimizeButton"), QStringLiteral("_"), tr("Minimize"));
    connect(minimize, &QToolButton::clicked, this, [this] { platform_.windows->minimizeApplication(); });
    QToolButton* close = titleBar_->addButton(QStringLiteral("closeButton"), QStringLiteral("\u2715"), tr("Close"));
    connect(close, &QToolButton::clicked, this, &QWidget::close);

    connect(titleBar_, &controls::TitleBar::moveRequested, this, [this] { platform_.windows->startMove(this); });
    connect(titleBar_, &controls::TitleBar::doubleClicked, this, &MainWindow::ToggleSuperMinimize);
}

void MainWindow::buildToolbar()
{
    toolbar_ = new QWidget(this);
    toolbar_->setObjectName(QStringLiteral("toolbarPNL"));
    toolbar_->setGeometry(kToolbarRect);
    toolbar_->setMouseTracking(true);
    toolbar_->installEventFilter(this);

    // Icons sit at x = 8, 48, ..., 408; Paste, Undo and Redo are the third
    // to fifth.
    auto* paste = addToolbarButton(2, QStringLiteral("pasteButton"), tr("Paste"),
                                   QStringLiteral("Click to paste color."), int(ToolbarIcon::Paste));
    connect(paste, &controls::ToolbarButton::clicked, this, &MainWindow::Paste);
    auto* undo = addToolbarButton(3, QStringLiteral("undoButton"), tr("Undo"), QStringLiteral("Undo."),
                                  int(ToolbarIcon::Undo));
    connect(undo, &controls::ToolbarButton::pressed, this, &MainWindow::Undo);
    auto* redo = addToolbarButton(4, QStringLiteral("redoButton"), tr("Redo"), QStringLiteral("Redo."),
                                  int(ToolbarIcon::Redo));
    connect(redo, &controls::ToolbarButton::pressed, this, &MainWindow::Redo);
}

controls::ToolbarButton* MainWindow::addToolbarButton(int index, const QString& name, const QString& toolTip,
                                                      const QString& hint, int icon)
{
    auto* button = new controls::ToolbarButton(ToolbarPicture(ToolbarIcon(icon), false),
                                               ToolbarPicture(ToolbarIcon(icon), true), toolbar_);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setProperty("hint", hint);
    button->move(7 + 40 * index, 4);
    button->installEventFilter(this);
    toolbarButtons_.push_back(button);
    return button;
}

void MainWindow::buildWheelSection()
{
    AddSectionTitle(this, QStringLiteral("wheelTitle"), QStringLiteral("Main Color & Color Wheel"), kWheelSection);
    mainSwatch_ = new Swatch(Swatch::Shape::Circle, this);
    mainSwatch_->setObjectName(QStringLiteral("shape1"));
    mainSwatch_->setGeometry(71, 144, 60, 60);
    mainSwatch_->installEventFilter(this);
    for (int k = 0; k < 12; ++k)
        wheel_[k] = addDerivedSwatch(QStringLiteral("Shape%1").arg(2 + k), QRect(kWheelPlaces[k], QSize(25, 25)), false);
    for (Swatch* swatch : wheel_)
        swatch->setShape(Swatch::Shape::Circle);
}

void MainWindow::buildHarmonySection()
{
    AddSectionTitle(this, QStringLiteral("harmonyTitle"), QStringLiteral("Harmonious Colors"), kHarmonySection);
    int shape = 14;
    for (const HarmonyRow& row : kHarmonyRows) {
        auto* caption = new QLabel(QString::fromLatin1(row.caption), this);
        caption->setGeometry(212, row.top - 14, 106, 13);
        caption->setStyleSheet(QStringLiteral("font-size: 10px; color: #3A4656;"));
        caption->setAttribute(Qt::WA_TransparentForMouseEvents);
        for (int i = 0; i < row.count; ++i)
            harmony_.push_back(addDerivedSwatch(QStringLiteral("Shape%1").arg(shape++),
                                                QRect(212 + 22 * i, row.top, 20, 20), true));
    }

    AddSectionTitle(this, QStringLiteral("variationsTitle"), QStringLiteral("Quick Variations"), kVariationsSection);
    for (int i = 0; i < 10; ++i)
        variations_[i] = addDerivedSwatch(QStringLiteral("Shape%1").arg(33 + i),
                                          QRect(212 + 22 * (i % 5), i < 5 ? 335 : 357, 20, 20), true);
}

Swatch* MainWindow::addDerivedSwatch(const QString& name, const QRect& geometry, bool rightClickSets)
{
    auto* swatch = new Swatch(Swatch::Shape::Square, this);
    swatch->setObjectName(name);
    swatch->setGeometry(geometry);
    swatch->installEventFilter(this);
    if (rightClickSets)
        connect(swatch, &Swatch::rightReleased, this, [this, swatch] { ApplyCommandColor(swatch->color()); });
    return swatch;
}

void MainWindow::buildValuesSection()
{
    auto* title = AddSectionTitle(this, QStringLiteral("valuesTitle"), QStringLiteral("Color Values"), kValuesSection);
    values_ = new ColorValuesPanel(this);
    values_->setGeometry(kValuesSection.x(), kValuesSection.y() + 16, kValuesSection.width(), kValuesSection.height() - 16);

    buildValuesMenu();
    title->setMenuButton(QStringLiteral("valuesMenuButton"), valuesMenu_);

    connect(values_, &ColorValuesPanel::rgbEntered, this, [this](RgbTriple rgb) {
        SetRgbAndUpdate(rgb);
        RecordHistoryStep();
    });
    connect(values_, &ColorValuesPanel::hslEntered, this, [this](HslTriple hsl) {
        SetHslAndUpdate(hsl);
        RecordHistoryStep();
    });
    connect(values_, &ColorValuesPanel::sliderRgb, this, &MainWindow::SetRgbAndUpdate);
    connect(values_, &ColorValuesPanel::sliderHsl, this, &MainWindow::SetHslAndUpdate);
    connect(values_, &ColorValuesPanel::sliderLeft, this, &MainWindow::RecordHistoryStep);
    connect(values_, &ColorValuesPanel::hexEntered, this, &MainWindow::ApplyHexField);
    connect(values_, &ColorValuesPanel::websafeClicked, this, &MainWindow::MakeWebsafeCommand);
    connect(values_, &ColorValuesPanel::conversionError, this, &MainWindow::showConversionError);

    for (QWidget* child : values_->findChildren<QWidget*>())
        child->installEventFilter(this);
}

void MainWindow::buildValuesMenu()
{
    valuesMenu_ = new QMenu(this);
    valuesMenu_->setObjectName(QStringLiteral("ValuesPM"));
    const auto add = [this](QMenu* menu, const QString& caption, const char* name, auto slot) {
        QAction* action = menu->addAction(caption, this, slot);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    add(valuesMenu_, QStringLiteral("&Random Color"), "randomColorAction", &MainWindow::RandomColorCommand);
    add(valuesMenu_, QStringLiteral("&Invert Color"), "invertColorAction", &MainWindow::InvertColorCommand);
    valuesMenu_->addSeparator();
    add(valuesMenu_, QStringLiteral("&Lighten Color"), "lightenAction", [this] { LightenCommand(kAdjustStep); });
    add(valuesMenu_, QStringLiteral("&Darken Color"), "darkenAction", [this] { LightenCommand(-kAdjustStep); });
    add(valuesMenu_, QStringLiteral("&Saturate Color"), "saturateAction", [this] { SaturateCommand(kAdjustStep); });
    add(valuesMenu_, QStringLiteral("D&esaturate Color"), "desaturateAction",
        [this] { SaturateCommand(-kAdjustStep); });
    valuesMenu_->addSeparator();
    add(valuesMenu_, QStringLiteral("Make &Websafe"), "makeWebsafeAction", &MainWindow::MakeWebsafeCommand);
    QMenu* setTo = valuesMenu_->addMenu(QStringLiteral("Se&t Color to"));
    setTo->setObjectName(QStringLiteral("setColorToMenu"));
    const std::pair<const char*, TColor> colors[] = {
        {"&White", MakeColor(255, 255, 255)}, {"&Black", MakeColor(0, 0, 0)},     {"&Red", MakeColor(255, 0, 0)},
        {"&Green", MakeColor(0, 255, 0)},     {"B&lue", MakeColor(0, 0, 255)},    {"&Cyan", MakeColor(0, 255, 255)},
        {"&Magenta", MakeColor(255, 0, 255)}, {"&Yellow", MakeColor(255, 255, 0)},
    };
    for (const auto& [caption, color] : colors)
        setTo->addAction(QString::fromLatin1(caption), this, [this, color = color] { SetColorToCommand(color); });
    add(valuesMenu_, QStringLiteral("Windows &Color Dialog..."), "colorDialogAction", &MainWindow::ColorDialogCommand);
    valuesMenu_->addSeparator();
    add(valuesMenu_, QStringLiteral("Color Values Page 1"), "valuesPage1Action", [this] { values_->showPage(1); });
    add(valuesMenu_, QStringLiteral("Color Values Page 2"), "valuesPage2Action", [this] { values_->showPage(2); });
}

void MainWindow::buildColorListSection()
{
    AddSectionTitle(this, QStringLiteral("listTitle"), QStringLiteral("Color List"), kListSection);
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("colorListArea"));
    area->setGeometry(kListSection.adjusted(4, 20, -4, -4));
    area->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void MainWindow::buildHintLine()
{
    hintLabel_ = new QLabel(this);
    hintLabel_->setObjectName(QStringLiteral("hintLBL"));
    hintLabel_->setGeometry(kHintRect);
    hintLabel_->setWordWrap(true);
    hintLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hintLabel_->setTextFormat(Qt::PlainText);
    hintLabel_->setStyleSheet(QStringLiteral("color: #24303C;"));
    ShowHint(hints::kWelcome);
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

void MainWindow::SetMainColor(TColor color)
{
    mainSwatch_->setColor(color);
    SetRgbAndUpdate(ToRgb(color));
    values_->setRgbSliders(color);
}

void MainWindow::SetRgbAndUpdate(RgbTriple rgb)
{
    state_.red = rgb.red;
    state_.green = rgb.green;
    state_.blue = rgb.blue;
    UpdateFromRgb();
}

void MainWindow::SetHslAndUpdate(HslTriple hsl)
{
    state_.hue = hsl.hue;
    state_.saturation = hsl.saturation;
    state_.lightness = hsl.lightness;
    UpdateFromHsl();
}

const KeyValueText* MainWindow::nameLookup() const
{
    if (!state_.ready || !state_.nameList || !QFileInfo::exists(dataFolder_ + QStringLiteral("colors.txt")))
        return nullptr;
    return &*state_.nameList;
}

void MainWindow::UpdateFromRgb()
{
    RecomputeFromRgb(state_, nameLookup(), decimalSeparator_);
    showState();
}

void MainWindow::UpdateFromHsl()
{
    RecomputeFromHsl(state_, nameLookup(), decimalSeparator_);
    showState();
}

void MainWindow::showState()
{
    mainSwatch_->setColor(state_.mainColor);
    values_->showState(state_);
    const DerivedPalette& p = state_.palette;
    for (int k = 0; k < 12; ++k)
        wheel_[k]->setColor(p.wheel[k]);
    const std::span<const TColor> sets[] = {p.analogous, p.complements, p.splitComplements,
                                            p.triad,     p.tetrad,      p.square};
    std::size_t i = 0;
    for (const auto set : sets)
        for (TColor color : set)
            harmony_[i++]->setColor(color);
    for (int k = 0; k < 10; ++k)
        variations_[k]->setColor(p.quickVariations[k]);
}

void MainWindow::LoadColorNames()
{
    QFile file(dataFolder_ + QStringLiteral("colors.txt"));
    if (!file.exists() || !file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    const std::u16string text = DecodeFileText(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    state_.nameList = KeyValueText::Parse(Utf16ToUtf8(text));
}

void MainWindow::SetReady()
{
    state_.ready = true;
}

void MainWindow::RecordHistoryStep()
{
    if (history_)
        history_->RecordHistoryStep(state_.mainColor);
}

void MainWindow::setHistory(colorlist::HistoryWindow* history)
{
    history_ = history;
}

void MainWindow::Undo()
{
    if (history_)
        history_->Undo();
}

void MainWindow::Redo()
{
    if (history_)
        history_->Redo();
}

void MainWindow::RandomColorCommand()
{
    ApplyCommandColor(RandomColor());
}

void MainWindow::InvertColorCommand()
{
    ApplyCommandColor(InvertColor(state_.mainColor));
}

void MainWindow::LightenCommand(int step)
{
    ApplyCommandColor(MakeColor(AdjustLightness(state_.rgb(), step)));
}

void MainWindow::SaturateCommand(int step)
{
    ApplyCommandColor(MakeColor(AdjustSaturation(state_.rgb(), step)));
}

void MainWindow::MakeWebsafeCommand()
{
    ApplyCommandColor(MakeColor(SnapToWebsafe(state_.rgb())));
}

void MainWindow::ColorDialogCommand()
{
    if (const std::optional<TColor> chosen = platform_.dialogs->chooseColor(this, state_.mainColor))
        ApplyCommandColor(*chosen);
}

void MainWindow::SetColorToCommand(TColor color)
{
    ApplyCommandColor(color);
}

void MainWindow::Paste()
{
    const QString text = platform_.clipboard->text();
    const std::u16string_view view(reinterpret_cast<const char16_t*>(text.utf16()), std::size_t(text.size()));
    for (TColor color : ScanColorText(view))
        ApplyCommandColor(color);
}

void MainWindow::ApplyCommandColor(TColor color)
{
    SetMainColor(color);
    RecordHistoryStep();
}

void MainWindow::ApplyHexField(const QString& text)
{
    TColor color;
    try {
        color = HexFieldToColor(text.toUpper().toStdString());
    } catch (const ConversionError& error) {
        showConversionError(QString::fromStdString(error.what()));
        return;
    }
    ApplyCommandColor(color);
}

void MainWindow::showConversionError(const QString& message)
{
    platform_.dialogs->error(this, QStringLiteral("KT Tessaro"), message);
}

void MainWindow::ToggleSuperMinimize()
{
    rolledUp_ = !rolledUp_;
    setFixedHeight(rolledUp_ ? kRolledUpHeight : kClientHeight);
    if (history_ && history_->isVisible())
        history_->ToggleRollUp();
}

void MainWindow::ToggleStayOnTop()
{
    stayOnTop_ = !stayOnTop_;
    platform_.windows->setTopmost(this, stayOnTop_);
    if (QAction* action = mainMenu_->findChild<QAction*>(QStringLiteral("stayOnTopAction")))
        action->setChecked(stayOnTop_);
}

bool MainWindow::HandleShortcut(int key, Qt::KeyboardModifiers modifiers)
{
    const bool ctrl = modifiers & Qt::ControlModifier;
    if (key == Qt::Key_F12 && !ctrl) {
        ToggleSuperMinimize();
        return true;
    }
    if (!ctrl)
        return false;
    switch (key) {
    case Qt::Key_T: ToggleStayOnTop(); return true;
    case Qt::Key_W: MakeWebsafeCommand(); return true;
    case Qt::Key_Z: Undo(); return true;
    case Qt::Key_Y: Redo(); return true;
    case Qt::Key_P: Paste(); return true;
    default: return false;
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (HandleShortcut(key->key(), key->modifiers()))
                return true;
        }
        return false;
    }
    if (watched == toolbar_ && event->type() == QEvent::MouseMove) {
        clearToolbarHighlight();
        return false;
    }
    if (event->type() != QEvent::Enter || !watched->isWidgetType())
        return false;

    auto* widget = static_cast<QWidget*>(watched);
    if (widget == mainSwatch_) {
        ShowHint(hints::MainSwatchHint(mainSwatch_->color(), state_.isWebsafe));
    } else if (auto* swatch = qobject_cast<Swatch*>(widget)) {
        ShowHint(hints::DerivedSwatchHint(swatch->color()));
    } else if (widget == titleBar_) {
        ShowHint(hints::kTitleBar);
    } else if (widget->objectName() == QLatin1String("htmlEdit")) {
        ShowHint(hints::kHexEdit);
    } else if (widget->objectName() == QLatin1String("WebsafeLBL")) {
        ShowHint(hints::kWebsafeLabel);
    } else if (widget->objectName() == QLatin1String("clrnamed")) {
        ShowHint(hints::kColorName);
    } else if (qobject_cast<ValueEdit*>(widget)) {
        ShowHint(hints::kValueEdit);
    } else if (qobject_cast<controls::ToolbarButton*>(widget)) {
        ShowHint(widget->property("hint").toString());
    }
    return false;
}

void MainWindow::clearToolbarHighlight()
{
    for (controls::ToolbarButton* button : toolbarButtons_)
        button->setHighlighted(false);
    ShowHint(QString());
}

void MainWindow::mouseMoveEvent(QMouseEvent* event)
{
    clearToolbarHighlight();
    QWidget::mouseMoveEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    emit closing();
    event->accept();
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (state_.ready && history_ && history_->isVisible())
        history_->DockToMainWindow();
}

void MainWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kWindowBackground);
    painter.setPen(kSectionBorder);
    for (const QRect& section : {kWheelSection, kValuesSection, kHarmonySection, kVariationsSection, kListSection}) {
        painter.setBrush(kSectionBackground);
        painter.drawRect(section.adjusted(0, 0, -1, -1));
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tessaro::workspace
