#include "workspace/pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QResource>
#include <QScreen>
#include <QSvgRenderer>

#include <algorithm>

#include <sys/mman.h>
#include <unistd.h>

// The pictures are compiled into the program; a static library has to
// register them itself.
static void RegisterPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        Q_INIT_RESOURCE(prerendered_1x);
        Q_INIT_RESOURCE(prerendered_2x);
        return true;
    }();
    (void)registered;
}

namespace tessaro::workspace {

namespace {

// Pixels in the program's read-only data.
struct ProgramPages {
    const uchar* begin;
    qsizetype size;
};

// Once no image shows them, the whole pages of `info` leave the process's
// resident memory: a large picture such as the splash would otherwise stay
// counted in it for the whole run. They are read again from the program's
// file should the picture be shown again.
void ReleaseProgramPages(void* info)
{
    const auto* pages = static_cast<ProgramPages*>(info);
    const auto pageSize = quintptr(sysconf(_SC_PAGESIZE));
    const quintptr first = (quintptr(pages->begin) + pageSize - 1) / pageSize * pageSize;
    const quintptr end = (quintptr(pages->begin) + quintptr(pages->size)) / pageSize * pageSize;
    if (end > first)
        madvise(reinterpret_cast<void*>(first), end - first, MADV_DONTNEED);
    delete pages;
}

// The picture `name` drawn at build time, its pixels taken as `format`.
QImage PrerenderedPictureAs(const QString& name, QSize size, qreal devicePixelRatio, QImage::Format format)
{
    RegisterPictures();
    const auto ratio = std::find(kPrerenderedRatios.begin(), kPrerenderedRatios.end(), devicePixelRatio);
    if (ratio == kPrerenderedRatios.end())
        return {};
    const QSize pixels = size * *ratio;
    const qsizetype expectedBytes = qsizetype(pixels.width()) * pixels.height() * 4;
    const QResource resource(QStringLiteral(":/prerendered/") + PrerenderedPictureFile(name, *ratio));
    QImage picture;
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        if (resource.size() != expectedBytes)
            return {};
        // The pixels stay where they are, in the program's read-only data,
        // unless they are not aligned for 32-bit pixels there.
        if (quintptr(resource.data()) % alignof(quint32) != 0)
            picture = QImage(resource.data(), pixels.width(), pixels.height(), pixels.width() * 4, format).copy();
        else
            picture = QImage(resource.data(), pixels.width(), pixels.height(), pixels.width() * 4, format,
                             ReleaseProgramPages, new ProgramPages{resource.data(), expectedBytes});
    } else {
        auto* bytes = new QByteArray(resource.uncompressedData());
        if (bytes->size() != expectedBytes) {
            delete bytes;
            return {};
        }
        // The image keeps the decompressed pixels as long as it lives. They
        // are writable, so setting the pixel ratio below copies nothing.
        picture = QImage(
            reinterpret_cast<uchar*>(bytes->data()), pixels.width(), pixels.height(), pixels.width() * 4, format,
            [](void* held) { delete static_cast<QByteArray*>(held); }, bytes);
    }
    picture.setDevicePixelRatio(*ratio);
    return picture;
}

} // namespace

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
    return PrerenderedPictureAs(name, size, devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
}

QImage PrerenderedOpaquePicture(const QString& name, QSize size, qreal devicePixelRatio)
{
    return PrerenderedPictureAs(name, size, devicePixelRatio, QImage::Format_RGB32);
}

qreal ScreenPixelRatio()
{
    qreal ratio = 1;
    for (const QScreen* screen : QGuiApplication::screens())
        ratio = std::max(ratio, screen->devicePixelRatio());
    return ratio;
}

QImage SplashPicture()
{
    // Drawn once for the About window however often it opens.
    static QImage picture;
    const qreal ratio = ScreenPixelRatio();
    if (picture.isNull() || picture.devicePixelRatio() != ratio) {
        picture = PrerenderedOpaquePicture(QStringLiteral("splash"), kSplashSize, ratio);
        if (picture.isNull())
            picture = RenderSvgPicture(QStringLiteral(":/pictures/splash.svg"), kSplashSize, ratio,
                                       QColor(0x22, 0x36, 0x4F))
                          .toImage();
    }
    return picture;
}

QImage SplashPictureWithVersionLine()
{
    return PrerenderedOpaquePicture(QStringLiteral("splash-version"), kSplashSize, ScreenPixelRatio());
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
