// Where the main window opens.
#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace tessaro::workspace {

class SettingsStore;

// The saved position ("1.left", "1.top"); a missing value, or one beyond the
// screen, gives half the screen's width (height). On a first run the
// classic screen sizes get their own places.
QPoint MainWindowPosition(const SettingsStore& settings, QSize screen, bool firstRun);

// How much of a title bar's width must be on a screen to grab it.
constexpr int kTitleBarGrabWidth = 100;

// Where a window of `size` placed at `position` stays within reach. It
// stays where it is while its title bar (the top `titleBarHeight` pixels)
// is on one of the `screens` in its full height and at least
// kTitleBarGrabWidth pixels of its width; otherwise it is pulled the
// shortest way until the whole title bar is on the nearest screen (a window
// wider than that screen keeps its left edge on it).
QPoint KeepTitleBarOnScreen(QPoint position, QSize size, int titleBarHeight, const QList<QRect>& screens);

// A first run's place for one of the classic screen sizes, made whole: those
// places were chosen for smaller windows than ours, so the window is pulled
// the shortest way until it lies whole on `area` (a window larger than the
// area keeps its top-left corner on it).
QPoint KeepWholeWindowOnArea(QPoint position, QSize size, QRect area);

// The Web Preview window's place on a first run, for the classic screen
// sizes only.
std::optional<QPoint> WebPreviewFirstRunPosition(QSize screen);

} // namespace tessaro::workspace
