#include "platform/qt_dialogs.h"

#include "platform/font_effects_dialog.h"
#include "platform/picture_loader.h"
#include "platform/qt_color.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

#include <algorithm>

namespace tessaro::platform {

namespace {

// Runs `dialog` modally with the keyboard in it. A window manager does not
// always hand the focus to a box by itself: opened from one of the
// program's windows while another holds the keyboard, the box would stay
// without it and its keys would go to that other window.
int ExecWithKeyboard(QDialog& dialog)
{
    dialog.adjustSize();
    dialog.setFixedSize(dialog.sizeHint());
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.raise();
        dialog.activateWindow();
    });
    return dialog.exec();
}

// The width a dialog needs so that the window manager's title bar shows
// its whole caption beside the bar's buttons: the caption in bold, with
// room for the icon and three buttons.
int CaptionWidth(const QWidget& dialog, const QString& title)
{
    QFont bold = dialog.font();
    bold.setBold(true);
    constexpr int kTitleBarExtras = 130;
    return QFontMetrics(bold).horizontalAdvance(title) + kTitleBarExtras;
}

QMessageBox::StandardButton ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& title,
                                    const QString& text, QMessageBox::StandardButtons buttons,
                                    QMessageBox::StandardButton whenClosed)
{
    QMessageBox box(icon, title, text, buttons, parent);
    // The first button is the default one, as in the desktop's question boxes.
    box.setDefaultButton(buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
    // A message box sizes itself to its text; a spacer across its grid keeps
    // it as wide as its caption needs.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(CaptionWidth(box, title), 0, QSizePolicy::Minimum, QSizePolicy::Expanding),
                      grid->rowCount(), 0, 1, grid->columnCount());
    ExecWithKeyboard(box);
    QAbstractButton* clicked = box.clickedButton();
    return clicked ? box.standardButton(clicked) : whenClosed;
}

Answer ToAnswer(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: return Answer::Cancel;
    }
}

QStringList NameFilters(const QList<FileFilter>& filters)
{
    QStringList names;
    for (const FileFilter& filter : filters)
        names << NameFilter(filter);
    return names;
}

void PrepareFileDialog(QFileDialog& dialog, const QList<FileFilter>& filters)
{
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (!filters.isEmpty())
        dialog.setNameFilters(NameFilters(filters));
}

} // namespace

QString NameFilter(const FileFilter& filter)
{
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    const QStringList patterns = filter.patterns.split(separators, Qt::SkipEmptyParts);
    const QString list = patterns.isEmpty() ? QStringLiteral("*") : patterns.join(QLatin1Char(' '));
    return QStringLiteral("%1 (%2)").arg(filter.description, list);
}

QString WithDefaultExtension(const QString& path, const QString& extension)
{
    QString bare = extension;
    while (bare.startsWith(QLatin1Char('.')))
        bare.remove(0, 1);
    const qsizetype nameStart = path.lastIndexOf(QLatin1Char('/')) + 1;
    const QStringView name = QStringView(path).mid(nameStart);
    if (bare.isEmpty() || name.isEmpty())
        return path;
    if (name.endsWith(QLatin1Char('.')))
        return path + bare;
    // A leading dot alone (".cll") names a hidden file, not an extension.
    if (name.lastIndexOf(QLatin1Char('.')) > 0)
        return path;
    return path + QLatin1Char('.') + bare;
}

QtDialogs::QtDialogs(const Fonts& fonts) : fonts_(fonts) {}

QtDialogs::OpenDialog::OpenDialog(QtDialogs& dialogs, QWidget* parent)
    : dialogs_(dialogs), window_(parent ? parent->window() : nullptr)
{
    dialogs_.openOver_.append(window_);
}

QtDialogs::OpenDialog::~OpenDialog()
{
    dialogs_.openOver_.removeOne(window_);
    // The desktop may hand the keyboard to another of the program's windows
    // when the box goes; the answer belongs to the window that asked.
    if (window_ && window_->isVisible() && !window_->isMinimized()) {
        window_->raise();
        window_->activateWindow();
    }
}

