#include "workspace/main_toolbar.h"

#include "controls/toolbar_button.h"

#include <array>

namespace tessaro::workspace {

namespace {

using controls::Command;

const std::array kEntries = {
    ToolbarEntry{"eyeDropperButton", "Eye Dropper Tool",
                 "Eye Dropper Tool. It is used to pick color from anywhere on the screen.", ToolbarIcon::EyeDropper,
                 Command::EyeDropper},
    ToolbarEntry{"copyButton", "Copy", "Copy color value. Right click to see more formats to copy.",
                 ToolbarIcon::Copy, Command::CopyCenter, false, Command::QuickCopyMenu},
    ToolbarEntry{"pasteButton", "Paste", "Click to paste color.", ToolbarIcon::Paste, Command::Paste},
    ToolbarEntry{"undoButton", "Undo", "Undo.", ToolbarIcon::Undo, Command::Undo, true},
    ToolbarEntry{"redoButton", "Redo", "Redo.", ToolbarIcon::Redo, Command::Redo, true},
    ToolbarEntry{"testColorButton", "Test Color", "Click to open the Test Color panel.", ToolbarIcon::TestColor,
                 Command::TestColor},
    ToolbarEntry{"webPageButton", "Simple Web Page Test", "Click to open the Web Preview panel. ",
                 ToolbarIcon::WebPage, Command::WebPreview},
    ToolbarEntry{"mixerButton", "Color Mixer", "Click to open Color Mixer.", ToolbarIcon::Mixer,
                 Command::ColorMixer},
    ToolbarEntry{"importButton", "Import", "Click to import colors.", ToolbarIcon::Import, Command::ImportColors},
    ToolbarEntry{"exportButton", "Export", "Click to export color list as HTML or ACO.", ToolbarIcon::Export,
                 Command::ExportMenu, true},
    ToolbarEntry{"aboutButton", "About", "About KT Tessaro.", ToolbarIcon::About, Command::About},
};

} // namespace

std::span<const ToolbarEntry> ToolbarEntries()
{
    return kEntries;
}

MainToolbar::MainToolbar(const controls::CommandHandlers& commands, QWidget* parent)
    : QWidget(parent), commands_(commands)
{
    setObjectName(QStringLiteral("toolbarPNL"));
    setGeometry(kGeometry);
    setMouseTracking(true);
    int index = 0;
    for (const ToolbarEntry& entry : kEntries) {
        auto* button = new controls::ToolbarButton(
            ToolbarPicture(entry.icon, false), [icon = entry.icon] { return ToolbarPicture(icon, true); }, this);
        button->setObjectName(QLatin1String(entry.name));
        button->setToolTip(QLatin1String(entry.toolTip));
        // x = 8 + 40 k in the main window; the toolbar itself starts at x = 1.
        button->move(8 + 40 * index - kGeometry.x(), 4);
        const Command command = entry.command;
        connect(button, entry.actsOnPress ? &controls::ToolbarButton::pressed : &controls::ToolbarButton::clicked, this,
                [this, command] { commands_.run(command); });
        if (const std::optional<Command> right = entry.rightClick)
            connect(button, &controls::ToolbarButton::rightClicked, this,
                    [this, command = *right] { commands_.run(command); });
        buttons_.push_back(button);
        ++index;
    }
}

void MainToolbar::clearHighlight()
{
    for (controls::ToolbarButton* button : buttons_)
        button->setHighlighted(false);
}

void MainToolbar::refreshEnabled()
{
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setEnabled(commands_.has(kEntries[i].command));
}

void MainToolbar::mouseMoveEvent(QMouseEvent* event)
{
    emit backgroundHovered();
    QWidget::mouseMoveEvent(event);
}

void MainToolbar::showEvent(QShowEvent* event)
{
    refreshEnabled();
    QWidget::showEvent(event);
}

} // namespace tessaro::workspace
