#include "layouts/layout_editor.h"

#include "controls/switch_on_double_click.h"
#include "engine/conversion_error.h"
#include "engine/named_color.h"
#include "layouts/image_path.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace tessaro::layouts {

namespace {

constexpr int kWidth = 177;
constexpr int kRow = 18;
// The options group's height: its title and at most six rows (texts).
constexpr int kGroupHeight = 16 + 6 * kRow;
constexpr int kCaptionWidth = 72;

const char* const kTrueFalse[] = {"True", "False"};

struct Preset {
    const char* caption;
    int width;
    int height;
};
constexpr Preset kPresets[] = {{"Default (425x385)", 425, 385},
                               {"15% of A4 (372x526)", 372, 526},
                               {"15% of A4 (526x372) Horizontal", 526, 372},
                               {"Std. PAL (768x576)", 768, 576},
                               {"640x480", 640, 480}};

// A choice whose longest entry is wider than the box's text field is drawn
// that much narrower, so every entry shows whole in the closed box.
void FitEntriesInBox(QComboBox& box)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = box.isEditable();
    option.rect = QRect(QPoint(), box.size());
    const int room =
        box.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &box).width() - 4;
    int widest = 0;
    for (int i = 0; i < box.count(); ++i)
        widest = std::max(widest, box.fontMetrics().horizontalAdvance(box.itemText(i)));
    if (widest <= room || room <= 0)
        return;
    QFont narrower = box.font();
    narrower.setStretch(std::max(50, room * 100 / widest));
    box.setFont(narrower);
}

QLabel* PageTitle(QWidget* page, const QString& text)
{
    auto* title = new QLabel(text, page);
    title->setStyleSheet(QStringLiteral("QLabel { background: #E6E6E6; color: #4D4D4D; font-weight: bold; }"));
    title->setGeometry(0, 0, kWidth, 14);
    return title;
}

QStringList TrueFalse()
{
    return {QString::fromLatin1(kTrueFalse[0]), QString::fromLatin1(kTrueFalse[1])};
}

int EntryOf(ObjectRef object)
{
    switch (object.kind) {
    case ObjectKind::Shape: return object.number - 1;
    case ObjectKind::Text: return 10 + object.number - 1;
    case ObjectKind::Image: break;
    }
    return 20 + object.number - 1;
}

ObjectRef ObjectOfEntry(int entry)
{
    if (entry < 10)
        return {ObjectKind::Shape, entry + 1};
    if (entry < 20)
        return {ObjectKind::Text, entry - 9};
    return {ObjectKind::Image, entry - 19};
}

} // namespace

