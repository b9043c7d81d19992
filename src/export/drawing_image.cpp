#include "export/drawing_image.h"

#include <QFont>
#include <QPainter>

namespace tessaro::exporting {

namespace {

QColor ToQColor(TColor color)
{
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

} // namespace

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
        QFont font(QString::fromStdString(t.family));
        font.setPixelSize(t.pixelSize());
        painter.setFont(font);
        painter.setPen(ToQColor(t.color));
        painter.drawText(QRect(t.x, t.y, d.width - t.x, t.pixelSize() * 2), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromStdString(t.text));
    }
    return image;
}

} // namespace tessaro::exporting
