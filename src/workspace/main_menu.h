// The main window's menu (`MainPM`) on its title bar: every entry runs a
// program command, and an entry whose command nobody handles yet is shown
// disabled.
#pragma once

#include "controls/shortcuts.h"

#include <span>

class QMenu;
class QWidget;

namespace tessaro::workspace {

struct MainMenuEntry {
    const char* caption;  // null for a separator
    const char* name;     // the action's object name
    controls::Command command;
};

// The entries in order, separators included.
std::span<const MainMenuEntry> MainMenuEntries();

// Builds the menu; `commands` must outlive it. Each time the menu opens its
// entries are enabled by whether their commands have handlers.
QMenu* BuildMainMenu(QWidget* parent, const controls::CommandHandlers& commands);

} // namespace tessaro::workspace
