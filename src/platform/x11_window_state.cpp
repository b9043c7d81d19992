#include "platform/x11_window_state.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstring>

namespace tessaro::platform {

namespace {

xcb_connection_t* Connection()
{
    const auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return XCB_ATOM_NONE;
    const xcb_atom_t atom = reply->atom;
    std::free(reply);
    return atom;
}

} // namespace

bool OnX11()
{
    return QGuiApplication::platformName() == QLatin1String("xcb") && Connection();
}

bool RequestKeepAbove(QWindow* window, bool above)
{
    xcb_connection_t* connection = OnX11() ? Connection() : nullptr;
    if (!connection || !window || !window->handle())
        return false;
    const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
    const xcb_atom_t keepAbove = Atom(connection, "_NET_WM_STATE_ABOVE");
    if (state == XCB_ATOM_NONE || keepAbove == XCB_ATOM_NONE)
        return false;

    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window->winId());
    message.type = state;
    message.data.data32[0] = above ? 1 : 0;  // _NET_WM_STATE_ADD or _REMOVE
    message.data.data32[1] = keepAbove;
    message.data.data32[3] = 1;              // asked by a normal application
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    return true;
}

} // namespace tessaro::platform