LayoutEditor::LayoutEditor(const platform::Platform& platform, TestArea& area, TestAreaPictures& pictures,
                           SelectionFrame& frame, QString pictureFolder, QWidget* editPage, QWidget* advancedPage)
    : QObject(editPage),
      platform_(platform),
      area_(area),
      pictures_(pictures),
      frame_(frame),
      pictureFolder_(std::move(pictureFolder)),
      pictureDialogFolder_(pictureFolder_),
      objects_(new QListWidget(editPage))
{
    PageTitle(editPage, QStringLiteral(" Edit Layout"));
    int y = 16;
    auto* listCaption = new QLabel(QStringLiteral(" Ob&jects List"), editPage);
    listCaption->setGeometry(0, y, kWidth, 15);
    listCaption->setBuddy(objects_);
    captions_.insert(objects_, listCaption);
    objects_->installEventFilter(this);
    y += 15;
    objects_->setObjectName(QStringLiteral("objectsList"));
    for (const char* kind : {"Shape", "Text"})
        for (int n = 1; n <= 10; ++n)
            objects_->addItem(QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(n));
    for (int n = 1; n <= 5; ++n)
        objects_->addItem(QStringLiteral("Image %1").arg(n));
    objects_->setGeometry(0, y, kWidth, 64);
    objects_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* styleMenu = new QMenu(objects_);
    styleMenu->addAction(QStringLiteral("Copy Object Style"), this, &LayoutEditor::CopyObjectStyle);
    styleMenu->addAction(QStringLiteral("Paste Object Style"), this, &LayoutEditor::PasteObjectStyle);
    connect(objects_, &QWidget::customContextMenuRequested, this,
            [this, styleMenu](QPoint at) { styleMenu->popup(objects_->viewport()->mapToGlobal(at)); });
    connect(objects_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (!frame_.multiSelect())
            frame_.LetGoAll();
        Select(ObjectOfEntry(objects_->row(item)));
    });
    y += 66;

    numberBox(editPage, QStringLiteral(" &Width"), QStringLiteral("widthBox"), y);
    numberBox(editPage, QStringLiteral(" &Height"), QStringLiteral("heightBox"), y);
    numberBox(editPage, QStringLiteral(" L&eft"), QStringLiteral("leftBox"), y);
    numberBox(editPage, QStringLiteral(" &Top"), QStringLiteral("topBox"), y);
    choiceBox(editPage, QStringLiteral(" &Visible"), QStringLiteral("visibleChoice"), TrueFalse(), y);

    // The options of each kind, one group shown at a time under Visible.
    const int groupTop = y;
    shapeGroup_ = new QWidget(editPage);
    shapeGroup_->setObjectName(QStringLiteral("shapeOptions"));
    textGroup_ = new QWidget(editPage);
    textGroup_->setObjectName(QStringLiteral("textOptions"));
    imageGroup_ = new QWidget(editPage);
    imageGroup_->setObjectName(QStringLiteral("imageOptions"));
    int gy = 0;
    PageTitle(shapeGroup_, QStringLiteral(" Shape Options"));
    gy = 16;
    choiceBox(shapeGroup_, QStringLiteral(" &Shape"), QStringLiteral("shapeChoice"),
              {QStringLiteral("Rectangle"), QStringLiteral("Ellipse")}, gy);
    shapeGroup_->setGeometry(0, groupTop, kWidth, gy);

    PageTitle(textGroup_, QStringLiteral(" Text Options"));
    gy = 16;
    QComboBox* font = choiceBox(textGroup_, QStringLiteral(" &Font"), QStringLiteral("fontChoice"),
                                platform_.fonts ? platform_.fonts->installedFamilies() : QStringList(), gy);
    font->setEditable(true);
    // A typed face is taken on Enter or on leaving the box, and only when
    // the list holds it; the list itself never grows.
    font->setInsertPolicy(QComboBox::NoInsert);
    connect(font->lineEdit(), &QLineEdit::editingFinished, this, [this, font] { applyChoice(font); });
    numberBox(textGroup_, QStringLiteral(" &Size"), QStringLiteral("sizeBox"), gy);
    choiceBox(textGroup_, QStringLiteral(" &Bold"), QStringLiteral("boldChoice"), TrueFalse(), gy);
    choiceBox(textGroup_, QStringLiteral(" Itali&c"), QStringLiteral("italicChoice"), TrueFalse(), gy);
    choiceBox(textGroup_, QStringLiteral(" &Underline"), QStringLiteral("underlineChoice"), TrueFalse(), gy);
    auto* textCaption = new QLabel(QStringLiteral(" Te&xt"), textGroup_);
    textCaption->setGeometry(0, gy, kCaptionWidth, kRow - 1);
    textBox_ = new QLineEdit(textGroup_);
    textBox_->setObjectName(QStringLiteral("textBox"));
    textBox_->setPlaceholderText(QStringLiteral("Right-click on any text object to display detailed text editor."));
    textBox_->setToolTip(textBox_->placeholderText());
    textBox_->setGeometry(kCaptionWidth, gy, kWidth - kCaptionWidth, kRow - 1);
    textCaption->setBuddy(textBox_);
    captions_.insert(textBox_, textCaption);
    textBox_->installEventFilter(this);
    connect(textBox_, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (LayoutObject* object = currentObject(); object && object->kind == ObjectKind::Text) {
            object->text = text.toStdString();
            emit objectsChanged();
        }
    });
    // The placeholder texts, as the right-click menu of the text box.
    textBox_->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* lorem = new QMenu(textBox_);
    lorem->setObjectName(QStringLiteral("LoremPM"));
    const QString shortLorem = QStringLiteral(
        "Lorem ipsum dolor sit amet, consectetur adipisicing elit, sed do eiusmod tempor incididunt ut labore et "
        "dolore magna aliqua.");
    const QString longLorem =
        shortLorem + QStringLiteral(" Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip "
                                    "ex ea commodo consequat. Duis aute irure dolor in reprehenderit ") +
        QStringLiteral("in voluptate velit esse cillum dolore eu fugiat nulla pariatur. Excepteur sint occaecat "
                       "cupidatat non proident, sunt in culpa qui officia deserunt mollit anim id est laborum.");
    for (const auto& [caption, text] : {std::pair{QStringLiteral("Add Only \"Lorem Ipsum\""), QStringLiteral("Lorem Ipsum")},
                                        std::pair{QStringLiteral("Add Short Lorem Ipsum Text"), shortLorem},
                                        std::pair{QStringLiteral("Add Long Lorem Ipsum Text"), longLorem}}) {
        lorem->addAction(caption, this, [this, text] {
            textBox_->setText(textBox_->text() + text);
            emit textBox_->textEdited(textBox_->text());
        });
    }
    connect(textBox_, &QWidget::customContextMenuRequested, this,
            [this, lorem](QPoint at) { lorem->popup(textBox_->mapToGlobal(at)); });
    gy += kRow;
    textGroup_->setGeometry(0, groupTop, kWidth, gy);

    PageTitle(imageGroup_, QStringLiteral(" Image Options"));
    gy = 16;
    auto* fileCaption = new QLabel(QStringLiteral(" F&ile Name"), imageGroup_);
    fileCaption->setGeometry(0, gy, kCaptionWidth, kRow - 1);
    fileName_ = new QLineEdit(imageGroup_);
    fileName_->setObjectName(QStringLiteral("fileNameBox"));
    fileName_->setGeometry(kCaptionWidth, gy, kWidth - kCaptionWidth - 22, kRow - 1);
    fileCaption->setBuddy(fileName_);
    captions_.insert(fileName_, fileCaption);
    fileName_->installEventFilter(this);
    connect(fileName_, &QLineEdit::textEdited, this, &LayoutEditor::applyFileName);
    auto* browse = new QPushButton(QStringLiteral("..."), imageGroup_);
    browse->setObjectName(QStringLiteral("browseButton"));
    browse->setGeometry(kWidth - 21, gy, 21, kRow - 1);
    connect(browse, &QPushButton::clicked, this, &LayoutEditor::chooseFile);
    gy += kRow;
    choiceBox(imageGroup_, QStringLiteral(" St&retch"), QStringLiteral("stretchChoice"), TrueFalse(), gy);
    choiceBox(imageGroup_, QStringLiteral(" Ce&nter"), QStringLiteral("centerChoice"), TrueFalse(), gy);
    imageGroup_->setGeometry(0, groupTop, kWidth, gy);
    for (QWidget* group : {shapeGroup_, textGroup_, imageGroup_})
        group->hide();

    const int buttonsTop = groupTop + kGroupHeight + 2;
    const auto button = [&](const QString& text, const QString& name, int top) {
        auto* b = new QPushButton(text, editPage);
        b->setObjectName(name);
        b->setFlat(true);
        b->setStyleSheet(QStringLiteral("QPushButton { border: 1px solid #C0C0C0; background: #F4F4F4; }"
                                        "QPushButton:pressed { border-style: inset; background: #E4E4E4; }"));
        b->setGeometry(0, top, kWidth, 20);
        return b;
    };
    connect(button(QStringLiteral("Save As"), QStringLiteral("saveAsButton"), buttonsTop), &QPushButton::clicked, this,
            &LayoutEditor::saveAsRequested);
    connect(button(QStringLiteral("Advanced"), QStringLiteral("advancedButton"), buttonsTop + 21),
            &QPushButton::clicked, this, [this] { emit showPage(2); });
    connect(button(QStringLiteral("Quit Editing Mode"), QStringLiteral("quitEditingButton"), buttonsTop + 42),
            &QPushButton::clicked, this, &LayoutEditor::quitRequested);

    // The "Advanced Options" page.
    PageTitle(advancedPage, QStringLiteral(" Edit Layout"));
    auto* heading = new QLabel(QStringLiteral(" Advanced Options"), advancedPage);
    heading->setGeometry(0, 16, kWidth, 16);
    y = 34;
    auto* colorCaption = new QLabel(QStringLiteral("Object Color :"), advancedPage);
    colorCaption->setGeometry(0, y, kCaptionWidth + 6, kRow - 1);
    objectColor_ = new QLabel(QStringLiteral("None"), advancedPage);
    objectColor_->setObjectName(QStringLiteral("objectColor"));
    objectColor_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    objectColor_->setGeometry(kCaptionWidth + 6, y, kWidth - kCaptionWidth - 6, kRow - 1);
    y += kRow;
    snap_ = new QCheckBox(QStringLiteral("Snap to Grid"), advancedPage);
    snap_->setObjectName(QStringLiteral("snapToGrid"));
    snap_->setGeometry(0, y, kWidth, kRow - 1);
    connect(snap_, &QCheckBox::toggled, this, [this](bool on) { frame_.setGrid(on ? kSnapGrid : 1); });
    y += kRow;
    gridSize_ = numberBox(advancedPage, QStringLiteral(" Grid Size"), QStringLiteral("gridSizeBox"), y);
    QStringList presets;
    for (const Preset& preset : kPresets)
        presets << QString::fromLatin1(preset.caption);
    docSize_ = choiceBox(advancedPage, QStringLiteral(" Document Size"), QStringLiteral("documentSizeChoice"), presets, y);
    // The caption and the sizes are too long for the caption column: the
    // caption takes its row and the choice the whole row below it.
    captions_.value(docSize_)->setGeometry(0, y - kRow, kWidth, kRow - 1);
    docSize_->setGeometry(0, y, kWidth, kRow - 1);
    FitEntriesInBox(*docSize_);
    y += kRow;
    docWidth_ = numberBox(advancedPage, QStringLiteral(" Width"), QStringLiteral("documentWidthBox"), y);
    docHeight_ = numberBox(advancedPage, QStringLiteral(" Height"), QStringLiteral("documentHeightBox"), y);
    auto* back = new QPushButton(QStringLiteral("<< Back"), advancedPage);
    back->setObjectName(QStringLiteral("backButton"));
    back->setGeometry(0, y + 4, kWidth, 20);
    connect(back, &QPushButton::clicked, this, [this] { emit showPage(1); });
    ShowDocumentSize();
}

