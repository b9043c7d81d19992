// The About window: the program's picture and version line, centred on the
// screen and modal, with a link to the program's web site. A click on the
// picture or the version line closes it.
#pragma once

#include "platform/platform.h"

#include <QWidget>

class QLabel;

namespace tessaro::workspace {

class SplashPanel;

class AboutWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString kWebSite = QStringLiteral("https://github.com/kt-tessaro/kt-tessaro");

    explicit AboutWindow(const platform::Platform& platform);

    // Shows the window centred on the screen, in front and modal.
    void Open();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    platform::Platform platform_;
    SplashPanel* panel_;
    QLabel* link_;
};

} // namespace tessaro::workspace
