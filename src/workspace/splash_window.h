// The program's picture with its version line, and the two windows that
// show it: the splash window during start-up and the About window.
#pragma once

#include "platform/platform.h"

#include <QImage>
#include <QWidget>

class QLabel;

namespace tessaro::workspace {

// The 591 x 502 picture with the version line near its bottom.
class SplashPanel : public QWidget {
    Q_OBJECT
public:
    // Where the version line is drawn: by its label over the picture, or
    // in the picture drawn at build time when that picture suits the screen
    // and the version (the label then keeps the text but stays hidden, and
    // showing the panel lays out no text).
    enum class VersionLine { OverPicture, InDrawnPicture };
    SplashPanel(const platform::AppInfo& appInfo, VersionLine versionLine, QWidget* parent);
    QLabel* versionLabel() const { return version_; }
    // The picture shown.
    const QImage& picture() const { return picture_; }

private:
    QImage picture_;
    QLabel* version_;
};

// Borderless, centred on the screen, in front of the program's windows
// while the program starts. A question or message box that start-up opens
// takes it away at once, so the box is never hidden behind it.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(const platform::AppInfo& appInfo);
    // Shows the window centred and lets it paint before start-up goes on.
    void showWhileStarting();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SplashPanel* panel_;
};

// The centred place of a window of `size` on the screen the pointer is on.
QPoint CenteredOnScreen(QSize size);

} // namespace tessaro::workspace
