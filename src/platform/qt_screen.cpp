#include "platform/qt_screen.h"

#include "platform/qt_color.h"

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

} // namespace tessaro::platform
