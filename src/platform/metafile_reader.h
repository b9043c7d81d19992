// Windows metafiles as pictures: a WMF file drawn by libwmf's bitmap device,
// an EMF file turned into SVG by libemf2svg and drawn by Qt Svg. The
// pictures are held to kMaxMetafileSide pixels a side, whatever size the
// file claims.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tessaro::platform {

inline constexpr int kMaxMetafileSide = 2048;

// Throw PictureError when the bytes are not a readable metafile of the kind.
QImage ReadWmf(const QByteArray& bytes);
QImage ReadEmf(const QByteArray& bytes);

// The SVG text ReadEmf draws; empty when the bytes cannot be read.
QByteArray EmfToSvg(const QByteArray& bytes);

} // namespace tessaro::platform
