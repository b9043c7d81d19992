#include "layouts/test_color_window.h"

#include "controls/title_bar.h"
#include "engine/color_text.h"
#include "engine/conversion_error.h"
#include "platform/qt_color.h"
#include "platform/qt_fonts.h"
#include "engine/named_color.h"
#include "layouts/color_scheme.h"
#include "layouts/document_properties_dialog.h"
#include "layouts/drop_color.h"
#include "layouts/layout_editor.h"
#include "layouts/layout_writer.h"
#include "layouts/selection_frame.h"
#include "layouts/layout_names.h"
#include "layouts/test_area_view.h"
#include "layouts/text_contrast.h"
#include "layouts/text_edit_window.h"
#include "platform/replace_file.h"
#include "platform/text_files.h"

#include <QActionGroup>
#include <QApplication>
#include <QSignalBlocker>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QIcon>
#include <QMenu>
#include <QCloseEvent>
#include <QPixmap>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

namespace tessaro::layouts {

namespace {

constexpr int kAreaLeft = 8;
constexpr int kAreaTop = 40;
constexpr int kHeaderHeight = 14;
constexpr int kButtonHeight = 20;
const QColor kFrameLineColor(0xDB, 0xDB, 0xDB);

const QString kFlatButtonStyle = QStringLiteral(
    "QPushButton { border: 1px solid #C0C0C0; background: #F4F4F4; padding: 0; }"
    "QPushButton:pressed { border-style: inset; border-color: #808080; background: #E4E4E4; }");
const QString kHeaderStyle = QStringLiteral("QLabel { background: #E6E6E6; color: #4D4D4D; }");

QLabel* Header(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setStyleSheet(kHeaderStyle);
    QFont font = label->font();
    font.setPixelSize(11);
    font.setBold(true);
    label->setFont(font);
    return label;
}

QPushButton* FlatButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setFlat(true);
    button->setStyleSheet(kFlatButtonStyle);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

const char* VisionCaption(ColorVision vision)
{
    switch (vision) {
    case ColorVision::Normal: return "Normal";
    case ColorVision::Protanopia: return "Protanopia (no red cones)";
    case ColorVision::Deuteranopia: return "Deuteranopia (no green cones)";
    case ColorVision::Tritanopia: return "Tritanopia (no blue cones)";
    case ColorVision::Greyscale: return "Greyscale";
    }
    return "Normal";
}

} // namespace

// Hands the window's editing keys to it before any shortcut or control.
class TestColorWindow::EditKeyFilter : public QObject {
public:
    explicit EditKeyFilter(TestColorWindow* window) : QObject(window), window_(window) {}
    bool eventFilter(QObject* watched, QEvent* event) override { return window_->takeEditKey(watched, event); }

private:
    TestColorWindow* window_;
};

TestColorWindow::TestColorWindow(const platform::Platform& platform, const QString& programFolder, QWidget* parent)
    : controls::ToolWindow(platform, QStringLiteral("Test Color"), QSize(619, 451), kTitleHeight, Qt::Tool, parent),
      programFolder_(programFolder),
      areaTitle_(Header(QString(), QStringLiteral("areaTitle"), this)),
      view_(new TestAreaView(area_, pictures_, this)),
      status_(new QLabel(kStartStatus, this))
{
    setObjectName(QStringLiteral("TestColorWindow"));
    addCloseButton();
    setMouseTracking(true);
    layout_.fields = ReadDocumentFields(layout_.lines);

    showAreaTitle();
    // Tahoma 8 of the classic desktop is not installed here: the program's
    // face at the same pixel size keeps the longest fixed text on its line.
    QFont statusFont = platform::ProgramFont();
    statusFont.setPixelSize(11);
    status_->setObjectName(QStringLiteral("statusText"));
    status_->setFont(statusFont);
    status_->setStyleSheet(QStringLiteral("QLabel { color: #4D4D4D; }"));

    connect(view_, &TestAreaView::colorDropped, this,
            [this](HitTarget hit, colorlist::DraggedColor dragged) { DropColor(hit, dragged.color, dragged.source); });
    connect(view_, &TestAreaView::pointerOver, this, &TestColorWindow::showPointerStatus);
    connect(view_, &TestAreaView::dragEntered, this, [this] { raise(); });

    buildLayoutsMenu();
    buildColumn();
    readUserLayouts();
    ReadSchemeList();

    frame_ = new SelectionFrame(area_, view_);
    editor_ = new LayoutEditor(platform, area_, pictures_, *frame_, layoutsFolder(), pages_->widget(1),
                               pages_->widget(2));
    askProperties_ = [this](const DocumentFields& fields) { return DocumentPropertiesDialog::Ask(fields, this); };
    connect(editor_, &LayoutEditor::showPage, pages_, &QStackedWidget::setCurrentIndex);
    connect(editor_, &LayoutEditor::objectsChanged, this, &TestColorWindow::markChanged);
    connect(editor_, &LayoutEditor::documentResized, this, [this] {
        markChanged();
        applyDocumentSize();
    });
    connect(editor_, &LayoutEditor::saveAsRequested, this, &TestColorWindow::SaveLayoutAs);
    connect(editor_, &LayoutEditor::quitRequested, this, &TestColorWindow::QuitEditMode);
    connect(frame_, &SelectionFrame::objectsChanged, this, [this] {
        markChanged();
        editor_->ShowCurrent();
    });
    connect(frame_, &SelectionFrame::hovered, editor_, &LayoutEditor::ShowCurrent);
    textEdit_ = new TextEditWindow(platform, this);
    connect(frame_, &SelectionFrame::textEditRequested, this, &TestColorWindow::EditCurrentText);
    connect(frame_, &SelectionFrame::deletePressed, this, [this] {
        QComboBox* visible = editor_->choice(QStringLiteral("visibleChoice"));
        visible->setCurrentIndex(1);
        emit visible->activated(1);
    });
    connect(view_, &TestAreaView::released, this, &TestColorWindow::selectReleased);
    connect(view_, &TestAreaView::backgroundPressed, this, [this] {
        editor_->setObjectColorText(QString::fromStdString(ColorToNamedText(area_.background)));
        frame_->LetGoAll();
        frame_->setMultiSelect(false);
    });
    connect(this, &TestColorWindow::editLayoutRequested, this, &TestColorWindow::EnterEditMode);
    // Sees Ctrl+Z and Ctrl+Y of every control of this window first.
    editKeys_ = new EditKeyFilter(this);
    qApp->installEventFilter(editKeys_);
    connect(this, &TestColorWindow::newLayoutRequested, this, &TestColorWindow::NewLayout);
    applyDocumentSize();
}

void TestColorWindow::buildLayoutsMenu()
{
    layoutsMenu_ = new QMenu(this);
    layoutsMenu_->setObjectName(QStringLiteral("LayoutsPM"));
    layoutsMenu_->addAction(QStringLiteral("New Layout"), this, &TestColorWindow::newLayoutRequested)
        ->setObjectName(QStringLiteral("newLayoutAction"));
    layoutsMenu_->addAction(QStringLiteral("Edit Layout"), this, &TestColorWindow::editLayoutRequested)
        ->setObjectName(QStringLiteral("editLayoutAction"));
    layoutsMenu_->addAction(QStringLiteral("Delete Layout"), this, &TestColorWindow::DeleteLayout)
        ->setObjectName(QStringLiteral("deleteLayoutAction"));
    layoutsMenu_->addSeparator();
    showTextsAction_ = layoutsMenu_->addAction(QStringLiteral("Show Texts and Images"), this,
                                               &TestColorWindow::ToggleShowTexts);
    showTextsAction_->setObjectName(QStringLiteral("showTextsAction"));
    showTextsAction_->setCheckable(true);
    showTextsAction_->setChecked(showTexts_);
    layoutsMenu_->addSeparator();
    layoutsMenu_->addAction(QStringLiteral("Restore to Default Colors"), this, &TestColorWindow::RestoreDefaultColors)
        ->setObjectName(QStringLiteral("restoreColorsAction"));
    layoutsMenu_->addSeparator();
    QMenu* viewAs = layoutsMenu_->addMenu(QStringLiteral("View as"));
    viewAs->setObjectName(QStringLiteral("ViewAsPM"));
    auto* group = new QActionGroup(viewAs);
    for (ColorVision vision : kColorVisions) {
        QAction* action = viewAs->addAction(QString::fromLatin1(VisionCaption(vision)), this,
                                            [this, vision] { setVision(vision); });
        action->setObjectName(QStringLiteral("view_") + QString::fromLatin1(ColorVisionName(vision)));
        action->setCheckable(true);
        action->setChecked(vision == ColorVision::Normal);
        group->addAction(action);
        visionActions_.append(action);
    }
    layoutsMenu_->addAction(QStringLiteral("Contrast Report"), this, &TestColorWindow::ShowContrastReport)
        ->setObjectName(QStringLiteral("contrastReportAction"));
    contrastFixes_ = layoutsMenu_->addMenu(QStringLiteral("Contrast Fixes"));
    contrastFixes_->setObjectName(QStringLiteral("contrastFixesMenu"));
    connect(contrastFixes_, &QMenu::aboutToShow, this, [this] {
        contrastFixes_->clear();
        const std::vector<TextContrastFix> fixes = ContrastFixes(area_);
        for (const TextContrastFix& fix : fixes) {
            const QString hex = QString::fromStdString(HashHexText(fix.suggested));
            QPixmap swatch(12, 12);
            swatch.fill(QColor::fromRgb(ToQRgb(fix.suggested)));
            contrastFixes_->addAction(QIcon(swatch), QStringLiteral("Text %1: use %2").arg(fix.textNumber).arg(hex),
                                      this, [this, fix] { ApplyContrastFix(fix); });
        }
        if (fixes.empty())
            contrastFixes_->addAction(QStringLiteral("Every text passes AA"))->setEnabled(false);
    });
}

void TestColorWindow::buildColumn()
{
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("columnPages"));
    auto* layoutsPage = new QWidget(pages_);
    layoutsPage->setObjectName(QStringLiteral("testLayoutsPage"));
    pages_->addWidget(layoutsPage);
    for (const char* name : {"editLayoutPage", "advancedOptionsPage"}) {
        auto* page = new QWidget(pages_);
        page->setObjectName(QString::fromLatin1(name));
        pages_->addWidget(page);
    }
    pages_->setCurrentIndex(0);

