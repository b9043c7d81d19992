#include "platform/platform.h"

namespace tessaro::platform {

bool DesktopPicture::isPlainlyEmpty() const
{
    if (image.isNull())
        return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            if ((line[x] & 0xFFFFFF) != 0)
                return false;
    }
    return true;
}

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
