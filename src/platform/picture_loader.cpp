#include "platform/picture_loader.h"

#include "platform/jpeg_reader.h"
#include "platform/metafile_reader.h"
#include "platform/picture_limits.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>

namespace tessaro::platform {

namespace {

[[noreturn]] void Fail(const QString& message) { throw PictureError(message.toStdString()); }

// An icon file holds several sizes; like the desktop's own icon loading we
// take the one nearest to the standard 32 x 32, the first of equals.
QImage ReadNearestIcon(QImageReader& reader)
{
    QImage best;
    int bestDistance = 0;
    do {
        const QImage candidate = reader.read();
        if (candidate.isNull())
            break;
        const int distance = std::abs(candidate.width() - 32) + std::abs(candidate.height() - 32);
        if (best.isNull() || distance < bestDistance) {
            best = candidate;
            bestDistance = distance;
        }
    } while (reader.jumpToNextImage());
    return best;
}

QImage ReadWithQt(const QByteArray& bytes, const char* format, const char* kindName)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    AllowPicturesUpToTheLimit();
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (size.isValid() && !PictureSizeAllowed(size.width(), size.height()))
        Fail(QStringLiteral("%1 image is too large (%2 x %3)").arg(QLatin1String(kindName)).arg(size.width()).arg(size.height()));
    const QImage image = qstrcmp(format, "ico") == 0 ? ReadNearestIcon(reader) : reader.read();
    if (image.isNull())
        Fail(QStringLiteral("%1 image is not valid").arg(QLatin1String(kindName)));
    return image;
}

QImage ReadBmp(const QByteArray& bytes) { return ReadWithQt(bytes, "bmp", "Bitmap"); }
QImage ReadIco(const QByteArray& bytes) { return ReadWithQt(bytes, "ico", "Icon"); }
QImage ReadPng(const QByteArray& bytes) { return ReadWithQt(bytes, "png", "PNG"); }

QImage RenderSvg(const QByteArray& bytes)
{
    QSvgRenderer renderer;
    if (!renderer.load(bytes) || renderer.defaultSize().isEmpty())
        Fail(QStringLiteral("SVG image is not valid"));
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        Fail(QStringLiteral("SVG image is too large"));
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

const QList<PictureKind>& PictureKinds()
{
    static const QList<PictureKind> kinds = {
        {QStringLiteral("jpg"), QStringLiteral("JPEG Image File"), ReadJpeg},
        {QStringLiteral("jpeg"), QStringLiteral("JPEG Image File"), ReadJpeg},
        {QStringLiteral("bmp"), QStringLiteral("Bitmaps"), ReadBmp},
        {QStringLiteral("ico"), QStringLiteral("Icons"), ReadIco},
        {QStringLiteral("png"), QStringLiteral("PNG Images"), ReadPng},
        {QStringLiteral("svg"), QStringLiteral("SVG Images"), RenderSvg},
        {QStringLiteral("emf"), QStringLiteral("Enhanced Metafiles"), ReadEmf},
        {QStringLiteral("wmf"), QStringLiteral("Metafiles"), ReadWmf},
    };
    return kinds;
}

QList<FileFilter> PictureFileFilters()
{
    QStringList all;
    QList<FileFilter> filters;
    for (const PictureKind& kind : PictureKinds()) {
        if (!kind.decode)
            continue;
        const QString pattern = QStringLiteral("*.") + kind.extension;
        all << pattern;
        filters.append({QStringLiteral("%1 (%2)").arg(kind.description, pattern), pattern});
    }
    const QString allPatterns = all.join(QLatin1Char(';'));
    filters.prepend({QStringLiteral("All (%1)").arg(allPatterns), allPatterns});
    return filters;
}

QImage PictureLoader::load(const QString& path) const
{
    const QString extension = QFileInfo(path).suffix().toLower();
    for (const PictureKind& kind : PictureKinds()) {
        if (kind.extension != extension)
            continue;
        if (!kind.decode)
            Fail(QStringLiteral("%1 (.%2) are not supported yet").arg(kind.description, extension));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            Fail(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
        // No picture a window shows is this large; a larger file is refused
        // rather than read into memory.
        constexpr qint64 kMaxPictureFileBytes = 64 << 20;
        if (file.size() > kMaxPictureFileBytes)
            Fail(QStringLiteral("Picture file \"%1\" is too large").arg(path));
        return kind.decode(file.readAll());
    }
    Fail(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
}

} // namespace tessaro::platform
