// The one conversion between the program's colour values and Qt's: every
// widget, painter, dialog and screen reader that hands a TColor to Qt (or
// takes one back) goes through these. Only the RGB bytes cross; the high
// byte of a TColor (system colours, markers) is not a Qt colour and is
// dropped. They sit beside TColor in namespace tessaro, so that code in any
// part of the program calls them unqualified.
#pragma once

#include "engine/color.h"

#include <QColor>
#include <QRgb>

namespace tessaro {

// Opaque, as QImage::Format_RGB32 and QColor expect.
constexpr QRgb ToQRgb(TColor color)
{
    return qRgb(RedOf(color), GreenOf(color), BlueOf(color));
}

constexpr TColor FromQRgb(QRgb rgb)
{
    return MakeColor(std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb)));
}

inline QColor ToQColor(TColor color)
{
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

inline TColor FromQColor(const QColor& color)
{
    return MakeColor(std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue()));
}

} // namespace tessaro
