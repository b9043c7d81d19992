#include "platform/jpeg_reader.h"

#include "platform/picture_limits.h"
#include "platform/platform.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>
#include <jerror.h>

namespace tessaro::platform {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return.
// Ours jumps back into Decode() with the message kept.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool allRowsRead;
};

[[noreturn]] void ExitWithError(j_common_ptr cinfo)
{
    auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings are silent, except that compressed data ending before the last
// row counts as an error: libjpeg would otherwise pad the rest with grey.
void EmitMessage(j_common_ptr cinfo, int level)
{
    if (level < 0) {
        const int code = cinfo->err->msg_code;
        if ((code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)
            && !reinterpret_cast<ErrorManager*>(cinfo->err)->allRowsRead)
            ExitWithError(cinfo);
        cinfo->err->num_warnings++;
    }
}

void OutputNothing(j_common_ptr) {}

// Everything that must survive a jump back into Decode() lives here, outside
// that function's own frame.
struct Decoder {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors{};
    QImage image;
    bool tooLarge = false;
    QSize size;  // as the header gives it
};

constexpr uchar CmykChannel(uchar ink, uchar black, bool inverted)
{
    // Adobe files store 255 for no ink, so the stored bytes already are the
    // "ink left out" amounts.
    const int c = inverted ? ink : 255 - ink;
    const int k = inverted ? black : 255 - black;
    return uchar((c * k + 127) / 255);
}

// Returns false after a libjpeg error, with the message in the decoder.
// No object with a destructor may live in this function's frame.
bool Decode(Decoder& d, const QByteArray& bytes)
{
    jpeg_decompress_struct& cinfo = d.cinfo;
    cinfo.err = jpeg_std_error(&d.errors.pub);
    d.errors.pub.error_exit = ExitWithError;
    d.errors.pub.emit_message = EmitMessage;
    d.errors.pub.output_message = OutputNothing;
    if (setjmp(d.errors.jump))
        return false;

    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    // Refused before libjpeg sets up anything for the picture's size.
    d.size = QSize(int(cinfo.image_width), int(cinfo.image_height));
    if (!PictureSizeAllowed(cinfo.image_width, cinfo.image_height)) {
        d.tooLarge = true;
        return false;
    }

    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    const bool gray = cinfo.jpeg_color_space == JCS_GRAYSCALE;
    cinfo.out_color_space = cmyk ? JCS_CMYK : gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_start_decompress(&cinfo);

    const qsizetype width = cinfo.output_width;
    const qsizetype height = cinfo.output_height;
    d.image = QImage(int(width), int(height), QImage::Format_RGB32);
    if (d.image.isNull()) {
        d.tooLarge = true;
        return false;
    }

    const int components = cinfo.output_components;
    // Freed by libjpeg together with the decompressor.
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                JDIMENSION(width * components), 1);
    const bool inverted = cmyk && cinfo.saw_Adobe_marker;
    while (cinfo.output_scanline < cinfo.output_height) {
        auto* target = reinterpret_cast<QRgb*>(d.image.scanLine(int(cinfo.output_scanline)));
        if (jpeg_read_scanlines(&cinfo, row, 1) != 1)
            ERREXIT(&cinfo, JERR_INPUT_EOF);
        const JSAMPLE* p = row[0];
        for (qsizetype x = 0; x < width; ++x, p += components) {
            if (gray)
                target[x] = qRgb(p[0], p[0], p[0]);
            else if (cmyk)
                target[x] = qRgb(CmykChannel(p[0], p[3], inverted), CmykChannel(p[1], p[3], inverted),
                                 CmykChannel(p[2], p[3], inverted));
            else
                target[x] = qRgb(p[0], p[1], p[2]);
        }
    }
    d.errors.allRowsRead = true;
    jpeg_finish_decompress(&cinfo);
    return true;
}

} // namespace

QImage ReadJpeg(const QByteArray& bytes)
{
    // Some programs leave out the end marker. With it put back, libjpeg
    // tells a complete picture from one whose data stops early.
    static const QByteArray endMarker("\xFF\xD9", 2);
    const QByteArray complete = bytes.endsWith(endMarker) ? bytes : bytes + endMarker;
    Decoder decoder;
    const bool ok = Decode(decoder, complete);
    jpeg_destroy_decompress(&decoder.cinfo);
    if (decoder.tooLarge)
        throw PictureError("JPEG picture is too large (" + std::to_string(decoder.size.width()) + " x " +
                           std::to_string(decoder.size.height()) + ")");
    if (!ok)
        throw PictureError(std::string("JPEG error: ") + decoder.errors.message);
    return decoder.image;
}

} // namespace tessaro::platform
