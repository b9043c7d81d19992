// Windows metafiles as pictures: a WMF file through libwmf's SVG device, an
// EMF file through libemf2svg, each SVG then drawn by Qt Svg. The pictures
// are held to kMaxMetafileSide pixels a side, whatever size the file claims.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tessaro::platform {

inline constexpr int kMaxMetafileSide = 2048;

// Throw PictureError when the bytes are not a readable metafile of the kind.
QImage ReadWmf(const QByteArray& bytes);
QImage ReadEmf(const QByteArray& bytes);

// The SVG text the readers draw (for tests); empty when the bytes cannot be read.
QByteArray WmfToSvg(const QByteArray& bytes);
QByteArray EmfToSvg(const QByteArray& bytes);

} // namespace tessaro::platform
