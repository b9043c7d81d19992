#include "controls/swatch.h"

#include "colorlist/color_mime.h"
#include "controls/color_drag.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace tessaro::controls {

Swatch::Swatch(Shape shape, QWidget* parent) : QWidget(parent), shape_(shape)
{
    updateOpaque();
}

void Swatch::updateOpaque()
{
    // A square paints every pixel of the widget, so what lies under it need
    // not be painted first; a circle's corners show it.
    setAttribute(Qt::WA_OpaquePaintEvent, shape_ == Shape::Square);
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
    updateOpaque();
    update();
}

void Swatch::setDragSource(colorlist::DragSource source)
{
    dragSource_ = source;
}

void Swatch::setDropTarget(colorlist::DropTarget target)
{
    dropTarget_ = target;
    setAcceptDrops(true);
}

void Swatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The outline runs on the edge pixels. A square fills the whole widget;
    // a circle takes the shorter side, centred.
    if (shape_ == Shape::Square) {
        // The pixels an outlined rectangle gives, filled directly.
        painter.fillRect(rect(), Qt::black);
        painter.fillRect(rect().adjusted(1, 1, -1, -1), ToQColor(color_));
        return;
    }
    const int side = std::min(width(), height());
    const QRect square((width() - side) / 2, (height() - side) / 2, side, side);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ToQColor(color_));
    painter.drawEllipse(square.adjusted(0, 0, -1, -1));
}

void Swatch::resizeEvent(QResizeEvent* event)
{
    updateOpaque();
    QWidget::resizeEvent(event);
}

void Swatch::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        leftPressAt_ = event->position().toPoint();
        emit leftPressed(event->position().toPoint());
    }
    QWidget::mousePressEvent(event);
}

void Swatch::mouseMoveEvent(QMouseEvent* event)
{
    QWidget::mouseMoveEvent(event);
    if (!dragSource_ || !leftPressAt_ || !(event->buttons() & Qt::LeftButton))
        return;
    if ((event->position().toPoint() - *leftPressAt_).manhattanLength() < QApplication::startDragDistance())
        return;
    leftPressAt_.reset();
    ExecColorDrag(this, color_, *dragSource_);
}

void Swatch::dragEnterEvent(QDragEnterEvent* event)
{
    // Any colour is let in; the drop decides whether it is taken.
    if (dropTarget_ && colorlist::CanDecodeColorMime(*event->mimeData()))
        event->acceptProposedAction();
}

void Swatch::dropEvent(QDropEvent* event)
{
    const auto dropped = dropTarget_ ? colorlist::DecodeColorMime(*event->mimeData()) : std::nullopt;
    if (!dropped)
        return;
    event->acceptProposedAction();
    if (colorlist::Accepts(*dropTarget_, dropped->source))
        emit colorDropped(dropped->color, dropped->source);
}

void Swatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        leftPressAt_.reset();
    if (event->button() == Qt::RightButton && rect().contains(event->position().toPoint()))
        emit rightReleased(event->globalPosition().toPoint());
    QWidget::mouseReleaseEvent(event);
}

} // namespace tessaro::controls
