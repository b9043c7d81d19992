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
    void setTopmost(QWidget* window, bool topmost) override;
    void setOpacity(QWidget* window, int opacity) override;
    // The hidden windows see ordinary hide and show events. Windows that
    // `whileHidden` shows stay in front of the ones shown again.
    void hideProgramWindows(int delayMs, std::function<void(ShowAgain showAgain)> whileHidden) override;
    // Tool windows have no taskbar entry to bring them back, so they are
    // hidden rather than minimised, and shown again with the first window
    // the user restores.
    void minimizeApplication() override;
    void showToolWindow(QWidget* window) override;

private:
    std::unique_ptr<MinimizedWindows> minimized_;
    std::unique_ptr<KeepAboveOnShow> keepAbove_;
};

} // namespace tessaro::platform
