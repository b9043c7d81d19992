#include "platform/text_files.h"

#include "engine/text_encoding.h"
#include "engine/text_lines.h"

#include <QFile>
#include <QSaveFile>

namespace tessaro::platform {

std::optional<QString> ReadTextFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    const std::u16string text = DecodeFileText(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    return QString::fromStdU16String(text);
}

std::optional<QStringList> ReadTextLines(const QString& path)
{
    const std::optional<QString> text = ReadTextFile(path);
    if (!text)
        return std::nullopt;
    const std::u16string_view view(reinterpret_cast<const char16_t*>(text->utf16()), std::size_t(text->size()));
    QStringList lines;
    for (const auto line : SplitLines(view))
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
