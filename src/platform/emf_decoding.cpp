// tessaro-emf-decoder's drawing: libemf2svg's SVG drawn by Qt Svg.
#include "platform/metafile_decoding.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <emf2svg.h>

#include <cmath>
#include <cstdlib>
#include <memory>

namespace tessaro::platform {

const char* const kDecoderName = kEmfDecoderName;

namespace {

// The SVG text libemf2svg makes of the bytes; empty when it cannot read them.
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

// Draws the SVG at its own size, scaled down to fit the limit.
QImage RenderMetafileSvg(const QByteArray& svg)
{
    QSvgRenderer renderer;
    if (svg.isEmpty() || !renderer.load(svg))
        return {};
    QSizeF own = renderer.defaultSize();
    if (own.isEmpty())
        own = renderer.viewBoxF().size();
    if (own.isEmpty())
        return {};
    QImage image(HeldMetafileSize(unsigned(std::ceil(own.width())), unsigned(std::ceil(own.height()))),
                 QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

QImage DecodeMetafile(int argc, char** argv, const QByteArray& bytes)
{
    // Qt Svg draws texts, which needs Qt's font database; no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const auto app = std::make_unique<QGuiApplication>(argc, argv);
    return RenderMetafileSvg(EmfToSvg(bytes));
}

} // namespace tessaro::platform
