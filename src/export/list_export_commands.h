// The colour list's exports to files: HTML, ACO and PAL, and the GIMP and
// Adobe swatch exchange palettes, each after its save dialog. The main
// window's export menu and the colour list menu's "&Export" offer them.
#pragma once

#include "export/palette_files.h"
#include "platform/platform.h"

#include <QObject>

#include <functional>
#include <string>
#include <vector>

class QMenu;
class QWidget;

namespace tessaro::exporting {

class ListExportCommands : public QObject {
    Q_OBJECT
public:
    // `listFilePath` gives the list's file ("" when it has none yet): a GIMP
    // palette is named after it, or else after the file it is written to.
    ListExportCommands(const platform::Platform& platform, std::function<std::vector<std::string>()> listEntries,
                       std::function<QString()> listFilePath, QWidget* dialogParent, QObject* parent = nullptr);

    // Shows the kind's save dialog (asking before replacing a file); OK
    // writes the list's colours, Cancel does nothing. False when nothing was
    // written.
    bool Export(PaletteKind kind);
    // Writes the list's colours to `path` without a dialog; a failure is
    // shown with the file and the reason.
    bool ExportTo(PaletteKind kind, const QString& path);

    // The main window's export menu ("Export as &HTML", ...).
    void BuildExportMenu(QMenu* menu);
    // The colour list menu's "&Export" sub-menu ("as HTML", ...); its
    // existing entries are replaced.
    void BuildListMenu(QMenu* menu);

    // The folder the save dialogs start in.
    void setFolder(const QString& folder) { folder_ = folder; }

private:
    void buildMenu(QMenu* menu, bool listCaptions);

    platform::Platform platform_;
    std::function<std::vector<std::string>()> listEntries_;
    std::function<QString()> listFilePath_;
    QWidget* dialogParent_;
    QString folder_;
};

} // namespace tessaro::exporting
