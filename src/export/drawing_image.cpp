#include "export/drawing_image.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace tessaro::exporting {

namespace {

QColor ToQColor(TColor color)
{
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

} // namespace

QFont DrawnTextFont(const DrawnText& text)
{
    QFont font(QString::fromStdString(text.family));
    font.setPixelSize(text.pixelSize());
    return font;
}

std::vector<std::int32_t> DrawnTextAdvances(const DrawnText& text)
{
    const QFontMetricsF metrics(DrawnTextFont(text));
    const QString line = QString::fromStdString(text.text);
    std::vector<std::int32_t> advances;
    advances.reserve(std::size_t(line.size()));
    std::int32_t previous = 0;
    for (qsizetype end = 1; end <= line.size(); ++end) {
        // The middle of a surrogate pair has no position of its own: its
        // first unit takes nothing and its second the whole advance.
        if (end < line.size() && line.at(end - 1).isHighSurrogate()) {
            advances.push_back(0);
            continue;
        }
        const auto position = std::int32_t(std::lround(metrics.horizontalAdvance(line.left(end))));
        advances.push_back(position - previous);
        previous = position;
    }
    return advances;
}

QImage DrawingImage(const Drawing& d)
{
    QImage image(std::max(d.width, 1), std::max(d.height, 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (d.width <= 0 || d.height <= 0)
        return image.copy(0, 0, std::max(d.width, 0), std::max(d.height, 0));
    QPainter painter(&image);
    for (const DrawnRect& r : d.rects) {
        const QRect rect(r.x, r.y, r.width, r.height);
        if (r.outline) {
            painter.fillRect(rect, Qt::black);
            painter.fillRect(rect.adjusted(1, 1, -1, -1), ToQColor(r.fill));
        } else {
            painter.fillRect(rect, ToQColor(r.fill));
        }
    }
    for (const DrawnText& t : d.texts) {
        painter.setFont(DrawnTextFont(t));
        painter.setPen(ToQColor(t.color));
        painter.drawText(QRect(t.x, t.y, d.width - t.x, t.pixelSize() * 2), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromStdString(t.text));
    }
    return image;
}

} // namespace tessaro::exporting
