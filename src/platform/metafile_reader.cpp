#include "platform/metafile_reader.h"

#include "platform/platform.h"

#include <QPainter>
#include <QSvgRenderer>

#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <emf2svg.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tessaro::platform {

namespace {

[[noreturn]] void Fail(const char* kind)
{
    throw PictureError(std::string(kind) + " image is not valid");
}

// The picture's size at 96 dots per inch, scaled down to fit the limit.
QSize HeldSize(unsigned int width, unsigned int height)
{
    QSize size(int(std::min(width, 1u << 20)), int(std::min(height, 1u << 20)));
    if (size.width() > kMaxMetafileSide || size.height() > kMaxMetafileSide)
        size = size.scaled(kMaxMetafileSide, kMaxMetafileSide, Qt::KeepAspectRatio);
    return size.expandedTo(QSize(1, 1));
}

// Draws the SVG at its own size, scaled down to fit the limit.
QImage RenderMetafileSvg(const QByteArray& svg, const char* kind)
{
    QSvgRenderer renderer;
    if (svg.isEmpty() || !renderer.load(svg))
        Fail(kind);
    QSizeF own = renderer.defaultSize();
    if (own.isEmpty())
        own = renderer.viewBoxF().size();
    if (own.isEmpty())
        Fail(kind);
    QImage image(HeldSize(unsigned(std::ceil(own.width())), unsigned(std::ceil(own.height()))),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        Fail(kind);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// libwmf's objects with its bitmap device, destroyed on every way out.
class WmfSession {
public:
    WmfSession()
    {
        wmfAPI_Options options{};
        options.function = wmf_gd_function;
        const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
        if (wmf_api_create(&api_, flags, &options) != wmf_E_None)
            api_ = nullptr;
    }
    ~WmfSession()
    {
        if (api_)
            wmf_api_destroy(api_);
    }
    WmfSession(const WmfSession&) = delete;
    WmfSession& operator=(const WmfSession&) = delete;
    wmfAPI* api() const { return api_; }

private:
    wmfAPI* api_ = nullptr;
};

// libwmf draws into a true-colour bitmap: one int a pixel, 0xAARRGGBB with
// alpha from 0 (opaque) to 127 (transparent).
QImage CopyGdPixels(const int* pixels, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const auto pixel = unsigned(pixels[std::size_t(y) * std::size_t(size.width()) + std::size_t(x)]);
            const int alpha = 255 - int((pixel >> 24) & 0x7F) * 255 / 127;
            line[x] = qRgba(int((pixel >> 16) & 0xFF), int((pixel >> 8) & 0xFF), int(pixel & 0xFF), alpha);
        }
    }
    return image;
}

} // namespace

QImage ReadWmf(const QByteArray& bytes)
{
    WmfSession session;
    wmfAPI* api = session.api();
    if (!api || bytes.isEmpty())
        Fail("Metafile");
    QByteArray input = bytes;
    if (wmf_mem_open(api, reinterpret_cast<unsigned char*>(input.data()), long(input.size())) != wmf_E_None)
        Fail("Metafile");
    QImage image;
    wmfD_Rect bbox{};
    if (wmf_scan(api, 0, &bbox) == wmf_E_None) {
        wmf_gd_t* device = WMF_GD_GetData(api);
        device->type = wmf_gd_image;
        device->bbox = bbox;
        unsigned int width = 0, height = 0;
        wmf_display_size(api, &width, &height, 96, 96);
        const QSize size = HeldSize(width, height);
        device->width = unsigned(size.width());
        device->height = unsigned(size.height());
        if (wmf_play(api, 0, &bbox) == wmf_E_None && device->gd_image)
            if (const int* pixels = wmf_gd_image_pixels(device->gd_image))
                image = CopyGdPixels(pixels, size);
    }
    wmf_mem_close(api);
    if (image.isNull())
        Fail("Metafile");
    return image;
}

QByteArray EmfToSvg(const QByteArray& bytes)
{
    // The header alone is 88 bytes and starts with record type 1.
    if (bytes.size() < 88 || bytes.at(0) != 1)
        return {};
    generatorOptions options{};
    options.nameSpace = const_cast<char*>("");
    options.emfplus = true;
    options.svgDelimiter = true;
    QByteArray input = bytes;
    char* out = nullptr;
    size_t length = 0;
    const int ok = emf2svg(input.data(), size_t(input.size()), &out, &length, &options);
    QByteArray svg;
    if (ok && out)
        svg = QByteArray(out, qsizetype(length));
    std::free(out);
    return svg;
}

QImage ReadEmf(const QByteArray& bytes)
{
    return RenderMetafileSvg(EmfToSvg(bytes), "Enhanced Metafile");
}

} // namespace tessaro::platform
