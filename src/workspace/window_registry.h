// The program's windows in one list: each registers its name, how it is
// built and shown, the command that shows it, the keys it takes and how it
// reads and writes its settings. Start-up and shutdown walk the list.
//
// A tool window is built on its first use (its command, or anything that
// asks the registry for it), not at start-up. It then reads its settings
// from the store loaded at start-up, as if it had been built then. A
// window never built in a run reports no settings: the settings file keeps
// the values it was given.
#pragma once

#include "controls/shortcuts.h"
#include "state/settings_store.h"

#include <QKeyCombination>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <span>

class QWidget;

namespace tessaro::workspace {

struct WindowEntry {
    QString name;
    // Builds the window and returns it. Empty for a window that exists
    // before it is added (`window` set).
    std::function<QWidget*()> build;
    // The window; null until it is built.
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
    // `settings` are the settings read at start-up; both outlive the registry.
    WindowRegistry(controls::CommandHandlers& commands, const SettingsStore& settings)
        : commands_(commands), settings_(settings)
    {
    }

    // Adds the window and installs its show command. A window that exists
    // already gets its keys and reads its settings now; one with `build`
    // does so when it is built.
    void add(WindowEntry entry);

    // The named window, built first if it is not yet; null for a name that
    // is not registered.
    QWidget* window(const QString& name);
    // Builds the named window when needed and shows it.
    void show(const QString& name);

    const WindowEntry* find(const QString& name) const;
    // In the order they were added; entries keep their place.
    const std::deque<WindowEntry>& entries() const { return entries_; }
    // The keys of every window built so far, as they are now.
    LiveSettings liveSettings() const;

private:
    WindowEntry* entry(const QString& name);
    void finish(WindowEntry& entry);

    controls::CommandHandlers& commands_;
    const SettingsStore& settings_;
    std::deque<WindowEntry> entries_;
};

} // namespace tessaro::workspace
