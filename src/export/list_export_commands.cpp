#include "export/list_export_commands.h"

#include "export/center_sources.h"
#include "export/save_bytes.h"

#include <QMenu>

namespace tessaro::exporting {

namespace {

struct ExportRow {
    PaletteKind kind;
    const char* menuCaption;
    const char* listCaption;
    const char* name;
    const char* filter;
    const char* pattern;
    const char* extension;
};

constexpr ExportRow kExportRows[] = {
    {PaletteKind::Html, "Export as &HTML", "as HTML", "exportHtmlAction", "HTML (*.html)", "*.html", "html"},
    {PaletteKind::Aco, "Export as &ACO", "as ACO", "exportAcoAction", "Photoshop ACO File (*.aco)", "*.ACO", "aco"},
    {PaletteKind::Pal, "Export as PAL", "as PAL", "exportPalAction", "MS PAL File (*.pal)", "*.PAL", "pal"},
    {PaletteKind::Gpl, "Export as &GPL", "as GPL", "exportGplAction", "GIMP Palette (*.gpl)", "*.gpl", "gpl"},
    {PaletteKind::Ase, "Export as AS&E", "as ASE", "exportAseAction", "Adobe Swatch Exchange (*.ase)", "*.ase", "ase"},
};

const ExportRow& RowOf(PaletteKind kind)
{
    for (const ExportRow& row : kExportRows)
        if (row.kind == kind)
            return row;
    return kExportRows[0];
}

} // namespace

ListExportCommands::ListExportCommands(const platform::Platform& platform,
                                       std::function<std::vector<std::string>()> listEntries,
                                       std::function<QString()> listFilePath, QWidget* dialogParent, QObject* parent)
    : QObject(parent), platform_(platform), listEntries_(std::move(listEntries)),
      listFilePath_(std::move(listFilePath)), dialogParent_(dialogParent)
{
}

bool ListExportCommands::Export(PaletteKind kind)
{
    const ExportRow& row = RowOf(kind);
    const std::optional<QString> path = platform_.dialogs->saveFile(
        dialogParent_, QStringLiteral("Export Color List"),
        {{QString::fromLatin1(row.filter), QString::fromLatin1(row.pattern)}}, QString::fromLatin1(row.extension),
        folder_);
    if (!path)
        return false;
    return ExportTo(kind, *path);
}

bool ListExportCommands::ExportTo(PaletteKind kind, const QString& path)
{
    const QString listFile = listFilePath_ ? listFilePath_() : QString();
    const std::string name = PaletteNameOfPath((listFile.isEmpty() ? path : listFile).toStdString());
    std::string bytes;
    try {
        bytes = WritePalette(kind, ListEntryColors(listEntries_()), name);
    } catch (const PaletteFormatError& error) {
        platform_.dialogs->error(dialogParent_, QStringLiteral("KT Tessaro"),
                                 QStringLiteral("Can not write %1: %2.").arg(path, QString::fromStdString(error.what())));
        return false;
    }
    return SaveBytesReporting(*platform_.dialogs, dialogParent_, path, bytes);
}

void ListExportCommands::buildMenu(QMenu* menu, bool listCaptions)
{
    for (const ExportRow& row : kExportRows) {
        const PaletteKind kind = row.kind;
        QAction* action = menu->addAction(QString::fromLatin1(listCaptions ? row.listCaption : row.menuCaption), this,
                                          [this, kind] { Export(kind); });
        action->setObjectName(QString::fromLatin1(row.name) + (listCaptions ? QStringLiteral("List") : QString()));
    }
}

void ListExportCommands::BuildExportMenu(QMenu* menu)
{
    menu->setObjectName(QStringLiteral("ExportPM"));
    buildMenu(menu, false);
}

void ListExportCommands::BuildListMenu(QMenu* menu)
{
    menu->clear();
    buildMenu(menu, true);
}

} // namespace tessaro::exporting
