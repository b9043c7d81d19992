#include "layouts/text_edit_window.h"

#include "engine/conversion_error.h"
#include "engine/named_color.h"
#include "layouts/test_area_painter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace tessaro::layouts {

const char* const TextEditWindow::kDummyTexts[3] = {
    "Lorem ipsum dolor sit amet, consectetur adipisicing elit, sed do eiusmod tempor incididunt ut  labore et "
    "dolore magna aliq.",
    "Ut enim ad minim veniam, quis nostrud exercitation ullamco laboris nisi ut aliquip ex ea commodo consequat.",
    "Duis aute irure dolor in reprehenderit in voluptate velit esse cillum dolore eu voluptate velit esse cillum "
    "dolore eu fugiat nulla pariatur. Excepteur sint occaecat cupidatat non proident, sunt in culpa qui officia "
    "deserunt mollit anim id est laborum."};

namespace {

QToolButton* StyleButton(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setCheckable(true);
    return button;
}

} // namespace

TextEditWindow::TextEditWindow(const platform::Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      platform_(platform),
      face_(new QComboBox(this)),
      size_(new QComboBox(this)),
      bold_(StyleButton(QStringLiteral("B"), QStringLiteral("boldButton"), this)),
      italic_(StyleButton(QStringLiteral("I"), QStringLiteral("italicButton"), this)),
      underline_(StyleButton(QStringLiteral("U"), QStringLiteral("underlineButton"), this)),
      preview_(new QCheckBox(QStringLiteral("Preview"), this)),
      text_(new QPlainTextEdit(this)),
      dummy_(new QPushButton(QStringLiteral("Insert Dummy Text"), this))
{
    setObjectName(QStringLiteral("TextEditWindow"));
    setWindowTitle(QStringLiteral("Text Edit"));
    setModal(true);
    setMinimumSize(kMinWidth, kMinHeight);
    resize(kMinWidth, kMinHeight);

    face_->setObjectName(QStringLiteral("faceChoice"));
    face_->setEditable(true);
    if (platform_.fonts)
        face_->addItems(platform_.fonts->installedFamilies());
    size_->setObjectName(QStringLiteral("sizeChoice"));
    size_->setEditable(true);
    for (int points : {8, 9, 10, 11, 12, 13, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
        size_->addItem(QString::number(points));
    preview_->setObjectName(QStringLiteral("previewCheck"));
    text_->setObjectName(QStringLiteral("textBox"));
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->installEventFilter(this);
    size_->lineEdit()->installEventFilter(this);
    face_->lineEdit()->installEventFilter(this);

    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("DummyTextPM"));
    for (int i = 0; i < 3; ++i)
        menu->addAction(QStringLiteral("Lorem Ipsum %1").arg(i + 1), this, [this, i] { InsertDummyText(i); });
    dummy_->setObjectName(QStringLiteral("dummyTextButton"));
    connect(dummy_, &QPushButton::clicked, this,
            [this, menu] { menu->popup(mapToGlobal(QPoint(0, 0)) + dummy_->pos()); });

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(ok, &QPushButton::clicked, this, &TextEditWindow::ApplyText);
    connect(cancel, &QPushButton::clicked, this, &TextEditWindow::CancelEditing);

    auto* tools = new QHBoxLayout;
    tools->addWidget(face_, 3);
    tools->addWidget(size_, 1);
    tools->addWidget(bold_);
    tools->addWidget(italic_);
    tools->addWidget(underline_);
    tools->addWidget(preview_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(dummy_);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);

    connect(face_, &QComboBox::activated, this, &TextEditWindow::applyFace);
    connect(size_, &QComboBox::activated, this, &TextEditWindow::applySize);
    connect(size_->lineEdit(), &QLineEdit::textEdited, this, &TextEditWindow::applySize);
    for (QToolButton* button : {bold_, italic_, underline_})
        connect(button, &QToolButton::clicked, this, &TextEditWindow::styleChanged);
    connect(preview_, &QCheckBox::toggled, this, [this](bool on) {
        if (on)
            PreviewText();
        else
            restoreBackup();
    });
}

void TextEditWindow::Open(LayoutObject& object, std::function<void()> changed)
{
    object_ = &object;
    backup_ = object;
    changed_ = std::move(changed);
    // A face that is not installed selects no entry, but its name stays
    // in the box and on the object.
    chosenFace_ = QString::fromStdString(object.font);
    const int face = face_->findText(chosenFace_);
    face_->setCurrentIndex(face);
    if (face < 0)
        face_->setEditText(chosenFace_);
    const QString size = QString::number(object.fontSize);
    const int entry = size_->findText(size);
    size_->setCurrentIndex(entry);
    if (entry < 0)
        size_->setEditText(size);
    text_->setPlainText(QString::fromStdString(object.text));
    bold_->setChecked(object.bold);
    italic_->setChecked(object.italic);
    underline_->setChecked(object.underline);
    text_->setFont(TextFont(object));
    CentreOnScreen();
}

void TextEditWindow::CentreOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The whole window, the window manager's frame and all, is centred.
    // The frame is known once the window has been shown; before the first
    // showing a caption bar of the style's height stands for it.
    QMargins frame(geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
                   frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
    if (frame.isNull())
        frame.setTop(style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize whole = size().grownBy(frame);
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - whole.width()) / 2, area.y() + (area.height() - whole.height()) / 2);
}

void TextEditWindow::PreviewText()
{
    if (!object_)
        return;
    const QFont font = text_->font();
    object_->text = text_->toPlainText().toStdString();
    object_->font = chosenFace_.toStdString();
    object_->fontSize = size_->currentText().toInt();
    object_->bold = font.bold();
    object_->italic = font.italic();
    object_->underline = font.underline();
    if (object_->fontSize <= 0)
        object_->fontSize = backup_.fontSize;
    if (changed_)
        changed_();
}

void TextEditWindow::ApplyText()
{
    PreviewText();
    accept();
}

void TextEditWindow::restoreBackup()
{
    if (!object_)
        return;
    *object_ = backup_;
    if (changed_)
        changed_();
}

void TextEditWindow::CancelEditing()
{
    restoreBackup();
    reject();
}

void TextEditWindow::InsertDummyText(int index)
{
    QString text;
    const QString current = text_->toPlainText();
    if (!current.isEmpty())
        for (const QString& line : current.split(QLatin1Char('\n')))
            text += line + QLatin1Char('\n');
    text += QString::fromLatin1(kDummyTexts[std::clamp(index, 0, 2)]);
    text_->setPlainText(text);
}

void TextEditWindow::applyFace()
{
    if (face_->findText(face_->currentText()) < 0) {
        platform_.dialogs->error(this, QStringLiteral("KT Tessaro"),
                                 QStringLiteral("List index out of bounds (%1)").arg(face_->currentIndex()));
        return;
    }
    chosenFace_ = face_->currentText();
    QFont font = text_->font();
    font.setFamily(chosenFace_);
    text_->setFont(font);
    previewIfTicked();
}

void TextEditWindow::applySize()
{
    const std::optional<std::int32_t> points = TryReadInteger(size_->currentText().toStdString());
    if (!points) {
        platform_.dialogs->error(this, QStringLiteral("KT Tessaro"),
                                 QString::fromStdString(ConversionError(size_->currentText().toStdString()).what()));
        return;
    }
    LayoutObject look;
    look.font = chosenFace_.toStdString();
    look.fontSize = std::clamp(int(*points), 1, 240);
    look.bold = bold_->isChecked();
    look.italic = italic_->isChecked();
    look.underline = underline_->isChecked();
    text_->setFont(TextFont(look));
    previewIfTicked();
}

void TextEditWindow::styleChanged()
{
    QFont font = text_->font();
    font.setBold(bold_->isChecked());
    font.setItalic(italic_->isChecked());
    font.setUnderline(underline_->isChecked());
    text_->setFont(font);
    previewIfTicked();
}

void TextEditWindow::previewIfTicked()
{
    if (preview_->isChecked())
        PreviewText();
}

bool TextEditWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == text_ && enter) {
            ApplyText();
            return true;
        }
        if (watched == size_->lineEdit() && enter)
            return true;  // the size is already applied; Enter closes nothing here
    }
    if (watched == text_ && event->type() == QEvent::KeyRelease)
        previewIfTicked();
    return QDialog::eventFilter(watched, event);
}

} // namespace tessaro::layouts
