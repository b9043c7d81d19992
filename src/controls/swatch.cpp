#include "controls/swatch.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessaro::controls {

Swatch::Swatch(Shape shape, QWidget* parent) : QWidget(parent), shape_(shape)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Swatch::setColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    update();
}

void Swatch::setShape(Shape shape)
{
    if (shape == shape_)
        return;
    shape_ = shape;
    update();
}

void Swatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ToQColor(color_));
    // The outline runs on the edge pixels, so the shape covers exactly the
    // widget's square (centred when the widget is not square).
    const int side = std::min(width(), height());
    const QRect box((width() - side) / 2, (height() - side) / 2, side - 1, side - 1);
    if (shape_ == Shape::Circle)
        painter.drawEllipse(box);
    else
        painter.drawRect(box);
}

void Swatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit leftPressed(event->position().toPoint());
    QWidget::mousePressEvent(event);
}

void Swatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && rect().contains(event->position().toPoint()))
        emit rightReleased(event->globalPosition().toPoint());
    QWidget::mouseReleaseEvent(event);
}

} // namespace tessaro::controls