    QLabel* header = Header(QStringLiteral(" Test Layouts"), QStringLiteral("testLayoutsTitle"), layoutsPage);
    header->setGeometry(0, 0, kColumnWidth, kHeaderHeight);
    auto* menuButton = new QToolButton(layoutsPage);
    menuButton->setObjectName(QStringLiteral("layoutsMenuButton"));
    menuButton->setText(QStringLiteral("\u25BE"));
    menuButton->setAutoRaise(true);
    menuButton->setFocusPolicy(Qt::NoFocus);
    menuButton->setGeometry(kColumnWidth - kHeaderHeight, 0, kHeaderHeight, kHeaderHeight);
    connect(menuButton, &QToolButton::clicked, this,
            [this, menuButton] { layoutsMenu_->popup(menuButton->mapToGlobal(QPoint(0, menuButton->height()))); });

    layoutList_ = new QListWidget(layoutsPage);
    layoutList_->setObjectName(QStringLiteral("layoutList"));
    for (const char* name : kLayoutNames)
        layoutList_->addItem(QString::fromUtf8(name));
    layoutList_->setCurrentRow(0);
    connect(layoutList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { SelectLayout(layoutList_->row(item)); });
    // The arrow keys and type-ahead load the entry they reach, so the list
    // always names the layout shown (a click loads on its release, above).
    connect(layoutList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != loadedRow_ && QApplication::mouseButtons() == Qt::NoButton)
            SelectLayout(row);
    });

    editLayoutButton_ = FlatButton(QStringLiteral("Edit Layout"), QStringLiteral("editLayoutButton"), layoutsPage);
    newLayoutButton_ = FlatButton(QStringLiteral("New Layout"), QStringLiteral("newLayoutButton"), layoutsPage);
    connect(editLayoutButton_, &QPushButton::clicked, this, &TestColorWindow::editLayoutRequested);
    connect(newLayoutButton_, &QPushButton::clicked, this, &TestColorWindow::newLayoutRequested);

    schemeHeader_ = Header(QStringLiteral(" Saved Schemes"), QStringLiteral("schemeTitle"), layoutsPage);
    schemeList_ = new QListWidget(layoutsPage);
    schemeList_->setObjectName(QStringLiteral("schemeList"));
    connect(schemeList_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ApplyScheme(schemeList_->row(item)); });
    saveSchemeButton_ = FlatButton(QStringLiteral("Save Scheme"), QStringLiteral("saveSchemeButton"), layoutsPage);
    connect(saveSchemeButton_, &QPushButton::clicked, this, &TestColorWindow::SaveScheme);
    useDefaultScheme_ = new QCheckBox(QStringLiteral("Use default color scheme"), layoutsPage);
    useDefaultScheme_->setObjectName(QStringLiteral("useDefaultScheme"));
    useDefaultScheme_->setChecked(true);

    for (QWidget* widget : {static_cast<QWidget*>(editLayoutButton_), static_cast<QWidget*>(newLayoutButton_),
                            static_cast<QWidget*>(schemeList_), static_cast<QWidget*>(saveSchemeButton_)}) {
        widget->setMouseTracking(true);
        widget->installEventFilter(this);
    }
    schemeList_->viewport()->setMouseTracking(true);
    schemeList_->viewport()->installEventFilter(this);
    schemeList_->installEventFilter(this);
}

