// JPEG pictures, decoded with libjpeg.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tessaro::platform {

// Decodes a whole JPEG file held in memory into an RGB32 image. Colour,
// grayscale and CMYK/YCCK files are read (CMYK as Adobe programs write it,
// with inverted values, when the file carries an Adobe marker). A damaged or
// truncated file, or one of more than kMaxPicturePixels pixels (refused by
// the size in its header) or too large to hold, throws PictureError; libjpeg's
// own error handling never ends the process.
QImage ReadJpeg(const QByteArray& bytes);

} // namespace tessaro::platform
