#include "colorlist/color_mime.h"

#include "engine/color_text.h"
#include "engine/hex_digits.h"

#include <QByteArray>
#include <QMetaType>
#include <QMimeData>
#include <QVariant>

#include <cstring>

namespace tessaro::colorlist {

namespace {

const QString kDesktopColorType = QStringLiteral("application/x-color");

// "#RRGGBB", nothing else.
std::optional<TColor> ReadHashHex(QStringView text)
{
    if (text.size() != 7 || text[0] != u'#')
        return std::nullopt;
    int bytes[3];
    for (int i = 0; i < 3; ++i) {
        const int high = HexDigitValue(text[1 + 2 * i].unicode());
        const int low = HexDigitValue(text[2 + 2 * i].unicode());
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes[i] = high * 16 + low;
    }
    return MakeColor(std::uint8_t(bytes[0]), std::uint8_t(bytes[1]), std::uint8_t(bytes[2]));
}

// The desktop's wire form of application/x-color: red, green, blue and
// alpha as 16-bit numbers in the machine's byte order.
QByteArray DesktopColorBytes(TColor color)
{
    const std::uint16_t channels[4] = {std::uint16_t(RedOf(color) * 0x101), std::uint16_t(GreenOf(color) * 0x101),
                                       std::uint16_t(BlueOf(color) * 0x101), 0xFFFF};
    return QByteArray(reinterpret_cast<const char*>(channels), sizeof channels);
}

std::optional<TColor> ReadDesktopColorBytes(const QByteArray& bytes)
{
    std::uint16_t channels[4];
    if (bytes.size() != qsizetype(sizeof channels))
        return std::nullopt;
    std::memcpy(channels, bytes.constData(), sizeof channels);
    return MakeColor(std::uint8_t(channels[0] >> 8), std::uint8_t(channels[1] >> 8), std::uint8_t(channels[2] >> 8));
}

std::optional<DraggedColor> ReadOwnType(const QMimeData& mime)
{
    if (!mime.hasFormat(kColorMimeType))
        return std::nullopt;
    const QString payload = QString::fromLatin1(mime.data(kColorMimeType));
    const qsizetype space = payload.lastIndexOf(u' ');
    if (space < 0)
        return std::nullopt;
    const std::optional<TColor> color = ReadHashHex(QStringView(payload).mid(space + 1));
    if (!color)
        return std::nullopt;
    const QByteArray name = payload.left(space).toLatin1();
    return DraggedColor{*color, DragSourceNamed(std::string_view(name.constData(), std::size_t(name.size())))};
}

// application/x-color: the desktop's wire form, or a colour name; inside a
// Qt program a QColor, which reads as its "#rrggbb" name.
std::optional<TColor> ReadDesktopColor(const QMimeData& mime)
{
    if (!mime.hasColor())
        return std::nullopt;
    const QByteArray bytes = mime.data(kDesktopColorType);
    if (auto color = ReadDesktopColorBytes(bytes))
        return color;
    if (auto color = ReadHashHex(QString::fromLatin1(bytes).trimmed()))
        return color;
    QVariant name = mime.colorData();
    if (!name.convert(QMetaType::fromType<QString>()))
        return std::nullopt;
    return ReadHashHex(name.toString().trimmed());
}

} // namespace

void PopulateColorMime(QMimeData& mime, TColor color, DragSource source)
{
    const QString hashHex = QString::fromStdString(HashHexText(color));
    const std::string_view name = DragSourceName(source);
    mime.setData(kColorMimeType,
                 QByteArray(name.data(), qsizetype(name.size())) + ' ' + hashHex.toLatin1());
    // A real QColor when Qt's GUI module is there, as Qt's own colour drags
    // carry; it gives other programs the desktop's wire form.
    QVariant desktopColor(hashHex);
    if (desktopColor.convert(QMetaType(QMetaType::QColor)))
        mime.setColorData(desktopColor);
    else
        mime.setData(kDesktopColorType, DesktopColorBytes(color));
    mime.setText(hashHex);
}

bool CanDecodeColorMime(const QMimeData& mime)
{
    return DecodeColorMime(mime).has_value();
}

std::optional<DraggedColor> DecodeColorMime(const QMimeData& mime)
{
    if (auto own = ReadOwnType(mime))
        return own;
    if (auto color = ReadDesktopColor(mime))
        return DraggedColor{*color, DragSource::Unknown};
    if (mime.hasText())
        if (auto color = ReadHashHex(mime.text().trimmed()))
            return DraggedColor{*color, DragSource::Unknown};
    return std::nullopt;
}

} // namespace tessaro::colorlist
