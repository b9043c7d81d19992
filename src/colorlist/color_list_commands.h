// What the colour list's commands do: New, Open, Save and Save As with their
// questions and dialogs, the close question, lists opened by a dropped file,
// the command line or the Reopen window, drops and double clicks in the
// list, deleting, duplicates, and the additions of the other commands.
//
// A save that fails is reported with the file and the reason, and the list
// keeps its changed mark; an open that fails is reported and leaves the
// list's file as it was.
#pragma once

#include "colorlist/color_list_file.h"
#include "colorlist/color_list_model.h"
#include "export/palette_files.h"
#include "platform/platform.h"

#include <QObject>
#include <QString>

#include <span>

namespace tessaro::workspace {
class MainColor;
}

namespace tessaro::colorlist {

class ColorListCommands : public QObject {
    Q_OBJECT
public:
    // `defaultListPath` is ListFolder + "default.cll"; `dialogParent` the
    // window the questions stand over.
    ColorListCommands(const platform::Platform& platform, workspace::MainColor& mainColor,
                      const QString& defaultListPath, QWidget* dialogParent, QObject* parent = nullptr);

    ColorListModel& model() { return model_; }
    const ColorListModel& model() const { return model_; }
    ReopenList& reopenList() { return reopen_; }
    const ReopenList& reopenList() const { return reopen_; }
    const QString& defaultListPath() const { return defaultListPath_; }
    void setDefaultListPath(const QString& path) { defaultListPath_ = path; }
    // Whether `path` names the default list.
    bool isDefaultList(const QString& path) const;
    // Shows the progress of reading an older-form file; empty hides it.
    void setProgress(LoadProgress progress) { progress_ = std::move(progress); }

    void New();
    void Open();
    // True when the list was written.
    bool Save();
    bool SaveAs();
    // The question when the main window closes; true when it may close.
    bool ConfirmClose();

    // Opens the list file at `path` (it becomes the current list path): a
    // missing file leaves the entries; a file that cannot be read, or an
    // older-form line that is not hex, is reported and keeps the changed
    // mark. An older-form file other than the default list is remembered.
    // A palette file's colours become the list, in order, with no file.
    void OpenListFile(const QString& path);
    // A list file from outside (the Reopen window, the command line, a
    // dropped file): asks `question` under `caption` first when the list
    // has unsaved changes; false when the user said No. A file that does
    // not exist is reported and changes nothing. The question and the
    // report stand over `askOver` (the window the user acted in) when given.
    bool OpenListFileAsking(const QString& path, const QString& caption, const QString& question,
                            QWidget* askOver = nullptr);
    // Files dropped on the main window: ".cll" opens (after a question when
    // the list has changed); other kinds are left to the import window.
    void OpenDroppedFiles(const QStringList& paths);

    // Remembers the path in the reopen list; emits remembered when added.
    void RememberListFile(const QString& path);

    // "Add Main Color to Color List", Ctrl+A: at the insert point, recorded.
    void AddMainColor();
    // Colours of a menu command or a paste: each added with its placement,
    // the list marked changed; recorded in the history when `record`.
    void AddColors(std::span<const TColor> colors, Placement placement, bool record);
    // A colour dropped at `row` (-1: below the last entry): the insert point
    // moves there, the colour is added and recorded.
    void DropColor(TColor color, int row);
    // An entry of the list dropped at `row`: it moves there.
    void MoveEntry(int from, int row);
    // A double click: the entry's colour becomes the main colour, recorded.
    void MakeMainColor(int row);
    // Deletes the rows after the question; true when deleted.
    bool DeleteRows(const QList<int>& rows);
    void RemoveDuplicates();
    void setAllowDuplicates(bool allow) { model_.setAllowDuplicates(allow); }

    // The hint while the mouse is over the list.
    QString statusText() const;

signals:
    // A path was added to the reopen list.
    void remembered(const QString& path);

private:
    bool ask(const QString& caption, const QString& question);
    bool saveTo(const QString& path);
    // A palette file (.gpl, .aco, .ase, .pal): its colours become the list.
    void openPalette(const QString& path, exporting::PaletteKind kind);

    platform::Platform platform_;
    workspace::MainColor& mainColor_;
    QString defaultListPath_;
    QWidget* dialogParent_;
    ColorListModel model_;
    ReopenList reopen_;
    LoadProgress progress_;
};

} // namespace tessaro::colorlist
