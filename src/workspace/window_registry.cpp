#include "workspace/window_registry.h"

#include <QWidget>

namespace tessaro::workspace {

void WindowRegistry::add(WindowEntry entry, const SettingsStore& settings)
{
    if (!entry.show)
        entry.show = [window = entry.window] { window->show(); };
    if (entry.showCommand)
        commands_.set(*entry.showCommand, entry.show);
    if (!entry.keys.empty())
        controls::InstallShortcuts(entry.window, entry.keys, commands_, entry.editingKeys);
    if (entry.readSettings)
        entry.readSettings(settings);
    entries_.push_back(std::move(entry));
}

const WindowEntry* WindowRegistry::find(const QString& name) const
{
    for (const WindowEntry& entry : entries_)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

LiveSettings WindowRegistry::liveSettings() const
{
    LiveSettings live;
    for (const WindowEntry& entry : entries_)
        if (entry.writeSettings)
            entry.writeSettings(live);
    return live;
}

} // namespace tessaro::workspace