QLineEdit* LayoutEditor::numberBox(QWidget* page, const QString& caption, const QString& name, int& y)
{
    auto* label = new QLabel(caption, page);
    label->setAutoFillBackground(true);
    label->setGeometry(0, y, kCaptionWidth, kRow - 1);
    auto* edit = new QLineEdit(page);
    edit->setObjectName(name);
    edit->setGeometry(kCaptionWidth, y, kWidth - kCaptionWidth, kRow - 1);
    label->setBuddy(edit);
    captions_.insert(edit, label);
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, edit] { applyNumber(edit); });
    y += kRow;
    return edit;
}

QComboBox* LayoutEditor::choiceBox(QWidget* page, const QString& caption, const QString& name,
                                   const QStringList& items, int& y)
{
    auto* label = new QLabel(caption, page);
    label->setAutoFillBackground(true);
    label->setGeometry(0, y, kCaptionWidth, kRow - 1);
    auto* combo = new QComboBox(page);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setGeometry(kCaptionWidth, y, kWidth - kCaptionWidth, kRow - 1);
    label->setBuddy(combo);
    captions_.insert(combo, label);
    combo->installEventFilter(this);
    connect(combo, &QComboBox::activated, this, [this, combo] { applyChoice(combo); });
    if (items == TrueFalse())
        new controls::SwitchOnDoubleClick(combo, [this, combo] { applyChoice(combo); });
    y += kRow;
    return combo;
}