void TestColorWindow::applyDocumentSize()
{
    const int w = area_.width;
    const int h = area_.height;
    if (frame_) {
        frame_->setGeometry(0, 0, w, h);
        frame_->Refresh();
    }
    const ClientSize client = WindowClientSize(w, h);
    setFixedWidth(client.width);
    titleBar()->setFixedWidth(client.width);
    setRestoredHeight(client.height);

    areaTitle_->setGeometry(kAreaLeft - 1, 26, w + 2, kHeaderHeight);
    view_->setGeometry(kAreaLeft, kAreaTop, w, h);
    status_->setGeometry(kAreaLeft, kAreaTop + h + 6, w + 180, 16);

    // The column beside the area, as tall as the area and its title.
    const int columnHeight = h + kHeaderHeight;
    pages_->setGeometry(kAreaLeft + w + 6, 26, kColumnWidth, columnHeight);
    const int fixed = kHeaderHeight + 1 + kButtonHeight + 2 + kHeaderHeight + 2 + kButtonHeight + 2 + 18;
    const int free = std::max(40, columnHeight - fixed);
    const int layoutsHeight = free * 3 / 5;
    const int schemesHeight = free - layoutsHeight;
    int y = kHeaderHeight + 1;
    layoutList_->setGeometry(0, y, kColumnWidth, layoutsHeight);
    y += layoutsHeight + 1;
    const int half = (kColumnWidth - 1) / 2;
    editLayoutButton_->setGeometry(0, y, half, kButtonHeight);
    newLayoutButton_->setGeometry(half + 1, y, kColumnWidth - half - 1, kButtonHeight);
    y += kButtonHeight + 2;
    schemeHeader_->setGeometry(0, y, kColumnWidth, kHeaderHeight);
    y += kHeaderHeight + 1;
    schemeList_->setGeometry(0, y, kColumnWidth, schemesHeight);
    y += schemesHeight + 1;
    saveSchemeButton_->setGeometry(0, y, kColumnWidth, kButtonHeight);
    y += kButtonHeight + 1;
    useDefaultScheme_->setGeometry(0, y, kColumnWidth, 18);
    update();
}

