#include "platform/x11_window_state.h"

#include <QGuiApplication>
#include <QImage>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
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

bool SetServerBackground(QWindow* window, const QImage& picture)
{
    xcb_connection_t* connection = OnX11() ? Connection() : nullptr;
    if (!connection || !window || !window->handle() || picture.format() != QImage::Format_RGB32 ||
        picture.size() != window->size() * window->devicePixelRatio())
        return false;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    if (screen->root_depth != 24 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        return false;
    bool wordPixels = false;
    for (auto format = xcb_setup_pixmap_formats_iterator(setup); format.rem; xcb_format_next(&format))
        if (format.data->depth == 24)
            wordPixels = format.data->bits_per_pixel == 32;
    if (!wordPixels)
        return false;

    const auto target = xcb_window_t(window->winId());
    const xcb_pixmap_t pixmap = xcb_generate_id(connection);
    xcb_create_pixmap(connection, 24, pixmap, target, std::uint16_t(picture.width()), std::uint16_t(picture.height()));
    const xcb_gcontext_t gc = xcb_generate_id(connection);
    xcb_create_gc(connection, gc, pixmap, 0, nullptr);
    // In bands of rows that each fit in one request.
    const std::uint32_t rowBytes = std::uint32_t(picture.bytesPerLine());
    const std::uint32_t requestBytes = std::min<std::uint32_t>(xcb_get_maximum_request_length(connection) * 4, 1 << 18);
    const int bandRows = std::max<int>(1, int((requestBytes - 64) / rowBytes));
    for (int top = 0; top < picture.height(); top += bandRows) {
        const int rows = std::min(bandRows, picture.height() - top);
        xcb_put_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, pixmap, gc, std::uint16_t(picture.width()),
                      std::uint16_t(rows), 0, std::int16_t(top), 0, 24, rowBytes * std::uint32_t(rows),
                      picture.constScanLine(top));
    }
    xcb_change_window_attributes(connection, target, XCB_CW_BACK_PIXMAP, &pixmap);
    // The window holds the pixmap as long as it needs it.
    xcb_free_gc(connection, gc);
    xcb_free_pixmap(connection, pixmap);
    xcb_flush(connection);
    return true;
}

} // namespace tessaro::platform
