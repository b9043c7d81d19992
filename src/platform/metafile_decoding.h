// Windows metafiles drawn to pixels, inside the decoder processes (see
// metafile_pipe.h): a WMF file by libwmf's bitmap device in
// tessaro-wmf-decoder, an EMF file turned into SVG by libemf2svg and drawn
// by Qt Svg in tessaro-emf-decoder. The two are separate executables because
// libwmflite and libuemf (which libemf2svg loads) both export `wmf_free`
// with different meanings. The program asks them through metafile_reader.h.
#pragma once

#include "platform/metafile_pipe.h"

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <algorithm>

namespace tessaro::platform {

// The decoder's own name, for its usage message.
extern const char* const kDecoderName;

// Draws the metafile; a null image when the bytes are not a readable
// metafile of the decoder's kind. Called once, from main().
QImage DecodeMetafile(int argc, char** argv, const QByteArray& bytes);

// The picture's size at 96 dots per inch, scaled down to fit the limit.
inline QSize HeldMetafileSize(unsigned int width, unsigned int height)
{
    QSize size(int(std::min(width, 1u << 20)), int(std::min(height, 1u << 20)));
    if (size.width() > kMaxMetafileSide || size.height() > kMaxMetafileSide)
        size = size.scaled(kMaxMetafileSide, kMaxMetafileSide, Qt::KeepAspectRatio);
    return size.expandedTo(QSize(1, 1));
}

} // namespace tessaro::platform