bool QtDialogs::isOpenOver(const QWidget* window) const
{
    return window && std::any_of(openOver_.cbegin(), openOver_.cend(),
                                 [window](const QPointer<QWidget>& open) { return open == window; });
}

Answer QtDialogs::askYesNo(QWidget* parent, const QString& title, const QString& text)
{
    const OpenDialog open(*this, parent);
    return ToAnswer(ShowBox(parent, QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::No));
}

Answer QtDialogs::askYesNoCancel(QWidget* parent, const QString& title, const QString& text)
{
    const OpenDialog open(*this, parent);
    return ToAnswer(ShowBox(parent, QMessageBox::Question, title, text,
                            QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel));
}

void QtDialogs::notify(QWidget* parent, const QString& title, const QString& text)
{
    const OpenDialog open(*this, parent);
    ShowBox(parent, QMessageBox::Information, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogs::error(QWidget* parent, const QString& title, const QString& text)
{
    const OpenDialog open(*this, parent);
    ShowBox(parent, QMessageBox::Critical, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

std::optional<QString> QtDialogs::inputText(QWidget* parent, const QString& title, const QString& label,
                                            const QString& initial)
{
    const OpenDialog open(*this, parent);
    QInputDialog dialog(parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(initial);
    // The box's own layout holds its width to its contents: the text box is
    // made as wide as the caption needs. It is mapped with one size, so the
    // window manager draws no resize handle under its buttons, and keeps it
    // after the box sets its size limits again on showing.
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setMinimumWidth(std::max(CaptionWidth(dialog, title) - 24, 260));
    dialog.adjustSize();
    dialog.setFixedSize(dialog.sizeHint());
    QTimer::singleShot(0, &dialog, [&dialog] {
        if (dialog.layout())
            dialog.layout()->setSizeConstraint(QLayout::SetFixedSize);
    });
    if (ExecWithKeyboard(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtDialogs::openFile(QWidget* parent, const QString& title, const QList<FileFilter>& filters,
                                           const QString& folder)
{
    const OpenDialog open(*this, parent);
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    PrepareFileDialog(dialog, filters);
    if (ExecWithKeyboard(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::saveFile(QWidget* parent, const QString& title, const QList<FileFilter>& filters,
                                           const QString& defaultExtension, const QString& folder)
{
    const OpenDialog open(*this, parent);
    QFileDialog dialog(parent, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The question is asked below, once the extension is known.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    PrepareFileDialog(dialog, filters);
    while (ExecWithKeyboard(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = WithDefaultExtension(dialog.selectedFiles().constFirst(), defaultExtension);
        if (!QFileInfo::exists(path))
            return path;
        const QString question = QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                     .arg(QFileInfo(path).fileName());
        if (ShowBox(parent, QMessageBox::Warning, title, question, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::No) == QMessageBox::Yes)
            return path;
        dialog.selectFile(path);
    }
    return std::nullopt;
}

std::optional<TColor> QtDialogs::chooseColor(QWidget* parent, TColor initial)
{
    const OpenDialog open(*this, parent);
    QColorDialog dialog(ToQColor(initial), parent);
    dialog.setWindowTitle(QStringLiteral("Color"));
    if (ExecWithKeyboard(dialog) != QDialog::Accepted || !dialog.selectedColor().isValid())
        return std::nullopt;
    return FromQColor(dialog.selectedColor());
}

std::optional<FontChoice> QtDialogs::chooseFont(QWidget* parent, const FontChoice& initial)
{
    const OpenDialog open(*this, parent);
    FontEffectsDialog dialog(fonts_.installedFamilies(), initial, parent);
    if (ExecWithKeyboard(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

std::optional<QString> QtDialogs::openPicture(QWidget* parent, const QString& folder)
{
    return openFile(parent, QStringLiteral("Open Picture"), PictureFileFilters(), folder);
}

} // namespace tessaro::platform
