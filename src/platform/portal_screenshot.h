// The frozen screenshot on a Wayland session, where a program cannot read
// the screen itself: the desktop portal's Screenshot call over D-Bus. The
// portal answers later with the URI of a PNG of every monitor.
#pragma once

#include "platform/platform.h"

#include <QObject>

namespace tessaro::platform {

// Why the portal gave no screenshot.
enum class PortalFailure { NoSessionBus, Missing, Refused, Failed, NoAnswer, Unreadable };
// What the user is told, with what to install where that helps; `details`
// (the bus's own words) goes at the end when not empty.
QString PortalFailureText(PortalFailure failure, const QString& details);

class PortalScreenshot : public QObject {
    Q_OBJECT
public:
    // Asks the portal; `done` runs once, with the picture or with a failure
    // that says why there is none. Deletes itself afterwards.
    static void Request(QRect desktopGeometry, std::function<void(DesktopPicture)> done);

private slots:
    void response(uint code, const QVariantMap& results);

private:
    PortalScreenshot(QRect desktopGeometry, std::function<void(DesktopPicture)> done);
    void finish(DesktopPicture picture);

    QRect geometry_;
    std::function<void(DesktopPicture)> done_;
};

} // namespace tessaro::platform
