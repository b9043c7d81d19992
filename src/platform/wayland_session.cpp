#include "platform/wayland_session.h"

#include <QGuiApplication>
#include <QString>

namespace tessaro::platform {

bool IsWaylandSession()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

bool RunsNativelyOnWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool PreferXWaylandInWaylandSession()
{
    if (!IsWaylandSession() || qEnvironmentVariableIsEmpty("DISPLAY") ||
        !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return false;
    return qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

} // namespace tessaro::platform
