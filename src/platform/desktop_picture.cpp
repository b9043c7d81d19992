#include "platform/platform.h"

namespace tessaro::platform {

void Screen::captureDesktop(std::function<void(DesktopPicture)> done) const
{
    DesktopPicture picture;
    picture.geometry = QRect(QPoint(0, 0), size());
    picture.image = grab(picture.geometry);
    if (!picture.isValid())
        picture.failure = QStringLiteral("The screen cannot be read.");
    done(std::move(picture));
}

} // namespace tessaro::platform
