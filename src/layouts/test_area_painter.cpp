#include "layouts/test_area_painter.h"

#include "platform/qt_color.h"

#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace tessaro::layouts {

namespace {

QRect BoxOf(const LayoutObject& object)
{
    return QRect(object.left, object.top, object.width, object.height);
}

void PaintShape(QPainter& painter, const LayoutObject& shape)
{
    if (shape.width <= 0 || shape.height <= 0)
        return;
    painter.setPen(QPen(ToQColor(shape.outline), 1));
    painter.setBrush(ToQColor(shape.fill));
    // The one-pixel outline runs along the box's inside edge.
    const QRect inner(shape.left, shape.top, shape.width - 1, shape.height - 1);
    if (shape.ellipse) {
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.drawEllipse(QRectF(inner).translated(0.5, 0.5));
        painter.setRenderHint(QPainter::Antialiasing, false);
    } else {
        painter.drawRect(inner);
    }
}

void PaintImage(QPainter& painter, const LayoutObject& image, const QImage& picture)
{
    if (picture.isNull() || image.width <= 0 || image.height <= 0)
        return;
    const QRect box = BoxOf(image);
    painter.save();
    painter.setClipRect(box);
    if (image.stretch) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(box, picture);
    } else if (image.center) {
        painter.drawImage(QPoint(box.left() + (box.width() - picture.width()) / 2,
                                 box.top() + (box.height() - picture.height()) / 2),
                          picture);
    } else {
        painter.drawImage(box.topLeft(), picture);
    }
    painter.restore();
}

void PaintText(QPainter& painter, const LayoutObject& text)
{
    if (text.width <= 0 || text.height <= 0)
        return;
    const QRect box = BoxOf(text);
    painter.save();
    painter.setClipRect(box);
    painter.setFont(TextFont(text));
    painter.setPen(ToQColor(text.textColor));
    // No box shows more than this many characters; a longer text (from a
    // huge file) is cut so that wrapping it cannot hold the window up.
    constexpr qsizetype kMaxDrawnCharacters = 20000;
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromStdString(text.text).left(kMaxDrawnCharacters));
    painter.restore();
}

} // namespace

QFont TextFont(const LayoutObject& text)
{
    QFont font(QString::fromStdString(text.font));
    // The face alone chooses the substitute of a face that is not installed
    // (fontconfig's serif for Georgia, sans for Verdana, mono for Courier
    // New): with its own style hint the font takes none from the window it
    // is drawn in (the windows' sans-serif), so a window, the Text Edit box
    // and a rendered picture draw the same face.
    font.setStyleHint(QFont::AnyStyle);
    // Points at 96 dots per inch, rounded as the desktop rounds them.
    const int points = std::abs(text.fontSize);
    font.setPixelSize(std::max(1, int(std::lround(points * 96.0 / 72.0))));
    font.setBold(text.bold);
    font.setItalic(text.italic);
    font.setUnderline(text.underline);
    return font;
}

void PaintTestArea(QPainter& painter, const TestArea& area, const TestAreaPictures& pictures)
{
    painter.save();
    painter.setClipRect(QRect(0, 0, area.width, area.height), Qt::IntersectClip);
    painter.fillRect(QRect(0, 0, area.width, area.height), ToQColor(area.background));
    for (auto shape = area.shapes.rbegin(); shape != area.shapes.rend(); ++shape)
        if (shape->visible)
            PaintShape(painter, *shape);
    for (int i = kImageCount - 1; i >= 0; --i)
        if (area.images[std::size_t(i)].visible)
            PaintImage(painter, area.images[std::size_t(i)], pictures[std::size_t(i)]);
    for (auto text = area.texts.rbegin(); text != area.texts.rend(); ++text)
        if (text->visible)
            PaintText(painter, *text);
    painter.restore();
}

QImage RenderTestArea(const TestArea& area, const TestAreaPictures& pictures, ColorVision vision)
{
    QImage image(std::max(1, area.width), std::max(1, area.height), QImage::Format_RGB32);
    image.fill(ToQColor(area.background));
    {
        QPainter painter(&image);
        PaintTestArea(painter, area, pictures);
    }
    ApplyColorVision(image, vision);
    return image;
}

void ApplyColorVision(QImage& image, ColorVision vision)
{
    if (vision == ColorVision::Normal || image.isNull())
        return;
    if (image.format() != QImage::Format_RGB32 && image.format() != QImage::Format_ARGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        SimulateColorVisionPixels(std::span<std::uint32_t>(line, std::size_t(image.width())), vision);
    }
}

} // namespace tessaro::layouts
