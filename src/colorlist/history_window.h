// The History tool window: the list of main colours chosen so far, undo and
// redo through it, and the history file. It sits against the main window's
// left edge and, with "Auto Close" on, fades out by itself a while after use.
#pragma once

#include "colorlist/history_list_model.h"
#include "engine/color.h"
#include "platform/platform.h"

#include <QRect>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

class QAction;
class QListView;
class QMenu;

namespace tessaro::controls {
class TitleBar;
}

namespace tessaro::colorlist {

// What the window needs of the main window.
struct HistoryHooks {
    // Makes a colour the main colour without recording it.
    std::function<void(TColor)> setMainColor;
    // The main window's frame geometry, for docking.
    std::function<QRect()> mainWindowGeometry;
    // The main window's keyboard table; true when it handled the key.
    std::function<bool(int key, Qt::KeyboardModifiers)> shortcut;
};

class HistoryWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 155;
    static constexpr int kHeight = 457;
    static constexpr int kRolledUpHeight = 20;
    static constexpr int kTitleHeight = 19;
    static constexpr int kTickMs = 100;
    // Ticks before the fade starts: after undo or redo, and after a click.
    static constexpr int kCountdownAfterStep = 10;
    static constexpr int kCountdownAfterClick = 30;
    static constexpr int kFadeStep = 15;

    HistoryWindow(const platform::Platform& platform, HistoryHooks hooks, QWidget* parent = nullptr);
    ~HistoryWindow() override;

    // Appends the colour's step and moves the cursor past it.
    void RecordHistoryStep(TColor color);
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
    // returns the colour of the last step read. A line with bad hex stops
    // the reading and shows the conversion error; the steps before it stay.
    std::optional<TColor> LoadHistoryFile(const QString& path);
    // False when the file could not be written; the previous file stays.
    bool SaveHistoryFile(const QString& path) const;

    // Right edge against the main window's left edge, same top.
    void DockToMainWindow();
    void ToggleRollUp();
    bool isRolledUp() const { return rolledUp_; }

    // One tick of the fade timer.
    void FadeTick();
    int opacity() const { return opacity_; }
    int fadeCountdown() const { return fadeCountdown_; }
    bool fadeTimerActive() const { return fadeTimer_.isActive(); }

    const HistoryLog& log() const { return model_->log(); }
    HistoryListModel* model() const { return model_; }

    // The menu's commands.
    void DeleteSelected();
    void ClearHistory();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildMenu();
    void showForStep();
    void applyStep(std::optional<int> row);
    void selectStep(int row);
    void makeOpaque();
    void startFade(int countdown);
    void stayAfterClick();
    void closeByHand();
    void popupMenu(const QPoint& globalPosition);

    platform::Platform platform_;
    HistoryHooks hooks_;
    HistoryListModel* model_;
    controls::TitleBar* titleBar_ = nullptr;
    QListView* histbox_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* autoCloseAction_ = nullptr;
    QTimer fadeTimer_;
    bool autoClose_ = true;
    bool rolledUp_ = false;
    int opacity_ = 255;
    int fadeCountdown_ = 0;
};

} // namespace tessaro::colorlist
