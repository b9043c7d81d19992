// Reading the screen through QScreen::grabWindow of the root window.
#pragma once

#include "platform/platform.h"

namespace tessaro::platform {

// Where the screen cannot be read (outside every screen, or a display server
// that refuses grabs, such as Wayland or Qt's offscreen platform outside the
// program's own windows) the pixels are white.
class QtScreen : public Screen {
public:
    QPoint cursorPosition() const override;
    TColor pixelAt(QPoint globalPosition) const override;
    QImage grab(const QRect& globalRect) const override;
    // The primary screen's size in the program's (logical) pixels.
    QSize size() const override;
    // Each screen's available geometry (without panels), in logical pixels.
    QList<QRect> windowAreas() const override;
    // The whole virtual desktop in device pixels: grabbed through Qt on X11,
    // asked of the desktop portal in a Wayland session (natively or through
    // XWayland).
    void captureDesktop(std::function<void(DesktopPicture)> done) const override;
};

} // namespace tessaro::platform
