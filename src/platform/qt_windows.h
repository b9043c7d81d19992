// Window services for the program's own borderless windows.
#pragma once

#include "platform/platform.h"

#include <memory>

namespace tessaro::platform {

class KeepAboveOnShow;
class MinimizedWindows;

class QtWindows : public Windows {
public:
    QtWindows();
    ~QtWindows() override;

    // Hands the move to the window manager; where there is none that can
    // (bare X servers), the window follows the mouse until the button is
    // released.
    void startMove(QWidget* window) override;
    // On X11 asks the window manager to keep the window above the others
    // (_NET_WM_STATE_ABOVE), keeping the same native window; elsewhere
    // changes the stay-on-top flag, and a visible window is shown again at
    // the same place and size.
    // As a native Wayland client only the window's flag is recorded: no
    // protocol keeps a window on top, and changing the native window's
    // flags would make a new one that the compositor places anew.
    void setTopmost(QWidget* window, bool topmost) override;
    bool canKeepOnTop() const override;
    bool knowsWindowPlaces() const override;
    // Skipped where the platform cannot change a window's opacity (native
    // Wayland): the window simply stays opaque.
    void setOpacity(QWidget* window, int opacity) override;
    // The hidden windows see ordinary hide and show events. Windows that
    // `whileHidden` shows stay in front of the ones shown again.
    void hideProgramWindows(int delayMs, std::function<void(ShowAgain showAgain)> whileHidden) override;
    // Tool windows have no taskbar entry to bring them back, so they are
    // hidden rather than minimised, and shown again with the first window
    // the user restores. A native Wayland client is never told that a
    // window was restored, and a window shown again is placed anew by the
    // compositor: there every window is minimised as it is.
    void minimizeApplication() override;
    void showToolWindow(QWidget* window) override;

private:
    std::unique_ptr<MinimizedWindows> minimized_;
    std::unique_ptr<KeepAboveOnShow> keepAbove_;
};

} // namespace tessaro::platform
