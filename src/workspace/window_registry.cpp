#include "workspace/window_registry.h"

#include <QWidget>

namespace tessaro::workspace {

void WindowRegistry::add(WindowEntry entry)
{
    entries_.push_back(std::move(entry));
    WindowEntry& added = entries_.back();
    if (added.showCommand)
        commands_.set(*added.showCommand, [this, name = added.name] { show(name); });
    if (added.window)
        finish(added);
}

// The keys and settings of a window that has just come to exist.
void WindowRegistry::finish(WindowEntry& entry)
{
    if (!entry.keys.empty())
        controls::InstallShortcuts(entry.window, entry.keys, commands_, entry.editingKeys);
    if (entry.readSettings)
        entry.readSettings(settings_);
}

QWidget* WindowRegistry::window(const QString& name)
{
    WindowEntry* found = entry(name);
    if (!found)
        return nullptr;
    if (!found->window && found->build) {
        found->window = found->build();
        finish(*found);
    }
    return found->window;
}

void WindowRegistry::show(const QString& name)
{
    QWidget* built = window(name);
    if (!built)
        return;
    const WindowEntry& shown = *entry(name);
    if (shown.show)
        shown.show();
    else
        built->show();
}

WindowEntry* WindowRegistry::entry(const QString& name)
{
    for (WindowEntry& candidate : entries_)
        if (candidate.name == name)
            return &candidate;
    return nullptr;
}

const WindowEntry* WindowRegistry::find(const QString& name) const
{
    for (const WindowEntry& candidate : entries_)
        if (candidate.name == name)
            return &candidate;
    return nullptr;
}

LiveSettings WindowRegistry::liveSettings() const
{
    LiveSettings live;
    for (const WindowEntry& entry : entries_)
        if (entry.window && entry.writeSettings)
            entry.writeSettings(live);
    return live;
}

} // namespace tessaro::workspace
