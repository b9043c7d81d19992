// Which kind of desktop session the program runs in, and which of Qt's
// platforms it asks for there.
#pragma once

namespace tessaro::platform {

// True in a Wayland desktop session (WAYLAND_DISPLAY set, or
// XDG_SESSION_TYPE "wayland"), whether the program runs there natively or
// through XWayland. In such a session only the desktop portal can read the
// screen: XWayland sees no other program's windows.
bool IsWaylandSession();

// True when the program is a native Wayland client (Qt's wayland
// platform): the compositor places its windows and never tells it where
// they are.
bool RunsNativelyOnWayland();

// Call before the QApplication is made. In a Wayland session with XWayland
// (DISPLAY set) where the user has not chosen a platform (QT_QPA_PLATFORM),
// Qt is asked for xcb first and wayland where xcb cannot connect: the
// windows' own placement, docking, roll-up and stay-on-top need the
// positions only X11 grants. Without XWayland the program runs natively.
// True when it set QT_QPA_PLATFORM: unset it again once the QApplication
// exists, so programs the desktop opens for this one choose their own.
bool PreferXWaylandInWaylandSession();

} // namespace tessaro::platform