void TestColorWindow::paintBody(QPainter& painter)
{
    ToolWindow::paintBody(painter);
    // Thin lines along the test area's left, right and bottom sides.
    painter.setPen(kFrameLineColor);
    const int right = kAreaLeft + area_.width;
    const int bottom = kAreaTop + area_.height;
    painter.drawLine(kAreaLeft - 1, kAreaTop, kAreaLeft - 1, bottom);
    painter.drawLine(right, kAreaTop, right, bottom);
    painter.drawLine(kAreaLeft - 1, bottom, right, bottom);
}

QString TestColorWindow::statusText() const
{
    return status_->text();
}

QString TestColorWindow::areaTitle() const
{
    return QString::fromStdString(TestAreaTitle(area_.title));
}

// The header above the document: its title, and while the colours are
// shown as another eye sees them, which view that is.
void TestColorWindow::showAreaTitle()
{
    QString text = QStringLiteral(" ") + areaTitle();
    if (const ColorVision shown = view_->vision(); shown != ColorVision::Normal) {
        const QString caption = QString::fromLatin1(VisionCaption(shown));
        text += QStringLiteral(" - viewed as ") + caption.left(caption.indexOf(QStringLiteral(" (")));
    }
    areaTitle_->setText(text);
}

void TestColorWindow::setStatus(const QString& text)
{
    status_->setText(text);
}

void TestColorWindow::setShowTexts(bool on)
{
    showTexts_ = on;
    showTextsAction_->setChecked(on);
}

void TestColorWindow::Toggle()
{
    if (isVisible() && isActiveWindow()) {
        if (MayLeaveLayout())
            hide();
        return;
    }
    platform().windows->showToolWindow(this);
    activateWindow();
}

void TestColorWindow::showEvent(QShowEvent* event)
{
    ToolWindow::showEvent(event);
    // Every showing by the program starts again from the first layout (a
    // window coming back from the desktop's minimise is no new showing).
    // While editing, the window only comes back after the program hid it
    // (a minimise, a screen grab): the edited layout stays.
    if (!event->spontaneous() && !editMode_)
        SelectLayout(0);
}

void TestColorWindow::closeEvent(QCloseEvent* event)
{
    if (!MayLeaveLayout()) {
        event->ignore();
        return;
    }
    ToolWindow::closeEvent(event);
}

void TestColorWindow::closeByHand()
{
    if (MayLeaveLayout())
        ToolWindow::closeByHand();
}

