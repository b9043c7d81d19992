// The History tool window: the list of main colours chosen so far, undo and
// redo through it, and the history file. It sits against the main window's
// left edge and, with "Auto Close" on, fades out by itself a while after use.
#pragma once

#include "colorlist/history_list_model.h"
#include "controls/tool_window.h"
#include "engine/color.h"
#include "platform/platform.h"

#include <optional>

class QAction;
class QListView;
class QMenu;

namespace tessaro::workspace {
class MainColor;
}

namespace tessaro::controls {
class CommandHandlers;
}

namespace tessaro::colorlist {

class HistoryWindow : public controls::ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 155;
    static constexpr int kHeight = 457;
    static constexpr int kTitleHeight = 19;
    static constexpr int kTickMs = kFadeTickMs;
    // Ticks before the fade starts: after undo or redo, and after a click.
    static constexpr int kCountdownAfterStep = 10;
    static constexpr int kCountdownAfterClick = 30;

    // Shows the main colour's history; registers Undo and Redo in `commands`.
    HistoryWindow(const platform::Platform& platform, workspace::MainColor& mainColor,
                  controls::CommandHandlers& commands, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // Show the window opaque (starting the fade when Auto Close is on),
    // move the cursor and, when it lands on a step, select that step and
    // make its colour the main colour. Nothing is recorded.
    void Undo();
    void Redo();

    // Settings key hist.autofade.
    bool autoClose() const { return autoClose_; }
    // As the menu item: switching on starts the fade of a shown window,
    // switching off makes the window opaque again.
    void setAutoClose(bool on);

    // Appends the steps of a history file (a missing file adds none) and
    // returns the colour of the last step read. Lines with bad hex are
    // skipped; the first one's conversion error is shown.
    std::optional<TColor> LoadHistoryFile(const QString& path);
    // False when the file could not be written; the previous file stays.
    // A file loaded with bad lines is kept as ".bak" first.
    bool SaveHistoryFile(const QString& path);

    const HistoryLog& log() const { return model_->log(); }
    HistoryListModel* model() const { return model_; }

    // The menu's commands.
    void DeleteSelected();
    void ClearHistory();

protected:
    void titlePressed() override { stayAfterClick(); }
    bool fadeAllowed() const override { return autoClose_; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenu();
    void showForStep();
    void applyStep(std::optional<int> row);
    void selectStep(int row);
    void stayAfterClick();

    workspace::MainColor& mainColor_;
    HistoryListModel* model_;
    HistoryFile file_;
    QListView* histbox_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* autoCloseAction_ = nullptr;
    bool autoClose_ = true;
    bool scrollToNewestOnShow_ = false;  // steps were loaded while hidden
};

} // namespace tessaro::colorlist
