// tessaro-wmf-decoder's drawing: libwmf's bitmap device.
#include "platform/metafile_decoding.h"

#include <libwmf/api.h>
#include <libwmf/gd.h>

#include <cstddef>

namespace tessaro::platform {

const char* const kDecoderName = kWmfDecoderName;

namespace {

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

QImage DecodeMetafile(int, char**, const QByteArray& bytes)
{
    WmfSession session;
    wmfAPI* api = session.api();
    if (!api || bytes.isEmpty())
        return {};
    QByteArray input = bytes;
    if (wmf_mem_open(api, reinterpret_cast<unsigned char*>(input.data()), long(input.size())) != wmf_E_None)
        return {};
    QImage image;
    wmfD_Rect bbox{};
    if (wmf_scan(api, 0, &bbox) == wmf_E_None) {
        wmf_gd_t* device = WMF_GD_GetData(api);
        device->type = wmf_gd_image;
        device->bbox = bbox;
        unsigned int width = 0, height = 0;
        wmf_display_size(api, &width, &height, 96, 96);
        const QSize size = HeldMetafileSize(width, height);
        device->width = unsigned(size.width());
        device->height = unsigned(size.height());
        if (wmf_play(api, 0, &bbox) == wmf_E_None && device->gd_image)
            if (const int* pixels = wmf_gd_image_pixels(device->gd_image))
                image = CopyGdPixels(pixels, size);
    }
    wmf_mem_close(api);
    return image;
}

} // namespace tessaro::platform
