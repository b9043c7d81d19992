// The Reopen tool window: the remembered list files, one line each, docked
// to the main window's right edge. A click on a line opens that list.
#pragma once

#include "controls/tool_window.h"

class QListWidget;
class QMenu;

namespace tessaro::colorlist {

class ColorListCommands;

class ReopenWindow : public controls::ToolWindow {
    Q_OBJECT
public:
    static constexpr int kWidth = 159;
    static constexpr int kHeight = 457;
    static constexpr int kTitleHeight = 19;

    // Builds its lines from the reopen list, after adding the current list
    // when it is neither the default list nor remembered yet.
    ReopenWindow(const platform::Platform& platform, ColorListCommands& list, QWidget* parent = nullptr);

    QListWidget* lines() const { return lines_; }
    QMenu* menu() const { return menu_; }

    // F11 and Ctrl+R: shown, or hidden when it is the active window.
    void Toggle();
    // Opens the list of line `row`, asking first when the list has changed.
    void OpenLine(int row);
    // "Delete Selected" and the Delete key; "Clear All".
    void DeleteSelected();
    void ClearAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ColorListCommands& list_;
    QListWidget* lines_;
    QMenu* menu_;
};

} // namespace tessaro::colorlist
