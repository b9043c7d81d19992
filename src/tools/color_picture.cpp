#include "tools/color_picture.h"

#include "platform/qt_color.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessaro::tools {

ColorPicture::ColorPicture(const QString& objectName, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    setMouseTracking(true);
}

void ColorPicture::setPicture(const QImage& picture)
{
    picture_ = picture;
    update();
}

TColor ColorPicture::colorAt(QPoint position) const
{
    if (!picture_.rect().contains(position))
        return 0xFFFFFF;
    return FromQRgb(picture_.pixel(position));
}

void ColorPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.drawImage(QPoint(0, 0), picture_);
}

void ColorPicture::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered(colorAt(event->position().toPoint()));
}

void ColorPicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit leftPressed(colorAt(event->position().toPoint()));
    else if (event->button() == Qt::RightButton)
        emit rightClicked(event->globalPosition().toPoint());
}

} // namespace tessaro::tools
