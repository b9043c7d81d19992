// The connection to the desktop's session bus made on a thread of its own
// while the program connects to the display. The accessibility bridge asks
// for it with the first text a window gets, and would otherwise wait on the
// main thread for the bus (or, without one, for the attempt to start one).
#pragma once

#include <thread>

namespace tessaro::platform {

class SessionBusPreconnect {
public:
    SessionBusPreconnect();
    ~SessionBusPreconnect();
    SessionBusPreconnect(const SessionBusPreconnect&) = delete;
    SessionBusPreconnect& operator=(const SessionBusPreconnect&) = delete;

private:
    bool markedMainThread_;
    std::thread thread_;
};

} // namespace tessaro::platform
