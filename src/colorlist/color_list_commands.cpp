#include "colorlist/color_list_commands.h"

#include "engine/color_text.h"
#include "export/palette_files.h"
#include "platform/text_files.h"
#include "state/main_color.h"

#include <QDir>
#include <QFileInfo>

namespace tessaro::colorlist {

namespace {

const QString kCaption = QStringLiteral("KT Tessaro");

QList<platform::FileFilter> OpenFilters()
{
    return {{QStringLiteral("KT Tessaro Color List (*.cll)"), QStringLiteral("*.cll")},
            {QStringLiteral("Palettes (*.gpl *.aco *.ase *.pal)"), QStringLiteral("*.gpl; *.aco; *.ase; *.pal")}};
}

QList<platform::FileFilter> SaveFilters()
{
    return {{QStringLiteral("KT Tessaro 1.4 Color List (*.cll)"), QStringLiteral("*.cll")}};
}

} // namespace

ColorListCommands::ColorListCommands(const platform::Platform& platform, workspace::MainColor& mainColor,
                                     const QString& defaultListPath, QWidget* dialogParent, QObject* parent)
    : QObject(parent),
      platform_(platform),
      mainColor_(mainColor),
      defaultListPath_(defaultListPath),
      dialogParent_(dialogParent),
      model_(this)
{
}

bool ColorListCommands::ask(const QString& caption, const QString& question)
{
    return platform_.dialogs->askYesNo(dialogParent_, caption, question) == platform::Answer::Yes;
}

void ColorListCommands::New()
{
    if (model_.listChanged() &&
        !ask(QStringLiteral("Create New?"),
             QStringLiteral("Color List has changed. Are you sure to create new color list?")))
        return;
    model_.newList();
}

void ColorListCommands::Open()
{
    if (model_.listChanged() &&
        !ask(QStringLiteral("Open Color List?"), QStringLiteral("Color List has changed. Are you sure to open a color list?")))
        return;
    const QString folder = model_.currentListPath().isEmpty() ? QFileInfo(defaultListPath_).path()
                                                              : QFileInfo(model_.currentListPath()).path();
    if (const std::optional<QString> file =
            platform_.dialogs->openFile(dialogParent_, QStringLiteral("Open Color List"), OpenFilters(), folder))
        OpenListFile(*file);
}

bool ColorListCommands::saveTo(const QString& path)
{
    if (const std::optional<QString> reason = model_.save(path)) {
        platform_.dialogs->error(dialogParent_, kCaption,
                                 QStringLiteral("Can not save the color list %1:\n%2").arg(path, *reason));
        return false;
    }
    model_.setListChanged(false);
    return true;
}

bool ColorListCommands::Save()
{
    if (model_.currentListPath().isEmpty())
        return SaveAs();
    return saveTo(model_.currentListPath());
}

bool ColorListCommands::SaveAs()
{
    const QString folder = model_.currentListPath().isEmpty() ? QFileInfo(defaultListPath_).path()
                                                              : QFileInfo(model_.currentListPath()).path();
    const std::optional<QString> file = platform_.dialogs->saveFile(
        dialogParent_, QStringLiteral("Save Color List As"), SaveFilters(), QStringLiteral("cll"), folder);
    if (!file || !saveTo(*file))
        return false;
    model_.setCurrentListPath(*file);
    RememberListFile(*file);
    return true;
}

bool ColorListCommands::ConfirmClose()
{
    if (!model_.listChanged())
        return true;
    switch (platform_.dialogs->askYesNoCancel(dialogParent_, QStringLiteral("Save?"),
                                              QStringLiteral("Color list has changed. Do you want to save it?"))) {
    case platform::Answer::No:
        return true;
    case platform::Answer::Yes:
        // A cancelled dialog or a failed save keeps the program open.
        return Save();
    default:
        return false;
    }
}

void ColorListCommands::OpenListFile(const QString& path)
{
    if (const auto kind = exporting::PaletteKindOfPath(path.toStdString());
        kind && exporting::IsReadablePalette(*kind)) {
        openPalette(path, *kind);
        return;
    }
    const ListLoadResult result = model_.load(path, progress_);
    if (progress_)
        progress_(0, -1);
    if (result.error) {
        platform_.dialogs->error(dialogParent_, kCaption, *result.error);
        return;
    }
    if (result.olderForm && !path.isEmpty() && !isDefaultList(path))
        RememberListFile(path);
    model_.setListChanged(false);
}

void ColorListCommands::openPalette(const QString& path, exporting::PaletteKind kind)
{
    const std::optional<QByteArray> bytes = platform::ReadFileBytes(path);
    if (!bytes) {
        platform_.dialogs->error(dialogParent_, kCaption, QStringLiteral("Can not read %1.").arg(path));
        return;
    }
    exporting::PaletteRead read;
    try {
        read = exporting::ReadPalette(kind, bytes->toStdString());
    } catch (const exporting::PaletteFormatError& error) {
        platform_.dialogs->error(dialogParent_, kCaption,
                                 QStringLiteral("Can not read %1: %2.").arg(path, QString::fromStdString(error.what())));
        return;
    }
    QStringList entries;
    for (const exporting::PaletteEntry& entry : read.entries)
        entries.append(QString::fromStdString(HashHexText(entry.color)));
    // The palette's colours become a list of no file yet, to be saved as one.
    model_.restore(QString(), entries);
    if (!read.note.empty())
        platform_.dialogs->notify(dialogParent_, kCaption,
                                  QStringLiteral("%1: %2.").arg(path, QString::fromStdString(read.note)));
}

bool ColorListCommands::isDefaultList(const QString& path) const
{
    return !defaultListPath_.isEmpty() &&
           QDir::cleanPath(QFileInfo(path).absoluteFilePath()) == QDir::cleanPath(QFileInfo(defaultListPath_).absoluteFilePath());
}

bool ColorListCommands::OpenListFileAsking(const QString& path, const QString& caption, const QString& question,
                                           QWidget* askOver)
{
    QWidget* over = askOver ? askOver : dialogParent_;
    // A remembered file that is gone: said, and the list and its file stay
    // as they are (saving would otherwise write the list under that name).
    if (!QFileInfo::exists(path)) {
        platform_.dialogs->error(over, kCaption, QStringLiteral("Can not open %1:\nThe file does not exist.").arg(path));
        return false;
    }
    if (model_.listChanged() && platform_.dialogs->askYesNo(over, caption, question) != platform::Answer::Yes)
        return false;
    OpenListFile(path);
    return true;
}

void ColorListCommands::OpenDroppedFiles(const QStringList& paths)
{
    for (const QString& path : paths)
        if (path.endsWith(QStringLiteral(".cll"), Qt::CaseInsensitive))
            OpenListFileAsking(path, QStringLiteral("Open?"), QStringLiteral("Are you sure to open a color list?"));
}

void ColorListCommands::RememberListFile(const QString& path)
{
    if (reopen_.RememberListFile(path))
        emit remembered(path);
}

void ColorListCommands::AddMainColor()
{
    model_.add(mainColor_.current(), Placement::AtInsertPoint);
    model_.setListChanged(true);
    mainColor_.RecordHistoryStep();
}

void ColorListCommands::AddColors(std::span<const TColor> colors, Placement placement, bool record)
{
    for (TColor color : colors) {
        model_.add(color, placement);
        if (record)
            mainColor_.history().record(color);
    }
    model_.setListChanged(true);
}

void ColorListCommands::DropColor(TColor color, int row)
{
    model_.setInsertPoint(row);
    model_.add(color, Placement::AtInsertPoint);
    // Recorded also when the duplicate rule refused the colour.
    mainColor_.history().record(color);
    model_.setListChanged(true);
}

void ColorListCommands::MoveEntry(int from, int row)
{
    model_.setInsertPoint(row);
    if (model_.rowCount() > 0)
        model_.moveEntry(from, row);
    // Also a drop on itself counts as a change.
    model_.setListChanged(true);
}

void ColorListCommands::MakeMainColor(int row)
{
    const QModelIndex index = model_.index(row);
    if (index.isValid())
        mainColor_.setAndRecord(index.data(ColorListModel::ColorRole).value<TColor>());
}

bool ColorListCommands::DeleteRows(const QList<int>& rows)
{
    if (rows.isEmpty() ||
        !ask(QStringLiteral("Delete?"), QStringLiteral("Are you sure to delete selected color(s)?")))
        return false;
    model_.deleteRows(rows);
    return true;
}

void ColorListCommands::RemoveDuplicates()
{
    model_.removeDuplicates();
}

QString ColorListCommands::statusText() const
{
    return ColorListStatusText(model_.currentListPath(), model_.rowCount());
}

} // namespace tessaro::colorlist
