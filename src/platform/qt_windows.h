// Window services for the program's own borderless windows.
#pragma once

#include "platform/platform.h"

namespace tessaro::platform {

class QtWindows : public Windows {
public:
    // Hands the move to the window manager; where there is none that can
    // (bare X servers), the window follows the mouse until the button is
    // released.
    void startMove(QWidget* window) override;
    // Changes the stay-on-top hint; a visible window is shown again at the
    // same place and size.
    void setTopmost(QWidget* window, bool topmost) override;
    void setOpacity(QWidget* window, int opacity) override;
    // The hidden windows see ordinary hide and show events. Windows that
    // `whileHidden` shows stay in front of the ones shown again.
    void hideProgramWindows(int delayMs, std::function<void()> whileHidden) override;
    void minimizeApplication() override;
};

} // namespace tessaro::platform
