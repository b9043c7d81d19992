// The main window's toolbar: eleven 32 x 32 icons at x = 8, 48, ..., 408,
// each running a program command. An icon shows its highlighted picture
// while the mouse is over it; the mouse over the toolbar's background takes
// every highlight away. An icon whose command nobody handles is disabled.
#pragma once

#include "controls/shortcuts.h"
#include "workspace/toolbar_icons.h"

#include <QWidget>

#include <optional>
#include <span>
#include <vector>

namespace tessaro::controls {
class ToolbarButton;
}

namespace tessaro::workspace {

struct ToolbarEntry {
    const char* name;      // object name
    const char* toolTip;   // the icon's name
    const char* hint;      // the hint line's text
    ToolbarIcon icon;
    controls::Command command;
    // The command runs when the button goes down rather than on a click.
    bool actsOnPress = false;
    // The command of a right click, if any.
    std::optional<controls::Command> rightClick;
};

// The icons, left to right.
std::span<const ToolbarEntry> ToolbarEntries();

class MainToolbar : public QWidget {
    Q_OBJECT
public:
    static constexpr QRect kGeometry{1, 19, 511, 40};

    // Adds the eleven icons, each running its command through `commands`
    // (which must outlive the toolbar).
    MainToolbar(const controls::CommandHandlers& commands, QWidget* parent);

    const std::vector<controls::ToolbarButton*>& buttons() const { return buttons_; }
    controls::ToolbarButton* button(ToolbarIcon icon) const { return buttons_.at(std::size_t(icon)); }
    void clearHighlight();
    // Enables the icons whose commands have handlers now.
    void refreshEnabled();

signals:
    // The mouse moved over the toolbar's background.
    void backgroundHovered();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const controls::CommandHandlers& commands_;
    std::vector<controls::ToolbarButton*> buttons_;
};

} // namespace tessaro::workspace
