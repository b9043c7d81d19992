// Writes JPEG files with libjpeg's compressor, for the reader's tests.
#pragma once

#include <QByteArray>
#include <QImage>

namespace tessaro::platform::test {

enum class JpegKind {
    Color,              // YCbCr, 4:2:0
    Progressive,        // YCbCr, progressive scans
    Gray,               // one channel (from the red channel)
    CmykAdobe,          // CMYK with an Adobe marker, inverted as Adobe programs store it
    CmykPlain,          // CMYK without an Adobe marker, plain values
    Ycck,               // Adobe YCCK (inverted CMYK transformed by libjpeg)
};

QByteArray EncodeJpeg(const QImage& image, JpegKind kind, int quality = 95);

} // namespace tessaro::platform::test