bool TestColorWindow::SelectLayout(int row)
{
    if (row < 0 || row >= layoutList_->count())
        return false;
    if (!MayLeaveLayout()) {
        showLoadedRow();
        return false;
    }
    const QSignalBlocker quiet(layoutList_);
    layoutList_->setCurrentRow(row);
    LoadLayout();
    return true;
}

// The list marks the layout shown: its entry, or none for a new layout
// that has no file yet.
void TestColorWindow::showLoadedRow()
{
    const QSignalBlocker quiet(layoutList_);
    layoutList_->setCurrentRow(loadedRow_);
}

void TestColorWindow::loadPicture(const LayoutObject& image)
{
    pictures_[std::size_t(image.number - 1)] = platform().pictures->load(QString::fromStdString(image.picturePath));
}

void TestColorWindow::LoadLayout()
{
    for (QImage& picture : pictures_)
        picture = QImage();
    const QListWidgetItem* item = layoutList_->currentItem();
    if (item) {
        // A file that cannot be read leaves the lines read last in effect.
        if (std::optional<TestLayout> read = ReadTestLayout((layoutsFolder() + item->text()).toStdString()))
            layout_ = std::move(*read);
    }
    try {
        ApplyLayout(area_, layout_, showTexts_, layoutsFolder().toStdString(),
                    [this](const LayoutObject& image) { loadPicture(image); });
    } catch (const ConversionError& error) {
        platform().dialogs->error(this, QStringLiteral("KT Tessaro"), QString::fromStdString(error.what()));
    } catch (const platform::PictureError& error) {
        platform().dialogs->error(this, QStringLiteral("KT Tessaro"), QString::fromStdString(error.what()));
    }
    showAreaTitle();
    // The editor's record of picture names follows the load.
    editor_->imageNames().clear();
    for (const LayoutObject& image : area_.images)
        if (!image.fileValue.empty())
            editor_->imageNames().insert(image.number, QString::fromStdString(image.fileValue));
    frame_->LetGoAll();
    editor_->ShowDocumentSize();
    savedArrangement_ = area_;
    unsavedNewLayout_ = false;
    loadedRow_ = layoutList_->currentRow();
    applyDocumentSize();
    view_->update();
}

bool TestColorWindow::layoutChanged() const
{
    return unsavedNewLayout_ || !SameArrangement(area_, savedArrangement_);
}

int TestColorWindow::currentPage() const
{
    return pages_->currentIndex();
}

void TestColorWindow::markChanged()
{
    if (editMode_ && !restoring_)
        editHistory_.Record(area_);
    view_->update();
}

// The key filter goes before the children: their destruction sends events
// that it must no longer hand to a half-destroyed window.
TestColorWindow::~TestColorWindow()
{
    delete editKeys_;
}

void TestColorWindow::UndoEdit()
{
    restoreEdit(&EditHistory::Undo);
}

void TestColorWindow::RedoEdit()
{
    restoreEdit(&EditHistory::Redo);
}

// The objects as an earlier or later step left them, shown everywhere.
void TestColorWindow::restoreEdit(bool (EditHistory::*step)(TestArea&))
{
    restoring_ = true;
    if ((editHistory_.*step)(area_)) {
        applyDocumentSize();
        frame_->Refresh();
        editor_->ShowCurrent();
        editor_->ShowDocumentSize();
    }
    restoring_ = false;
    view_->update();
}

