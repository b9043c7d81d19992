#include "platform/session_bus_preconnect.h"

#include <QDBusConnection>
#include <QThread>

namespace tessaro::platform {

// Qt takes the first thread that asks for its thread data for the main
// thread. The connecting thread asks (the bus is a Qt object), so the
// creating thread, the main one before the application object exists,
// asks first.
static bool MarkedMainThread()
{
    return QThread::currentThread() != nullptr;
}

// Qt keeps one session bus connection per process: whoever asks while this
// one is connecting waits for it instead of connecting again, and whoever
// asks later gets it at once.
SessionBusPreconnect::SessionBusPreconnect()
    : markedMainThread_(MarkedMainThread()), thread_([] { QDBusConnection::sessionBus(); })
{
}

SessionBusPreconnect::~SessionBusPreconnect()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace tessaro::platform
