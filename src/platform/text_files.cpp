#include "platform/text_files.h"

#include "engine/text_encoding.h"
#include "engine/text_lines.h"

#include "platform/replace_file.h"

#include <QFile>

namespace tessaro::platform {

namespace {

// The file's characters, decoded once for both readers.
std::optional<std::u16string> DecodeFile(const QString& path)
{
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes)
        return std::nullopt;
    return DecodeFileText(std::string_view(bytes->constData(), std::size_t(bytes->size())));
}

} // namespace

std::optional<QByteArray> ReadFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::optional<QString> ReadTextFile(const QString& path)
{
    const std::optional<std::u16string> text = DecodeFile(path);
    if (!text)
        return std::nullopt;
    return QString::fromStdU16String(*text);
}

std::optional<QStringList> ReadTextLines(const QString& path)
{
    const std::optional<std::u16string> text = DecodeFile(path);
    if (!text)
        return std::nullopt;
    QStringList lines;
    for (const auto line : SplitLines(std::u16string_view(*text)))
        lines.append(QString::fromUtf16(line.data(), qsizetype(line.size())));
    return lines;
}

QByteArray EncodeTextLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

bool WriteAll(QIODevice& device, QByteArrayView bytes)
{
    const char* data = bytes.data();
    qint64 left = bytes.size();
    while (left > 0) {
        const qint64 written = device.write(data, left);
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

bool WriteTextLines(QIODevice& device, const QStringList& lines)
{
    return WriteAll(device, EncodeTextLines(lines));
}

bool WriteFileBytes(const QString& path, QByteArrayView bytes, int* error)
{
    return ReplaceFileBytes(QFile::encodeName(path).toStdString(),
                            std::string_view(bytes.data(), std::size_t(bytes.size())), error);
}

QString WriteErrorText(int error)
{
    return QString::fromLocal8Bit(ReplaceErrorText(error));
}

bool WriteTextLines(const QString& path, const QStringList& lines)
{
    return WriteFileBytes(path, EncodeTextLines(lines));
}

} // namespace tessaro::platform
