#include "controls/title_glyphs.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace tessaro::controls {

namespace {

struct Pictures {
    TitleGlyphPictures source;
    QFont font;
    // Each glyph's picture per pixel ratio and colour, null where none was
    // drawn, made on first use.
    std::map<std::tuple<char16_t, int, QRgb>, QImage> tinted;
};

Pictures& TheTitleGlyphPictures()
{
    static Pictures pictures;
    return pictures;
}

// The white picture's coverage in `color`, premultiplied: what the text
// drawing blends over the ground for each pixel.
QImage Tinted(const QImage& white, const QColor& color)
{
    QImage tinted(white.size(), QImage::Format_ARGB32_Premultiplied);
    tinted.setDevicePixelRatio(white.devicePixelRatio());
    const QRgb rgb = color.rgb();
    for (int y = 0; y < white.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(white.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(tinted.scanLine(y));
        for (int x = 0; x < white.width(); ++x)
            out[x] = qPremultiply(qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), qAlpha(in[x])));
    }
    return tinted;
}

// The whole pixel ratio the painter draws at, its own transformation
// moving by whole device pixels only; 0 when it does otherwise.
int WholePixelRatio(const QPainter& painter)
{
    if (painter.worldTransform().type() > QTransform::TxTranslate || painter.viewTransformEnabled())
        return 0;
    const QTransform device = painter.deviceTransform();
    const qreal ratio = device.m11();
    if (device.type() > QTransform::TxScale || device.m22() != ratio || ratio != std::floor(ratio) ||
        device.dx() != std::floor(device.dx()) || device.dy() != std::floor(device.dy()))
        return 0;
    return int(ratio);
}

bool AnyScreenScaled()
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [](const QScreen* screen) { return screen->devicePixelRatio() != 1; });
}

} // namespace

void SetTitleGlyphPictures(TitleGlyphPictures pictures, const QFont& font)
{
    Pictures& held = TheTitleGlyphPictures();
    held.source = std::move(pictures);
    held.font = font;
    held.tinted.clear();
}

QImage TitleGlyphPicture(const QPainter& painter, const QRect& box, const QString& glyph, const QColor& color)
{
    Pictures& pictures = TheTitleGlyphPictures();
    if (!pictures.source || glyph.size() != 1 || color.alpha() != 255 || box.size() != kTitleGlyphBox ||
        std::find(kTitleGlyphs.begin(), kTitleGlyphs.end(), glyph.at(0).unicode()) == kTitleGlyphs.end() ||
        painter.font() != pictures.font || painter.opacity() != 1 ||
        painter.compositionMode() != QPainter::CompositionMode_SourceOver ||
        !painter.testRenderHint(QPainter::TextAntialiasing))
        return {};
    // Qt draws the text of an application with a scaled screen unhinted:
    // text at the single ratio then differs from its picture, drawn in an
    // unscaled one, while text at twice the ratio is drawn alike in both.
    const int ratio = WholePixelRatio(painter);
    if (ratio == 0 || (ratio == 1 && AnyScreenScaled()))
        return {};
    const auto key = std::make_tuple(glyph.at(0).unicode(), ratio, color.rgb());
    auto found = pictures.tinted.find(key);
    if (found == pictures.tinted.end()) {
        const QImage white = pictures.source(TitleGlyphPictureName(glyph.at(0)), kTitleGlyphBox, ratio);
        const bool fits = !white.isNull() && white.size() == kTitleGlyphBox * ratio &&
                          white.format() == QImage::Format_ARGB32_Premultiplied;
        found = pictures.tinted.emplace(key, fits ? Tinted(white, color) : QImage()).first;
    }
    return found->second;
}

void PaintTitleGlyph(QPainter& painter, const QRect& box, const QString& glyph, const QColor& color)
{
    const QImage picture = TitleGlyphPicture(painter, box, glyph, color);
    if (picture.isNull())
        WriteTitleGlyph(painter, box, glyph, color);
    else
        painter.drawImage(box.topLeft(), picture);
}

} // namespace tessaro::controls
