// Requests on X11 for a program window that Qt offers no way to make:
// window manager requests that change a mapped window's state without Qt
// re-creating the native window, and a background the X server draws.
#pragma once

class QImage;
class QWindow;

namespace tessaro::platform {

// True when the program runs on an X server (Qt's xcb platform).
bool OnX11();

// Asks the window manager to add or remove _NET_WM_STATE_ABOVE for the
// window (the EWMH client message to the root window). False when not on
// X11 or the window has no native window yet.
bool RequestKeepAbove(QWindow* window, bool above);

// Gives the window `picture` (opaque, Format_RGB32, exactly the native
// window's size in pixels) as the background the X server fills it with
// whenever it is exposed, so the picture shows the moment the window
// manager maps the window, before the program paints anything. The
// picture's pixels go to the server once; the program keeps no copy. False,
// with nothing changed, when not on X11, when the window has no native
// window yet, when the sizes differ or when the server keeps 24-bit pixels
// in another form than 32-bit little-endian words.
bool SetServerBackground(QWindow* window, const QImage& picture);

} // namespace tessaro::platform
