// The Import Colors window: a text file or the clipboard's text scanned for
// "#RRGGBB" entries, the entries gathered in the found list, and the whole
// list handed to the colour list. Scanning runs away from the
// user-interface thread with a progress bar and a Cancel button; the
// found list takes a scan's entries in one step when it ends.
#pragma once

#include "controls/tool_window.h"
#include "platform/platform.h"
#include "tools/found_colors.h"
#include "tools/import_scan.h"

#include <QPersistentModelIndex>
#include <QTimer>

#include <deque>

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;

namespace tessaro::colorlist {
class ColorListCommands;
}

namespace tessaro::controls {
class Swatch;
}

namespace tessaro::tools {

class FoundListView;

class ImportWindow : public controls::ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 368;
    static constexpr int kHeight = 313;
    static constexpr int kTitleHeight = 19;

    ImportWindow(const platform::Platform& platform, colorlist::ColorListCommands& list, QWidget* parent = nullptr);

    FoundColorsModel& found() { return found_; }
    const FoundColorsModel& found() const { return found_; }
    FoundListView* listView() const { return listView_; }
    QMenu* menu() const { return menu_; }

    bool allowDuplicates() const { return allowDuplicates_; }
    void setAllowDuplicates(bool allow);
    QString sourceName() const;
    QString colorValueText() const;
    bool isScanning() const { return scan_.isRunning(); }

    // The files ending in ".css", ".htm", ".html" or ".txt" (letter case
    // ignored) are loaded and scanned in turn; the caller shows the window.
    static bool IsImportFile(const QString& path);
    void OpenDroppedFiles(const QStringList& paths);

    // "From File...": the open dialog, then LoadFile.
    void FromFile();
    // Shows the file's name as the source and scans its text.
    void LoadFile(const QString& path);
    // "From Clipboard": scans the clipboard's text.
    void FromClipboard();
    // "From Image...": the picture's most representative colours (as many
    // as the count box says) join the found list.
    void FromImage();
    void AddPictureColors(const QString& path, int count);
    // Scans `text`; the source name stays.
    void ScanText(const QString& text);
    void CancelScan();

    // Every found entry, in order, to the colour list's insert point; then
    // the window closes.
    void AddAllToColorList();
    void RemoveSelected();
    void ClearAll();
    void ToggleAllowDuplicates();
    void RemoveDuplicates();
    // A click on an entry: the swatch and the text below show its colour.
    void ShowEntry(int row);

    // Replaces the file with the found list, one entry a line; false when
    // it could not be written, in which case the old file stays whole.
    bool SaveLastImported(const QString& path) const;
    // Writes a found list's text (FoundColors::text) to `path`, as
    // SaveLastImported does; false when it could not be written.
    static bool SaveFoundList(const QString& path, const QByteArray& text);

signals:
    // A scan ended and the found list holds what it found.
    void scanFinished();

private:
    void forgetRemovedEntry();
    void buildSource();
    void buildFound();
    void buildMenu();
    void startNext();
    void scanEnded();
    void updateProgress();
    void setScanningLook(bool scanning);

    colorlist::ColorListCommands& list_;
    FoundColorsModel found_;
    ImportScan scan_;
    std::deque<ImportSource> pending_;
    QTimer progressTimer_;
    bool allowDuplicates_ = false;
    QString sourceBeforeScan_;

    QPlainTextEdit* sourceName_ = nullptr;
    QPushButton* fromFile_ = nullptr;
    QPushButton* fromClipboard_ = nullptr;
    QPushButton* fromImage_ = nullptr;
    QSpinBox* pictureColors_ = nullptr;
    FoundListView* listView_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* addAll_ = nullptr;
    QPushButton* clear_ = nullptr;
    controls::Swatch* swatch_ = nullptr;
    QLabel* colorValue_ = nullptr;
    // The entry the label describes.
    QPersistentModelIndex shownEntry_;
    QMenu* menu_ = nullptr;
    QAction* allowDuplicatesAction_ = nullptr;
};

} // namespace tessaro::tools