QLineEdit* LayoutEditor::box(const QString& objectName) const
{
    return objects_->parentWidget()->parentWidget()->findChild<QLineEdit*>(objectName);
}

QComboBox* LayoutEditor::choice(const QString& objectName) const
{
    return objects_->parentWidget()->parentWidget()->findChild<QComboBox*>(objectName);
}

LayoutObject* LayoutEditor::currentObject()
{
    return current_ ? &area_.Object(current_->kind, current_->number) : nullptr;
}

void LayoutEditor::showError(const QString& text)
{
    platform_.dialogs->error(objects_->window(), QStringLiteral("KT Tessaro"), text);
}

void LayoutEditor::setObjectColorText(const QString& text)
{
    objectColor_->setText(text);
}

void LayoutEditor::Select(ObjectRef object)
{
    current_ = object;
    {
        const QSignalBlocker block(objects_);
        objects_->setCurrentRow(EntryOf(object));
    }
    const LayoutObject& o = area_.Object(object.kind, object.number);
    if (object.kind == ObjectKind::Shape)
        objectColor_->setText(QString::fromStdString(ColorToNamedText(o.fill)));
    else if (object.kind == ObjectKind::Text)
        objectColor_->setText(QString::fromStdString(ColorToNamedText(o.textColor)));
    frame_.Take(object);
    shapeGroup_->setVisible(object.kind == ObjectKind::Shape);
    textGroup_->setVisible(object.kind == ObjectKind::Text);
    imageGroup_->setVisible(object.kind == ObjectKind::Image);
    // A recorded picture name is loaded again, as recorded.
    if (object.kind == ObjectKind::Image && imageNames_.contains(object.number)) {
        const std::string path =
            ResolveImagePath(imageNames_.value(object.number).toStdString(), pictureFolder_.toStdString());
        try {
            if (PictureFileExists(path))
                pictures_[std::size_t(object.number - 1)] = platform_.pictures->load(QString::fromStdString(path));
        } catch (const platform::PictureError& error) {
            showError(QString::fromStdString(error.what()));
        }
    }
    ShowCurrent();
}

