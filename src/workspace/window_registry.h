// The program's windows in one list: each registers its name, how it is
// shown, the command that shows it, the keys it takes and how it reads and
// writes its settings. Start-up and shutdown walk the list.
#pragma once

#include "controls/shortcuts.h"
#include "state/settings_store.h"

#include <QKeyCombination>
#include <QString>

#include <functional>
#include <optional>
#include <span>
#include <vector>

class QWidget;

namespace tessaro::workspace {

struct WindowEntry {
    QString name;
    QWidget* window = nullptr;
    // How the window is shown; window->show() when empty.
    std::function<void()> show;
    // The command that shows the window (F1, F7, ...), if any.
    std::optional<controls::Command> showCommand;
    // The keys the window passes to the program's commands.
    std::span<const QKeyCombination> keys;
    // Whether the editing keys typed in a text box run the window's commands
    // or edit the box (windows whose boxes hold free text).
    controls::EditingKeys editingKeys = controls::EditingKeys::Window;
    // Reads the window's keys from the settings read at start-up.
    std::function<void(const SettingsStore&)> readSettings;
    // Reports the window's keys for the settings written at shutdown.
    std::function<void(LiveSettings&)> writeSettings;
};

class WindowRegistry {
public:
    explicit WindowRegistry(controls::CommandHandlers& commands) : commands_(commands) {}

    // Adds the window: installs its keys and its show command, then reads
    // its settings from `settings`.
    void add(WindowEntry entry, const SettingsStore& settings);

    const WindowEntry* find(const QString& name) const;
    const std::vector<WindowEntry>& entries() const { return entries_; }
    // Every window's keys, as they are now.
    LiveSettings liveSettings() const;

private:
    controls::CommandHandlers& commands_;
    std::vector<WindowEntry> entries_;
};

} // namespace tessaro::workspace
