#include "controls/toolbar_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace tessaro::controls {

ToolbarButton::ToolbarButton(const QPixmap& normal, std::function<QPixmap()> makeHighlighted, QWidget* parent)
    : QWidget(parent), normal_(normal), makeHighlighted_(std::move(makeHighlighted))
{
    setFixedSize(32, 32);
    setCursor(Qt::PointingHandCursor);
}

void ToolbarButton::setHighlighted(bool highlighted)
{
    if (highlighted == highlighted_)
        return;
    highlighted_ = highlighted;
    if (highlighted_ && makeHighlighted_) {
        highlightedPicture_ = makeHighlighted_();
        makeHighlighted_ = nullptr;
    }
    update();
}

void ToolbarButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A command nobody handles yet: the icon is greyed.
    if (!isEnabled())
        painter.setOpacity(0.35);
    painter.drawPixmap(down_ ? QPoint(1, 1) : QPoint(0, 0), highlighted_ ? highlightedPicture_ : normal_);
}

void ToolbarButton::enterEvent(QEnterEvent* event)
{
    if (isEnabled())
        setHighlighted(true);
    QWidget::enterEvent(event);
}

void ToolbarButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        setHighlighted(false);
    QWidget::changeEvent(event);
}

void ToolbarButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        down_ = true;
        update();
        emit pressed();
    }
}

void ToolbarButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        down_ = false;
        update();
        if (rect().contains(event->position().toPoint()))
            emit clicked();
    } else if (event->button() == Qt::RightButton && rect().contains(event->position().toPoint())) {
        emit rightClicked(event->globalPosition().toPoint());
    }
}

} // namespace tessaro::controls
