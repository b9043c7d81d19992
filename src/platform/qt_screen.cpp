#include "platform/qt_screen.h"

#include "platform/portal_screenshot.h"
#include "platform/qt_color.h"
#include "platform/wayland_session.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

namespace tessaro::platform {

QPoint QtScreen::cursorPosition() const
{
    return QCursor::pos();
}

TColor QtScreen::pixelAt(QPoint globalPosition) const
{
    return FromQRgb(grab(QRect(globalPosition, QSize(1, 1))).pixel(0, 0));
}

QImage QtScreen::grab(const QRect& globalRect) const
{
    if (globalRect.isEmpty())
        return {};
    QImage result(globalRect.size(), QImage::Format_RGB32);
    result.fill(Qt::white);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return result;
    // Window 0 is the root window: one coordinate space for all screens.
    const QRect readable = globalRect & screen->virtualGeometry();
    if (readable.isEmpty())
        return result;
    QImage part = screen->grabWindow(0, readable.x(), readable.y(), readable.width(), readable.height()).toImage();
    if (part.isNull())
        return result;
    // On a scaled screen the grab comes in device pixels.
    if (part.size() != readable.size())
        part = part.scaled(readable.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    part.setDevicePixelRatio(1);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(readable.topLeft() - globalRect.topLeft(), part);
    return result;
}

QSize QtScreen::size() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

QList<QRect> QtScreen::windowAreas() const
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}

void QtScreen::captureDesktop(std::function<void(DesktopPicture)> done) const
{
    QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) {
        done({QImage(), QRect(), QStringLiteral("There is no screen to read.")});
        return;
    }
    const QRect desktop = primary->virtualGeometry();
    // In a Wayland session only the desktop portal sees other programs'
    // windows; through XWayland the root window is empty.
    if (IsWaylandSession()) {
        PortalScreenshot::Request(desktop, std::move(done));
        return;
    }
    DesktopPicture picture;
    picture.geometry = desktop;
    // Window 0 is the root window, which spans every screen; the grab comes
    // in device pixels.
    picture.image = primary->grabWindow(0, desktop.x(), desktop.y(), desktop.width(), desktop.height())
                        .toImage()
                        .convertToFormat(QImage::Format_RGB32);
    picture.image.setDevicePixelRatio(1);
    if (!picture.isValid())
        picture.failure = QStringLiteral("The screen cannot be read on this desktop.");
    done(std::move(picture));
}

} // namespace tessaro::platform
