#include "platform/text_files.h"

#include "engine/text_encoding.h"
#include "engine/text_lines.h"

#include <QFile>
#include <QSaveFile>

namespace tessaro::platform {

namespace {

// The file's characters, decoded once for both readers.
std::optional<std::u16string> DecodeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return DecodeFileText(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

} // namespace

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

bool WriteTextLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace tessaro::platform