void LayoutEditor::ShowCurrent()
{
    LayoutObject* o = currentObject();
    if (!o)
        return;
    filling_ = true;
    // Showing clamps the values and writes them back to the object.
    o->width = ClampBoxValue(o->width);
    o->height = ClampBoxValue(o->height);
    o->left = ClampBoxValue(o->left);
    o->top = ClampBoxValue(o->top);
    box(QStringLiteral("widthBox"))->setText(QString::number(o->width));
    box(QStringLiteral("heightBox"))->setText(QString::number(o->height));
    box(QStringLiteral("leftBox"))->setText(QString::number(o->left));
    box(QStringLiteral("topBox"))->setText(QString::number(o->top));
    const auto trueFalse = [](bool on) { return on ? 0 : 1; };
    choice(QStringLiteral("visibleChoice"))->setCurrentIndex(trueFalse(o->visible));
    switch (o->kind) {
    case ObjectKind::Shape: choice(QStringLiteral("shapeChoice"))->setCurrentIndex(o->ellipse ? 1 : 0); break;
    case ObjectKind::Text:
        o->fontSize = ClampFontSize(o->fontSize);
        choice(QStringLiteral("fontChoice"))->setCurrentText(QString::fromStdString(o->font));
        box(QStringLiteral("sizeBox"))->setText(QString::number(o->fontSize));
        choice(QStringLiteral("boldChoice"))->setCurrentIndex(trueFalse(o->bold));
        choice(QStringLiteral("italicChoice"))->setCurrentIndex(trueFalse(o->italic));
        choice(QStringLiteral("underlineChoice"))->setCurrentIndex(trueFalse(o->underline));
        textBox_->setText(QString::fromStdString(o->text));
        break;
    case ObjectKind::Image:
        fileName_->setText(imageNames_.value(o->number));
        choice(QStringLiteral("stretchChoice"))->setCurrentIndex(trueFalse(o->stretch));
        choice(QStringLiteral("centerChoice"))->setCurrentIndex(trueFalse(o->center));
        break;
    }
    filling_ = false;
    emit objectsChanged();
}

