// Window manager requests on X11 that change a mapped window's state
// without Qt re-creating the native window.
#pragma once

class QWindow;

namespace tessaro::platform {

// True when the program runs on an X server (Qt's xcb platform).
bool OnX11();

// Asks the window manager to add or remove _NET_WM_STATE_ABOVE for the
// window (the EWMH client message to the root window). False when not on
// X11 or the window has no native window yet.
bool RequestKeepAbove(QWindow* window, bool above);

} // namespace tessaro::platform
