#include "workspace/window_placement.h"

#include "state/settings_store.h"

#include <algorithm>
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

// The distance between two rectangles, 0 when they meet.
int Distance(const QRect& a, const QRect& b)
{
    const int dx = std::max({0, b.left() - a.right(), a.left() - b.right()});
    const int dy = std::max({0, b.top() - a.bottom(), a.top() - b.bottom()});
    return dx + dy;
}

int PullInto(int start, int extent, int areaStart, int areaExtent)
{
    return std::max(areaStart, std::min(start, areaStart + areaExtent - extent));
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

QPoint KeepTitleBarOnScreen(QPoint position, QSize size, int titleBarHeight, const QList<QRect>& screens)
{
    const QRect titleBar(position, QSize(size.width(), std::max(titleBarHeight, 1)));
    const int grabWidth = std::min(kTitleBarGrabWidth, titleBar.width());
    const QRect* nearest = nullptr;
    for (const QRect& screen : screens) {
        if (screen.isEmpty())
            continue;
        const QRect onScreen = titleBar & screen;
        if (onScreen.height() == titleBar.height() && onScreen.width() >= grabWidth)
            return position;
        if (!nearest || Distance(titleBar, screen) < Distance(titleBar, *nearest))
            nearest = &screen;
    }
    if (!nearest)
        return position;
    return {PullInto(titleBar.left(), titleBar.width(), nearest->left(), nearest->width()),
            PullInto(titleBar.top(), titleBar.height(), nearest->top(), nearest->height())};
}

QPoint KeepWholeWindowOnArea(QPoint position, QSize size, QRect area)
{
    const int x = std::max(area.left(), std::min(position.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(position.y(), area.bottom() + 1 - size.height()));
    return {x, y};
}

std::optional<QPoint> WebPreviewFirstRunPosition(QSize screen)
{
    if (screen == QSize(800, 600))
        return QPoint(5, 236);
    if (screen == QSize(1024, 768))
        return QPoint(5, 404);
    if (screen == QSize(1152, 864))
        return QPoint(39, 433);
    return std::nullopt;
}

} // namespace tessaro::workspace