void LayoutEditor::applyNumber(QLineEdit* edit)
{
    const QString name = edit->objectName();
    const QString text = edit->text();
    if (name == QStringLiteral("gridSizeBox")) {
        if (const std::optional<int> grid = GridFromText(text.toStdString()))
            frame_.setGrid(*grid);
        return;
    }
    if (name == QStringLiteral("documentWidthBox") || name == QStringLiteral("documentHeightBox")) {
        applyDocumentSide(edit);
        return;
    }
    LayoutObject* o = currentObject();
    if (!o || text.isEmpty() || filling_)
        return;
    int value = 0;
    try {
        value = int(ReadInteger(text.toStdString()));
    } catch (const ConversionError& error) {
        showError(QString::fromStdString(error.what()));
        return;
    }
    if (name == QStringLiteral("sizeBox")) {
        if (o->kind != ObjectKind::Text)
            return;
        o->fontSize = ClampFontSize(value);
        value = o->fontSize;
    } else {
        value = ClampBoxValue(value);
        int& target = name == QStringLiteral("widthBox")    ? o->width
                      : name == QStringLiteral("heightBox") ? o->height
                      : name == QStringLiteral("leftBox")   ? o->left
                                                            : o->top;
        target = value;
    }
    if (edit->text() != QString::number(value))
        edit->setText(QString::number(value));
    frame_.Refresh();
    emit objectsChanged();
}

void LayoutEditor::applyChoice(QComboBox* combo)
{
    if (filling_)
        return;
    const QString name = combo->objectName();
    if (name == QStringLiteral("documentSizeChoice")) {
        const Preset& preset = kPresets[std::clamp(combo->currentIndex(), 0, 4)];
        area_.width = preset.width;
        area_.height = preset.height;
        ShowDocumentSize();
        emit documentResized();
        return;
    }
    LayoutObject* o = currentObject();
    if (!o)
        return;
    const bool yes = combo->currentIndex() == 0;
    if (name == QStringLiteral("visibleChoice"))
        o->visible = yes;
    else if (name == QStringLiteral("shapeChoice") && o->kind == ObjectKind::Shape)
        o->ellipse = combo->currentIndex() == 1;
    else if (name == QStringLiteral("fontChoice")) {
        // Leaving the box while another kind of object is held changes nothing.
        if (o->kind != ObjectKind::Text)
            return;
        const int face = combo->findText(combo->currentText(), Qt::MatchFixedString);
        if (face < 0) {
            // The box shows the text's face again before the message takes
            // the keyboard (leaving the box would ask a second time).
            combo->setCurrentText(QString::fromStdString(o->font));
            showError(QStringLiteral("List index out of bounds (%1)").arg(face));
            return;
        }
        combo->setCurrentIndex(face);
        if (o->font == combo->currentText().toStdString())
            return;
        o->font = combo->currentText().toStdString();
    } else if (name == QStringLiteral("boldChoice") && o->kind == ObjectKind::Text)
        o->bold = yes;
    else if (name == QStringLiteral("italicChoice") && o->kind == ObjectKind::Text)
        o->italic = yes;
    else if (name == QStringLiteral("underlineChoice") && o->kind == ObjectKind::Text)
        o->underline = yes;
    else if (name == QStringLiteral("stretchChoice") && o->kind == ObjectKind::Image)
        o->stretch = yes;
    else if (name == QStringLiteral("centerChoice") && o->kind == ObjectKind::Image)
        o->center = yes;
    emit objectsChanged();
}

