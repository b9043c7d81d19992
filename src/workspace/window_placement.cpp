#include "workspace/window_placement.h"

#include "workspace/settings_store.h"

#include <climits>

namespace tessaro::workspace {

namespace {

int SavedCoordinate(const SettingsStore& settings, Setting key, int screenExtent)
{
    const int value = settings.ReadInt(key, INT_MIN);
    if (value == INT_MIN || value > screenExtent)
        return screenExtent / 2;
    return value;
}

} // namespace

QPoint MainWindowPosition(const SettingsStore& settings, QSize screen, bool firstRun)
{
    QPoint position(SavedCoordinate(settings, Setting::MainLeft, screen.width()),
                    SavedCoordinate(settings, Setting::MainTop, screen.height()));
    if (firstRun) {
        if (screen == QSize(800, 600))
            position = {155, 2};
        else if (screen == QSize(1024, 768))
            position = {159, 4};
        else if (screen == QSize(1152, 864))
            position = {167, 20};
    }
    return position;
}

} // namespace tessaro::workspace
