#include "jpeg_encoder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace tessaro::platform::test {

namespace {

// The ink amounts that print as the colour, with as much black as possible.
void RgbToCmyk(QRgb rgb, JSAMPLE* cmyk)
{
    const int r = qRed(rgb), g = qGreen(rgb), b = qBlue(rgb);
    const int k = 255 - std::max({r, g, b});
    const int rest = 255 - k;
    auto ink = [&](int channel) { return rest == 0 ? 0 : ((rest - channel) * 255 + rest / 2) / rest; };
    cmyk[0] = JSAMPLE(ink(r));
    cmyk[1] = JSAMPLE(ink(g));
    cmyk[2] = JSAMPLE(ink(b));
    cmyk[3] = JSAMPLE(k);
}

} // namespace

QByteArray EncodeJpeg(const QImage& source, JpegKind kind, int quality)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    const bool cmyk = kind == JpegKind::CmykAdobe || kind == JpegKind::CmykPlain || kind == JpegKind::Ycck;
    const bool inverted = kind == JpegKind::CmykAdobe || kind == JpegKind::Ycck;
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = kind == JpegKind::Gray ? 1 : cmyk ? 4 : 3;
    cinfo.in_color_space = kind == JpegKind::Gray ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    if (kind == JpegKind::Ycck)
        jpeg_set_colorspace(&cinfo, JCS_YCCK);
    if (kind == JpegKind::CmykPlain)
        cinfo.write_Adobe_marker = FALSE;
    if (kind == JpegKind::Progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);

    std::vector<JSAMPLE> row(std::size_t(image.width()) * std::size_t(cinfo.input_components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(int(cinfo.next_scanline)));
        for (int x = 0; x < image.width(); ++x) {
            JSAMPLE* out = row.data() + std::size_t(x) * std::size_t(cinfo.input_components);
            if (kind == JpegKind::Gray) {
                out[0] = JSAMPLE(qRed(pixels[x]));
            } else if (cmyk) {
                RgbToCmyk(pixels[x], out);
                if (inverted)
                    for (int i = 0; i < 4; ++i)
                        out[i] = JSAMPLE(255 - out[i]);
            } else {
                out[0] = JSAMPLE(qRed(pixels[x]));
                out[1] = JSAMPLE(qGreen(pixels[x]));
                out[2] = JSAMPLE(qBlue(pixels[x]));
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

} // namespace tessaro::platform::test
