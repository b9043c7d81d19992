// The session bus, found before the program's first D-Bus connection
// without the helper process libdbus would otherwise start for it.
//
// Outside a desktop session that exports DBUS_SESSION_BUS_ADDRESS (a bare
// X session, a virtual screen), libdbus "autolaunches": on the first
// connection, which Qt's accessibility bridge makes when the first window
// shows, it forks and runs `dbus-launch --autolaunch`. That helper reads
// the bus address the X display publishes, or starts a bus when there is
// none. Forking a process of this program's size costs about 10 ms of the
// start-up. Here the published address is read over a short connection of
// our own, and when no dbus-launch is installed, every connection is
// declined at once, as the failed start of the helper would decline it.
#pragma once

#include <QByteArray>

namespace tessaro::platform {

// What decides where the session bus is, as libdbus looks for it.
struct SessionBusFacts {
    QByteArray environmentAddress;   // DBUS_SESSION_BUS_ADDRESS
    bool userBusSocket = false;      // $XDG_RUNTIME_DIR/bus, the user's bus
    bool x11Display = false;         // DISPLAY names an X display
    QByteArray displayAddress;       // the address the X display publishes
    bool launcherInstalled = false;  // dbus-launch can be started
};

// The address declining every connection, as a failed autolaunch does.
inline constexpr char kNoSessionBus[] = "disabled:";

// The address to give libdbus: the bus libdbus would end up with, without
// the helper. Empty when libdbus finds the bus as cheaply itself (the
// environment, the user's bus socket) or must start one through dbus-launch.
QByteArray ChooseSessionBusAddress(const SessionBusFacts& facts);

// The session bus address the X display `displayName` publishes for this
// user and machine (the `_DBUS_SESSION_BUS_ADDRESS` of the owner of the
// `_DBUS_SESSION_BUS_SELECTION_<user>_<machine id>` selection), or an empty
// one when the display cannot be reached or publishes none.
QByteArray DisplaySessionBusAddress(const char* displayName);

// Sets DBUS_SESSION_BUS_ADDRESS from the choice above, for the whole run
// and the programs it starts. Call it first in main(), before any thread.
void FindSessionBusWithoutLauncher();

} // namespace tessaro::platform
