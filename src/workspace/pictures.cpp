#include "workspace/pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QScreen>
#include <QSvgRenderer>

#include <algorithm>

// The pictures are compiled into the program; a static library has to
// register them itself.
static void RegisterPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        Q_INIT_RESOURCE(prerendered);
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

QImage PrerenderedPicture(const QString& name, QSize size, qreal devicePixelRatio)
{
    RegisterPictures();
    const auto ratio = std::find(kPrerenderedRatios.begin(), kPrerenderedRatios.end(), devicePixelRatio);
    if (ratio == kPrerenderedRatios.end())
        return {};
    const QSize pixels = size * *ratio;
    auto* bytes = new QByteArray(
        QResource(QStringLiteral(":/prerendered/") + PrerenderedPictureFile(name, *ratio)).uncompressedData());
    if (bytes->size() != qsizetype(pixels.width()) * pixels.height() * 4) {
        delete bytes;
        return {};
    }
    // The image keeps the decompressed pixels as long as it lives.
    QImage picture(
        reinterpret_cast<const uchar*>(bytes->constData()), pixels.width(), pixels.height(), pixels.width() * 4,
        QImage::Format_ARGB32_Premultiplied, [](void* held) { delete static_cast<QByteArray*>(held); }, bytes);
    picture.setDevicePixelRatio(*ratio);
    return picture;
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
    // Drawn once for the About window however often it opens. Kept as an
    // image, which may outlive the application, as a pixmap may not.
    static QImage picture;
    const qreal ratio = ScreenPixelRatio();
    if (picture.isNull() || picture.devicePixelRatio() != ratio) {
        picture = PrerenderedPicture(QStringLiteral("splash"), kSplashSize, ratio);
        if (picture.isNull())
            picture = RenderSvgPicture(QStringLiteral(":/pictures/splash.svg"), kSplashSize, ratio,
                                       QColor(0x22, 0x36, 0x4F))
                          .toImage();
    }
    return QPixmap::fromImage(picture);
}

QPixmap SplashPictureWithVersionLine()
{
    return QPixmap::fromImage(PrerenderedPicture(QStringLiteral("splash-version"), kSplashSize, ScreenPixelRatio()));
}

QIcon ProgramIcon()
{
    RegisterPictures();
    QIcon icon;
    for (const int size : kProgramIconSizes)
        icon.addPixmap(QPixmap::fromImage(
            PrerenderedPicture(ProgramIconPictureName(size), QSize(size, size), 1)));
    // Drawn from the SVG file when the build drew none.
    return icon.isNull() ? QIcon(QStringLiteral(":/pictures/kt-tessaro.svg")) : icon;
}

} // namespace tessaro::workspace
