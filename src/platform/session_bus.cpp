#include "platform/session_bus.h"

#include <QFile>
#include <QString>

#include <xcb/xcb.h>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace tessaro::platform {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, FreeReply>;

// The machine's D-Bus id, from the files libdbus reads, in its order.
QByteArray MachineId()
{
    for (const char* path : {"/var/lib/dbus/machine-id", "/etc/machine-id"}) {
        QFile file(QString::fromLatin1(path));
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray id = file.readLine(64).trimmed();
            if (!id.isEmpty())
                return id;
        }
    }
    return {};
}

// libdbus's own look-up before autolaunching: a socket named bus in the
// runtime folder, owned by this user.
bool UserBusSocketExists()
{
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    if (runtimeDir.isEmpty())
        return false;
    struct stat status {};
    const QByteArray path = runtimeDir + "/bus";
    return ::lstat(path.constData(), &status) == 0 && status.st_uid == ::getuid() && S_ISSOCK(status.st_mode);
}

// libdbus runs dbus-launch from its own folder first, then from PATH.
bool LauncherInstalled()
{
    QByteArrayList folders{"/usr/bin"};
    folders += qgetenv("PATH").split(':');
    for (const QByteArray& folder : folders) {
        const QByteArray path = (folder.isEmpty() ? QByteArray(".") : folder) + "/dbus-launch";
        if (::access(path.constData(), X_OK) == 0)
            return true;
    }
    return false;
}

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

xcb_intern_atom_cookie_t ExistingAtom(xcb_connection_t* connection, const QByteArray& name)
{
    return xcb_intern_atom(connection, 1, std::uint16_t(name.size()), name.constData());
}

xcb_atom_t AtomOf(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie)
{
    const ReplyPtr<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The address property of the owner of `selectionName` on `connection`.
QByteArray PublishedAddress(xcb_connection_t* connection, const QByteArray& selectionName)
{
    // Atoms that do not exist yet were never set: nothing is published.
    const xcb_intern_atom_cookie_t selectionCookie = ExistingAtom(connection, selectionName);
    const xcb_intern_atom_cookie_t addressCookie = ExistingAtom(connection, "_DBUS_SESSION_BUS_ADDRESS");
    const xcb_atom_t selection = AtomOf(connection, selectionCookie);
    const xcb_atom_t addressAtom = AtomOf(connection, addressCookie);
    if (selection == XCB_ATOM_NONE || addressAtom == XCB_ATOM_NONE)
        return {};
    const ReplyPtr<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr));
    if (!owner || owner->owner == XCB_WINDOW_NONE)
        return {};
    const ReplyPtr<xcb_get_property_reply_t> property(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, owner->owner, addressAtom, XCB_ATOM_STRING, 0, 1024), nullptr));
    if (!property || property->type != XCB_ATOM_STRING || property->format != 8 || property->bytes_after != 0)
        return {};
    const auto* text = static_cast<const char*>(xcb_get_property_value(property.get()));
    const int length = xcb_get_property_value_length(property.get());
    // The helper hands the text on up to its first zero.
    return QByteArray(text, int(::strnlen(text, std::size_t(length))));
}

// libdbus autolaunches when nothing names a bus and there is an X display.
bool WouldAutolaunch(const SessionBusFacts& facts)
{
    return facts.environmentAddress.isEmpty() && !facts.userBusSocket && facts.x11Display;
}

} // namespace

QByteArray ChooseSessionBusAddress(const SessionBusFacts& facts)
{
    if (!WouldAutolaunch(facts))
        return {};
    // Without dbus-launch, libdbus's autolaunch fails whatever the display
    // publishes.
    if (!facts.launcherInstalled)
        return kNoSessionBus;
    return facts.displayAddress;
}

QByteArray DisplaySessionBusAddress(const char* displayName)
{
    const passwd* user = ::getpwuid(::getuid());
    const QByteArray machineId = MachineId();
    if (!user || machineId.isEmpty())
        return {};
    const QByteArray selectionName = QByteArray("_DBUS_SESSION_BUS_SELECTION_") + user->pw_name + '_' + machineId;

    const std::unique_ptr<xcb_connection_t, Disconnect> connection(xcb_connect(displayName, nullptr));
    if (xcb_connection_has_error(connection.get()))
        return {};
    return PublishedAddress(connection.get(), selectionName);
}

void FindSessionBusWithoutLauncher()
{
    SessionBusFacts facts;
    facts.environmentAddress = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    facts.userBusSocket = UserBusSocketExists();
    const QByteArray display = qgetenv("DISPLAY");
    facts.x11Display = !display.isEmpty();
    // The display is asked only where libdbus would run dbus-launch to ask it.
    if (WouldAutolaunch(facts)) {
        facts.launcherInstalled = LauncherInstalled();
        if (facts.launcherInstalled)
            facts.displayAddress = DisplaySessionBusAddress(display.constData());
    }
    const QByteArray address = ChooseSessionBusAddress(facts);
    if (!address.isEmpty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", address);
}

} // namespace tessaro::platform
