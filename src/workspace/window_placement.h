// Where the main window opens.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace tessaro::workspace {

class SettingsStore;

// The saved position ("1.left", "1.top"); a missing value, or one beyond the
// screen, gives half the screen's width (height). On a first run the
// classic screen sizes get their own places.
QPoint MainWindowPosition(const SettingsStore& settings, QSize screen, bool firstRun);

// Where a window of `size` placed at `position` stays within reach: its
// title bar (the top `titleBarHeight` pixels, the whole width) lies on one
// of the `screens`. A window already so placed stays; otherwise it is
// pulled the shortest way onto the nearest screen (a window wider or taller
// than that screen keeps its left or top edge on it).
QPoint KeepTitleBarOnScreen(QPoint position, QSize size, int titleBarHeight, const QList<QRect>& screens);

} // namespace tessaro::workspace
