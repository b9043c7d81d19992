#include "workspace/pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>

// The pictures are compiled into the program; a static library has to
// register them itself.
static void RegisterPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    (void)registered;
}

namespace tessaro::workspace {

QPixmap RenderSvgPicture(const QString& path, QSize size, qreal devicePixelRatio, const QColor& fallback)
{
    RegisterPictures();
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) {
        pixmap.fill(fallback);
        return pixmap;
    }
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

qreal ScreenPixelRatio()
{
    qreal ratio = 1;
    for (const QScreen* screen : QGuiApplication::screens())
        ratio = std::max(ratio, screen->devicePixelRatio());
    return ratio;
}

QPixmap SplashPicture()
{
    // Drawn once for the splash and kept for the About window: drawing its
    // texts costs as much as the rest of the start-up. Kept as an image,
    // which may outlive the application, as a pixmap may not.
    static QImage picture;
    const qreal ratio = ScreenPixelRatio();
    if (picture.isNull() || picture.devicePixelRatio() != ratio)
        picture = RenderSvgPicture(QStringLiteral(":/pictures/splash.svg"), kSplashSize, ratio, QColor(0x22, 0x36, 0x4F))
                      .toImage();
    return QPixmap::fromImage(picture);
}

QIcon ProgramIcon()
{
    RegisterPictures();
    return QIcon(QStringLiteral(":/pictures/kt-tessaro.svg"));
}

} // namespace tessaro::workspace