void LayoutEditor::applyFileName(const QString& text)
{
    LayoutObject* o = currentObject();
    if (!o || o->kind != ObjectKind::Image || filling_)
        return;
    // Relative names mean the layouts folder here too, as in a layout file.
    const std::string path = ResolveImagePath(text.toStdString(), pictureFolder_.toStdString());
    if (!PictureFileExists(path))
        return;
    try {
        pictures_[std::size_t(o->number - 1)] = platform_.pictures->load(QString::fromStdString(path));
    } catch (const platform::PictureError& error) {
        showError(QString::fromStdString(error.what()));
        return;
    }
    imageNames_.insert(o->number, text);
    o->fileValue = text.toStdString();
    o->picturePath = path;
    o->visible = true;
    emit objectsChanged();
}

void LayoutEditor::chooseFile()
{
    LayoutObject* o = currentObject();
    if (!o || o->kind != ObjectKind::Image)
        return;
    const std::optional<QString> chosen = platform_.dialogs->openPicture(objects_->window(), pictureDialogFolder_);
    if (!chosen)
        return;
    const QString before = imageNames_.value(o->number);
    if (!before.isEmpty())
        pictureDialogFolder_ = QFileInfo(QString::fromStdString(
                                             ResolveImagePath(before.toStdString(), pictureFolder_.toStdString())))
                                   .absolutePath();
    // A file inside the layouts folder is kept by its relative name.
    QString name = *chosen;
    if (name.startsWith(pictureFolder_))
        name = name.mid(pictureFolder_.size());
    applyFileName(name);
    ShowCurrent();
}

void LayoutEditor::ShowDocumentSize()
{
    filling_ = true;
    docWidth_->setText(QString::number(area_.width));
    docHeight_->setText(QString::number(area_.height));
    for (QLineEdit* side : {docWidth_, docHeight_}) {
        QPalette palette = side->palette();
        const bool accepted = AcceptedDocumentSide(side->text().toStdString()).has_value();
        palette.setColor(QPalette::Base, accepted ? QColor(Qt::white) : kRefusedBox);
        side->setPalette(palette);
    }
    filling_ = false;
}

void LayoutEditor::applyDocumentSide(QLineEdit* edit)
{
    if (filling_)
        return;
    const std::optional<int> side = AcceptedDocumentSide(edit->text().toStdString());
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, side ? QColor(Qt::white) : kRefusedBox);
    edit->setPalette(palette);
    if (!side)
        return;
    (edit == docWidth_ ? area_.width : area_.height) = *side;
    emit documentResized();
}

void LayoutEditor::CopyObjectStyle()
{
    bool ok[4] = {};
    const int h = box(QStringLiteral("heightBox"))->text().toInt(&ok[0]);
    const int w = box(QStringLiteral("widthBox"))->text().toInt(&ok[1]);
    const int l = box(QStringLiteral("leftBox"))->text().toInt(&ok[2]);
    const int t = box(QStringLiteral("topBox"))->text().toInt(&ok[3]);
    if (ok[0] && ok[1] && ok[2] && ok[3])
        styleStore_ = Box{l, t, w, h};
}

void LayoutEditor::PasteObjectStyle()
{
    LayoutObject* o = currentObject();
    if (!o)
        return;
    if (!styleStore_) {
        showError(QStringLiteral("'' is not a valid integer value"));
        return;
    }
    if (o->kind == ObjectKind::Image)
        return;
    o->height = styleStore_->height;
    o->width = styleStore_->width;
    o->left = styleStore_->left;
    o->top = styleStore_->top;
    frame_.Refresh();
    ShowCurrent();
}

bool LayoutEditor::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (QLabel* caption = captions_.value(widget)) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            QPalette palette = caption->palette();
            palette.setColor(QPalette::Window, event->type() == QEvent::FocusIn ? kFocusCaption : kCaption);
            caption->setPalette(palette);
            caption->setAutoFillBackground(true);
        }
    }
    // The number boxes throw some typed letters away (not Ctrl+A, Ctrl+C, ...,
    // whose key text may carry the letter too).
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool typed = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (auto* edit = qobject_cast<QLineEdit*>(watched); typed && edit && edit != textBox_ && edit != fileName_) {
            const QString text = key->text();
            if (text.size() == 1 && IsDiscardedBoxLetter(text.at(0).unicode()))
                return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tessaro::layouts
