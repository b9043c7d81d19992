#include "platform/metafile_reader.h"

#include "platform/platform.h"

#include <QPainter>
#include <QSvgRenderer>

#include <libwmf/api.h>
#include <libwmf/svg.h>

#include <emf2svg.h>

#include <algorithm>
#include <cstdlib>

namespace tessaro::platform {

namespace {

[[noreturn]] void Fail(const char* kind)
{
    throw PictureError(std::string(kind) + " image is not valid");
}

// Draws the SVG at its own size, scaled down to fit kMaxMetafileSide.
QImage RenderMetafileSvg(const QByteArray& svg, const char* kind)
{
    QSvgRenderer renderer;
    if (svg.isEmpty() || !renderer.load(svg))
        Fail(kind);
    QSizeF size = renderer.defaultSize();
    if (size.isEmpty())
        size = renderer.viewBoxF().size();
    if (size.isEmpty())
        Fail(kind);
    size = size.boundedTo(QSizeF(kMaxMetafileSide, kMaxMetafileSide)).expandedTo(QSizeF(1, 1));
    if (renderer.defaultSize().width() > kMaxMetafileSide || renderer.defaultSize().height() > kMaxMetafileSide)
        size = QSizeF(renderer.defaultSize()).scaled(kMaxMetafileSide, kMaxMetafileSide, Qt::KeepAspectRatio);
    QImage image(size.toSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        Fail(kind);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// libwmf's objects, destroyed on every way out.
class WmfSession {
public:
    WmfSession()
    {
        wmfAPI_Options options{};
        options.function = wmf_svg_function;
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

} // namespace

QByteArray WmfToSvg(const QByteArray& bytes)
{
    WmfSession session;
    wmfAPI* api = session.api();
    if (!api || bytes.isEmpty())
        return {};
    QByteArray input = bytes;
    if (wmf_mem_open(api, reinterpret_cast<unsigned char*>(input.data()), long(input.size())) != wmf_E_None)
        return {};
    QByteArray svg;
    wmfD_Rect bbox{};
    if (wmf_scan(api, 0, &bbox) == wmf_E_None) {
        wmf_svg_t* device = WMF_SVG_GetData(api);
        device->out = wmf_stream_create(api, nullptr);
        device->bbox = bbox;
        unsigned int width = 0, height = 0;
        wmf_display_size(api, &width, &height, 96, 96);
        device->width = std::clamp(width, 1u, unsigned(kMaxMetafileSide));
        device->height = std::clamp(height, 1u, unsigned(kMaxMetafileSide));
        const bool played = wmf_play(api, 0, &bbox) == wmf_E_None;
        char* buffer = nullptr;
        unsigned long length = 0;
        wmf_stream_destroy(api, device->out, &buffer, &length);
        // The buffer belongs to libwmf's allocator: copied here, released
        // with the session.
        if (played && buffer)
            svg = QByteArray(buffer, qsizetype(length));
    }
    wmf_mem_close(api);
    return svg;
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

QImage ReadWmf(const QByteArray& bytes)
{
    return RenderMetafileSvg(WmfToSvg(bytes), "Metafile");
}

QImage ReadEmf(const QByteArray& bytes)
{
    return RenderMetafileSvg(EmfToSvg(bytes), "Enhanced Metafile");
}

} // namespace tessaro::platform
