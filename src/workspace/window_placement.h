// Where the main window opens.
#pragma once

#include <QPoint>
#include <QSize>

namespace tessaro::workspace {

class SettingsStore;

// The saved position ("1.left", "1.top"); a missing value, or one beyond the
// screen, gives half the screen's width (height). On a first run the
// classic screen sizes get their own places.
QPoint MainWindowPosition(const SettingsStore& settings, QSize screen, bool firstRun);

} // namespace tessaro::workspace