bool TestColorWindow::takeEditKey(QObject* watched, QEvent* event)
{
    if (!editMode_ || (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool undo = key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Z);
    const bool redo = key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
    if (!undo && !redo)
        return false;
    // Claimed before the program's own Ctrl+Z and Ctrl+Y (the main colour's
    // history) and before a box's own undo.
    event->accept();
    if (event->type() == QEvent::KeyPress) {
        if (undo)
            UndoEdit();
        else
            RedoEdit();
    }
    return true;
}

void TestColorWindow::selectReleased(const HitTarget& hit)
{
    if (hit.what == HitTarget::What::Background)
        return;
    if (!frame_->multiSelect())
        frame_->LetGoAll();
    editor_->Select({hit.kind, hit.number});
}

void TestColorWindow::EditCurrentText()
{
    const std::optional<ObjectRef> current = editor_->current();
    if (!current)
        return;
    textEdit_->Open(area_.Object(current->kind, current->number), [this] { markChanged(); });
    if (textEdit_->exec() == QDialog::Accepted)
        editor_->ShowCurrent();
}

void TestColorWindow::EnterEditMode()
{
    // The boxes show the current object as this layout has it, not as the
    // layout edited before had it.
    editor_->ShowCurrent();
    editHistory_.Reset(area_);
    editMode_ = true;
    view_->setEditMode(true);
    pages_->setCurrentIndex(1);
}

void TestColorWindow::NewLayout()
{
    if (!MayLeaveLayout())
        return;
    const TestArea initial = InitialTestArea();
    for (std::size_t i = 0; i < area_.shapes.size(); ++i) {
        const TColor fill = area_.shapes[i].fill, outline = area_.shapes[i].outline;
        area_.shapes[i] = initial.shapes[i];
        area_.shapes[i].fill = fill;
        area_.shapes[i].outline = outline;
        area_.shapes[i].visible = true;
    }
    for (std::size_t i = 0; i < area_.texts.size(); ++i) {
        const TColor color = area_.texts[i].textColor;
        area_.texts[i] = initial.texts[i];
        area_.texts[i].textColor = color;
        area_.texts[i].visible = true;
    }
    for (std::size_t i = 0; i < area_.images.size(); ++i) {
        area_.images[i] = initial.images[i];
        area_.images[i].visible = true;
        pictures_[i] = QImage();
    }
    area_.width = initial.width;
    area_.height = initial.height;
    area_.title = "New Layout";
    layout_ = TestLayout{};
    layout_.fields.title = "New Layout";
    editor_->imageNames().clear();
    frame_->LetGoAll();
    showAreaTitle();
    editor_->ShowDocumentSize();
    applyDocumentSize();
    unsavedNewLayout_ = true;
    loadedRow_ = -1;
    showLoadedRow();
    EnterEditMode();
}

bool TestColorWindow::QuitEditMode()
{
    if (layoutChanged()) {
        const platform::Answer answer = platform().dialogs->askYesNoCancel(
            this, QStringLiteral("Save?"), QStringLiteral("The layout has been changed. Do you want to save it?"));
        if (answer == platform::Answer::Cancel)
            return false;
        if (answer == platform::Answer::Yes && !SaveLayoutAs())
            return false;
    }
    editMode_ = false;
    view_->setEditMode(false);
    frame_->LetGoAll();
    pages_->setCurrentIndex(0);
    return true;
}

bool TestColorWindow::MayLeaveLayout()
{
    return !editMode_ || QuitEditMode();
}

bool TestColorWindow::SaveLayoutAs()
{
    DocumentFields fields = layout_.fields;
    fields.title = area_.title;
    fields.width = std::to_string(area_.width);
    fields.height = std::to_string(area_.height);
    const std::optional<DocumentFields> chosen = askProperties_(fields);
    if (!chosen)
        return false;
    const std::optional<QString> path = platform().dialogs->saveFile(
        this, QStringLiteral("Save Test Layout As"),
        {{QStringLiteral("KT Tessaro Test Layout (*.sts)"), QStringLiteral("*.sts")}}, QStringLiteral("sts"),
        layoutsFolder() + offeredFileName(*chosen));
    if (!path)
        return false;
    // The properties' size, when it is a number, is the document's size.
    for (auto [text, side] : {std::pair{chosen->width, &area_.width}, std::pair{chosen->height, &area_.height}})
        if (const std::optional<std::int32_t> value = TryReadInteger(text))
            *side = std::clamp(int(*value), 0, kMaxDocumentSide);
    area_.title = chosen->title;
    // Image names as the editor recorded them.
    for (LayoutObject& image : area_.images)
        image.fileValue = editor_->imageNames().value(image.number).toStdString();
    const std::string text = TestLayoutText(*chosen, area_);
    int error = 0;
    if (!ReplaceFileBytes(path->toStdString(), text, &error)) {
        showSaveError(QStringLiteral("Can not save the layout to %1").arg(*path), error);
        return false;
    }
    layout_ = ParseTestLayout(text);
    savedArrangement_ = area_;
    unsavedNewLayout_ = false;
    showAreaTitle();
    applyDocumentSize();
    // A file of the layouts folder joins the list under its name.
    const QFileInfo saved(*path);
    if (saved.absolutePath() + QLatin1Char('/') == QFileInfo(layoutsFolder()).absoluteFilePath() ||
        QDir(saved.absolutePath()) == QDir(layoutsFolder())) {
        const QList<QListWidgetItem*> found = layoutList_->findItems(saved.fileName(), Qt::MatchExactly);
        const QSignalBlocker quiet(layoutList_);
        if (found.isEmpty()) {
            layoutList_->addItem(saved.fileName());
            addUserLayout(saved.fileName());
            layoutList_->setCurrentRow(layoutList_->count() - 1);
        } else {
            layoutList_->setCurrentItem(found.first());
        }
        loadedRow_ = layoutList_->currentRow();
    }
    return true;
}

// The list of saved layouts is rewritten whole with the new name at its
// end, so a full disk can never leave half a line in it.
void TestColorWindow::addUserLayout(const QString& name)
{
    const QString list = userLayoutsFile();
    const QString what = QStringLiteral("Can not add %1 to %2").arg(name, list);
    const std::optional<QByteArray> old = QFileInfo::exists(list) ? platform::ReadFileBytes(list) : QByteArray();
    if (!old) {
        platform().dialogs->error(this, QStringLiteral("KT Tessaro"), what + QStringLiteral(":\nThe list can not be read"));
        return;
    }
    int error = 0;
    if (!platform::WriteFileBytes(list, *old + name.toUtf8() + "\r\n", &error))
        showSaveError(what, error);
}

void TestColorWindow::showSaveError(const QString& what, int error)
{
    platform().dialogs->error(this, QStringLiteral("KT Tessaro"),
                              what + QStringLiteral(":\n") + QString::fromLocal8Bit(ReplaceErrorText(error)));
}

QString TestColorWindow::offeredFileName(const DocumentFields& fields) const
{
    if (!unsavedNewLayout_)
        if (const QListWidgetItem* loaded = layoutList_->item(loadedRow_))
            return loaded->text();
    QString name = QString::fromStdString(fields.title).trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return (name.isEmpty() ? QStringLiteral("New Layout") : name) + QStringLiteral(".sts");
}

void TestColorWindow::readUserLayouts()
{
    QFile list(userLayoutsFile());
    if (!list.open(QIODevice::ReadOnly) || list.size() > (1 << 20))
        return;
    for (const QByteArray& line : list.readAll().split('\n')) {
        const QString name = QString::fromUtf8(line.trimmed());
        if (!name.isEmpty() && !name.contains(QLatin1Char('/')) && layoutList_->findItems(name, Qt::MatchExactly).isEmpty())
            layoutList_->addItem(name);
    }
}

void TestColorWindow::DropColor(const HitTarget& hit, TColor color, colorlist::DragSource source)
{
    if (!layouts::DropColor(area_, hit, color, source))
        return;
    schemeChanged_ = true;
    view_->update();
    showPointerStatus(hit);
}

void TestColorWindow::ApplyContrastFix(const TextContrastFix& fix)
{
    // As dropped from a text of the area, which every text takes.
    DropColor(HitTarget{HitTarget::What::Object, ObjectKind::Text, fix.textNumber}, fix.suggested,
              colorlist::DragSource::TestText);
}

void TestColorWindow::RestoreDefaultColors()
{
    if (schemeChanged_ && platform().dialogs->askYesNo(this, QStringLiteral("Restore?"),
                                                       QStringLiteral("Restore to default colors? ")) !=
                              platform::Answer::Yes)
        return;
    try {
        layouts::RestoreDefaultColors(area_, layout_.lines);
    } catch (const ConversionError& error) {
        platform().dialogs->error(this, QStringLiteral("KT Tessaro"), QString::fromStdString(error.what()));
    }
    view_->update();
}

void TestColorWindow::ToggleShowTexts()
{
    if (!MayLeaveLayout()) {
        showTextsAction_->setChecked(showTexts_);
        return;
    }
    setShowTexts(!showTexts_);
    LoadLayout();
}

void TestColorWindow::DeleteLayout()
{
    const QListWidgetItem* item = layoutList_->currentItem();
    if (!item)
        return;
    const QString path = layoutsFolder() + item->text();
    if (platform().dialogs->askYesNo(this, QStringLiteral("Delete?"),
                                     QStringLiteral("Are you sure to delete the layout %1?").arg(item->text())) !=
        platform::Answer::Yes)
        return;
    if (QFile::exists(path) && !QFile::remove(path)) {
        platform().dialogs->error(this, QStringLiteral("KT Tessaro"), QStringLiteral("Can not delete!: ") + path);
        return;
    }
    const int row = layoutList_->row(item);
    const QSignalBlocker quiet(layoutList_);
    delete layoutList_->takeItem(row);
    // The rows below moved up one; a deleted layout that is still shown
    // has no entry any more.
    if (loadedRow_ == row)
        loadedRow_ = -1;
    else if (loadedRow_ > row)
        --loadedRow_;
    layoutList_->setCurrentRow(loadedRow_);
}

void TestColorWindow::ReadSchemeList()
{
    schemeList_->clear();
    // A scheme saved under an empty name is ".shm": a dot file is listed too.
    const QDir folder(programFolder_);
    schemeList_->addItems(
        folder.entryList({QStringLiteral("*.shm")}, QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase));
}

void TestColorWindow::SaveScheme()
{
    const std::optional<QString> name = platform().dialogs->inputText(this, QStringLiteral("Type a Filename"),
                                                                      QStringLiteral("Type a Filename"), QString());
    if (!name)
        return;
    const QString path = programFolder_ + *name + QStringLiteral(".shm");
    if (QFile::exists(path) &&
        platform().dialogs->askYesNo(this, QStringLiteral("Replace?"),
                                     *name + QStringLiteral(".shm already exists. Do you want to replace it?")) !=
            platform::Answer::Yes)
        return;
    int error = 0;
    if (!WriteColorScheme(path.toStdString(), SchemeOf(area_), &error)) {
        showSaveError(QStringLiteral("Can not save the scheme to %1").arg(path), error);
        return;
    }
    ReadSchemeList();
    schemeChanged_ = false;
}

void TestColorWindow::DeleteScheme()
{
    const QListWidgetItem* item = schemeList_->currentItem();
    if (!item || !item->isSelected())
        return;
    if (platform().dialogs->askYesNo(this, QStringLiteral("Delete?"),
                                     QStringLiteral("Are you sure to delete selected scheme?")) !=
        platform::Answer::Yes)
        return;
    const QString path = programFolder_ + item->text();
    if (!QFile::remove(path)) {
        platform().dialogs->error(this, QStringLiteral("KT Tessaro"), QStringLiteral("Can not delete!: ") + path);
        return;
    }
    delete schemeList_->takeItem(schemeList_->row(item));
}

void TestColorWindow::ApplyScheme(int row)
{
    const QListWidgetItem* item = schemeList_->item(row);
    if (!item)
        return;
    if (schemeChanged_ &&
        platform().dialogs->askYesNo(this, QStringLiteral("Continue?"),
                                     QStringLiteral("Scheme has been changed. Changes will be lost. Continue? ")) !=
            platform::Answer::Yes)
        return;
    const std::optional<std::string> bytes =
        ReadSmallFile((programFolder_ + item->text()).toStdString(), kMaxLayoutFileBytes);
    if (!bytes)
        return;
    try {
        ApplyColorScheme(area_, ParseColorScheme(*bytes, SchemeOf(area_)));
        schemeChanged_ = false;
    } catch (const ConversionError& error) {
        platform().dialogs->error(this, QStringLiteral("KT Tessaro"), QString::fromStdString(error.what()));
    }
    view_->update();
}

void TestColorWindow::setVision(ColorVision vision)
{
    view_->setVision(vision);
    for (QAction* action : visionActions_)
        action->setChecked(action->objectName() == QStringLiteral("view_") + QString::fromLatin1(ColorVisionName(vision)));
    showAreaTitle();
}

ColorVision TestColorWindow::vision() const
{
    return view_->vision();
}

void TestColorWindow::ShowContrastReport()
{
    QStringList lines;
    for (const std::string& line : ContrastReport(area_))
        lines << QString::fromStdString(line);
    platform().dialogs->notify(this, QStringLiteral("Contrast Report"), lines.join(QStringLiteral("\n")));
}

void TestColorWindow::showPointerStatus(std::optional<HitTarget> hit)
{
    if (!hit)
        return;
    if (hit->what == HitTarget::What::Background) {
        setStatus(QString::fromStdString(BackgroundStatusText(area_.background)));
        return;
    }
    const LayoutObject& object = area_.Object(hit->kind, hit->number);
    switch (hit->kind) {
    case ObjectKind::Shape: setStatus(QString::fromStdString(ColorStatusText(object.fill))); break;
    case ObjectKind::Text:
        setStatus(QString::fromStdString(ColorStatusText(object.textColor) + " " +
                                         ContrastVerdictWithApcaText(TextContrast(area_, hit->number))));
        break;
    case ObjectKind::Image: break;
    }
}

void TestColorWindow::mouseMoveEvent(QMouseEvent* event)
{
    setStatus(kWindowStatus);
    ToolWindow::mouseMoveEvent(event);
}

bool TestColorWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (watched == editLayoutButton_ || watched == newLayoutButton_)
            setStatus(kEditButtonStatus);
        else if (watched == schemeList_ || watched == schemeList_->viewport())
            setStatus(kSchemeListStatus);
        else if (watched == saveSchemeButton_)
            setStatus(kSaveSchemeStatus);
    }
    if (watched == schemeList_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        DeleteScheme();
        return true;
    }
    return ToolWindow::eventFilter(watched, event);
}

} // namespace tessaro::layouts
