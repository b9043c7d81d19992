#include "tools/picture_samples.h"

#include "platform/picture_limits.h"
#include "platform/qt_color.h"
#include "tools/picture_colors.h"

#include <QFileInfo>
#include <QImageReader>

namespace tessaro::tools {

std::optional<QImage> ReadPictureFile(const QString& path, QString& error)
{
    if (!QFileInfo(path).isFile()) {
        error = QStringLiteral("\"%1\" is not a picture file.").arg(path);
        return std::nullopt;
    }
    const auto tooLarge = [&](QSize size) {
        error = QStringLiteral("The picture \"%1\" is too large (%2 x %3).").arg(path).arg(size.width()).arg(size.height());
        return std::nullopt;
    };
    platform::AllowPicturesUpToTheLimit();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && !platform::PictureSizeAllowed(size.width(), size.height()))
        return tooLarge(size);
    QImage picture = reader.read();
    if (picture.isNull()) {
        error = QStringLiteral("Cannot read the picture \"%1\". %2").arg(path, reader.errorString());
        return std::nullopt;
    }
    // A kind whose header does not tell the size is held to the same limit.
    if (!platform::PictureSizeAllowed(picture.width(), picture.height()))
        return tooLarge(picture.size());
    return picture;
}

std::vector<TColor> PictureSamples(const QImage& picture)
{
    if (picture.isNull())
        return {};
    QImage small = picture;
    if (small.width() > kPictureSampleSide || small.height() > kPictureSampleSide)
        small = small.scaled(kPictureSampleSide, kPictureSampleSide, Qt::KeepAspectRatio, Qt::FastTransformation);
    small = small.convertToFormat(QImage::Format_RGB32);
    std::vector<TColor> samples;
    samples.reserve(std::size_t(small.width()) * std::size_t(small.height()));
    for (int y = 0; y < small.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(small.constScanLine(y));
        for (int x = 0; x < small.width(); ++x)
            samples.push_back(FromQRgb(line[x]));
    }
    return samples;
}

} // namespace tessaro::tools
