#include "platform/metafile_reader.h"

#include "platform/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <cstring>

namespace tessaro::platform {

namespace {

QImage ImageFromAnswer(const QByteArray& answer)
{
    MetafilePixelsHeader header;
    if (std::size_t(answer.size()) < sizeof header)
        return {};
    std::memcpy(&header, answer.constData(), sizeof header);
    if (header.magic != kMetafilePixelsMagic || header.width == 0 || header.height == 0
        || header.width > std::uint32_t(kMaxMetafileSide) || header.height > std::uint32_t(kMaxMetafileSide)
        || header.premultiplied > 1)
        return {};
    const std::size_t lineBytes = std::size_t(header.width) * 4;
    if (std::size_t(answer.size()) != sizeof header + lineBytes * header.height)
        return {};
    QImage image(int(header.width), int(header.height),
                 header.premultiplied ? QImage::Format_ARGB32_Premultiplied : QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    const char* pixels = answer.constData() + sizeof header;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(image.scanLine(y), pixels + lineBytes * std::size_t(y), lineBytes);
    return image;
}

QImage ReadMetafile(MetafileKind kind, const QByteArray& bytes, const char* kindName)
{
    MetafileDecode decode = DecodeMetafileInProcess(kind, bytes);
    if (decode.outcome == MetafileOutcome::NotStarted)
        throw PictureError(decode.error.toStdString());
    if (decode.outcome != MetafileOutcome::Decoded)
        throw PictureError(std::string(kindName) + " image is not valid");
    return decode.image;
}

} // namespace

QString MetafileDecoderPath(MetafileKind kind)
{
    const QString chosen = qEnvironmentVariable("TESSARO_METAFILE_DECODER");
    if (!chosen.isEmpty())
        return chosen;
    // The running executable's own folder, whether or not Qt has an
    // application object yet.
    const QDir own = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).absoluteDir();
    const QString name = QString::fromLatin1(kind == MetafileKind::Wmf ? kWmfDecoderName : kEmfDecoderName);
    for (const QString& candidate :
         {own.filePath(name), own.filePath(QStringLiteral(TESSARO_METAFILE_DECODER_FROM_BINDIR "/") + name)}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
            return info.absoluteFilePath();
    }
    return {};
}

MetafileDecode DecodeMetafileInProcess(MetafileKind kind, const QByteArray& bytes)
{
    MetafileDecode result;
    const QString decoder = MetafileDecoderPath(kind);
    if (decoder.isEmpty()) {
        result.error = QStringLiteral("The metafile decoder (%1) is missing beside the program")
                           .arg(QString::fromLatin1(kind == MetafileKind::Wmf ? kWmfDecoderName : kEmfDecoderName));
        return result;
    }
    QProcess process;
    // Its messages are not the program's; a sanitizer build's reports go to
    // the file its ASAN_OPTIONS names.
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(decoder, {});
    if (!process.waitForStarted(kMetafileDecoderWaitMs)) {
        result.error = QStringLiteral("Cannot start the metafile decoder %1: %2").arg(decoder, process.errorString());
        return result;
    }
    process.write(bytes);
    process.closeWriteChannel();
    if (!process.waitForFinished(kMetafileDecoderWaitMs)) {
        process.kill();
        process.waitForFinished(-1);
        result.outcome = MetafileOutcome::TimedOut;
        return result;
    }
    if (process.exitStatus() != QProcess::NormalExit) {
        result.outcome = MetafileOutcome::Crashed;
    } else if (process.exitCode() == kMetafileRefused) {
        result.outcome = MetafileOutcome::Refused;
    } else if (process.exitCode() != 0) {
        result.outcome = MetafileOutcome::Crashed;
    } else {
        result.image = ImageFromAnswer(process.readAllStandardOutput());
        result.outcome = result.image.isNull() ? MetafileOutcome::BadAnswer : MetafileOutcome::Decoded;
    }
    return result;
}

QImage ReadWmf(const QByteArray& bytes)
{
    return ReadMetafile(MetafileKind::Wmf, bytes, "Metafile");
}

QImage ReadEmf(const QByteArray& bytes)
{
    return ReadMetafile(MetafileKind::Emf, bytes, "Enhanced Metafile");
}

} // namespace tessaro::platform
