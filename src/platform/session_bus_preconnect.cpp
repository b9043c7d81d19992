#include "platform/session_bus_preconnect.h"

#include <QDBusConnection>

namespace tessaro::platform {

// Qt keeps one session bus connection per process: whoever asks while this
// one is connecting waits for it instead of connecting again, and whoever
// asks later gets it at once.
SessionBusPreconnect::SessionBusPreconnect() : thread_([] { QDBusConnection::sessionBus(); }) {}

SessionBusPreconnect::~SessionBusPreconnect()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace tessaro::platform
