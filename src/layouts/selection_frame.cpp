#include "layouts/selection_frame.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tessaro::layouts {

namespace {

constexpr int kHandle = 5;

QRect ToRect(const Box& box)
{
    return QRect(box.left, box.top, box.width, box.height);
}

Qt::CursorShape CursorOf(GrabZone zone)
{
    switch (zone) {
    case GrabZone::TopLeft:
    case GrabZone::BottomRight: return Qt::SizeFDiagCursor;
    case GrabZone::TopRight:
    case GrabZone::BottomLeft: return Qt::SizeBDiagCursor;
    case GrabZone::Top:
    case GrabZone::Bottom: return Qt::SizeVerCursor;
    case GrabZone::Left:
    case GrabZone::Right: return Qt::SizeHorCursor;
    case GrabZone::Move: break;
    }
    return Qt::SizeAllCursor;
}

} // namespace

SelectionFrame::SelectionFrame(TestArea& area, QWidget* parent) : QWidget(parent), area_(area)
{
    setObjectName(QStringLiteral("selectionFrame"));
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    hide();
    setEnabled(false);
}

Box SelectionFrame::boxOf(const ObjectRef& object) const
{
    const LayoutObject& o = area_.Object(object.kind, object.number);
    return {o.left, o.top, o.width, o.height};
}

void SelectionFrame::recomputeBounds()
{
    bounds_.reset();
    for (const ObjectRef& object : held_)
        bounds_ = bounds_ ? GrowFrame(*bounds_, boxOf(object)) : FrameAround(boxOf(object));
    update();
}

void SelectionFrame::Take(ObjectRef object)
{
    if (std::find(held_.begin(), held_.end(), object) == held_.end()) {
        held_.push_back(object);
        recomputeBounds();
    }
    if (parentWidget())
        setGeometry(parentWidget()->rect());
    setEnabled(true);
    show();
    raise();
    setFocus();
}

void SelectionFrame::LetGoAll()
{
    held_.clear();
    bounds_.reset();
    dragFrom_.reset();
    hide();
    setEnabled(false);
}

void SelectionFrame::setGrid(int grid)
{
    grid_ = std::clamp(grid, 1, 255);
}

void SelectionFrame::MoveBy(int dx, int dy)
{
    for (const ObjectRef& object : held_) {
        LayoutObject& o = area_.Object(object.kind, object.number);
        o.left += dx;
        o.top += dy;
    }
    recomputeBounds();
    emit objectsChanged();
}

void SelectionFrame::Drag(GrabZone zone, int dx, int dy)
{
    if (!bounds_)
        return;
    const Box before = *bounds_;
    const Box after = FrameAfterDrag(before, zone, dx, dy, grid_, grid_);
    for (const ObjectRef& object : held_) {
        LayoutObject& o = area_.Object(object.kind, object.number);
        const Box moved = FollowFrame(boxOf(object), before, after);
        o.left = moved.left;
        o.top = moved.top;
        o.width = std::max(0, moved.width);
        o.height = std::max(0, moved.height);
    }
    recomputeBounds();
    emit objectsChanged();
}

bool SelectionFrame::onHeldObject(QPoint at) const
{
    for (const ObjectRef& object : held_)
        if (ToRect(boxOf(object)).adjusted(-2, -2, 3, 3).contains(at))
            return true;
    return false;
}

GrabZone SelectionFrame::zoneAt(QPoint at) const
{
    if (held_.size() != 1 || !bounds_)
        return GrabZone::Move;
    return ZoneAt(at.x() - bounds_->left, at.y() - bounds_->top, bounds_->width, bounds_->height);
}

void SelectionFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QColor color = held_.size() == 1 ? kPrimaryColor : kSecondaryColor;
    for (const ObjectRef& object : held_) {
        const QRect r = ToRect(boxOf(object)).adjusted(-2, -2, 2, 2);
        QList<QPoint> centres{r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight()};
        if (held_.size() == 1)
            centres << QPoint(r.center().x(), r.top()) << QPoint(r.center().x(), r.bottom())
                    << QPoint(r.left(), r.center().y()) << QPoint(r.right(), r.center().y());
        for (const QPoint& c : centres)
            painter.fillRect(QRect(c.x() - kHandle / 2, c.y() - kHandle / 2, kHandle, kHandle), color);
    }
    if (dragFrom_ && bounds_) {
        const QPoint d = dragTo_ - *dragFrom_;
        const Box target = FrameAfterDrag(*bounds_, dragZone_, d.x(), d.y(), grid_, grid_);
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(ToRect(target).adjusted(0, 0, -1, -1));
    }
}

void SelectionFrame::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!onHeldObject(at)) {
        event->ignore();  // on to the test area below
        return;
    }
    if (event->button() == Qt::RightButton) {
        emit textEditRequested();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    dragFrom_ = at;
    dragTo_ = at;
    dragZone_ = zoneAt(at);
}

void SelectionFrame::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (dragFrom_) {
        dragTo_ = QPoint(std::clamp(at.x(), 0, std::max(0, width() - 1)), std::clamp(at.y(), 0, std::max(0, height() - 1)));
        update();
        return;
    }
    if (!onHeldObject(at)) {
        unsetCursor();
        event->ignore();
        return;
    }
    setCursor(CursorOf(zoneAt(at)));
    emit hovered();
}

void SelectionFrame::mouseReleaseEvent(QMouseEvent* event)
{
    if (!dragFrom_) {
        event->ignore();
        return;
    }
    const QPoint d = dragTo_ - *dragFrom_;
    dragFrom_.reset();
    if (!d.isNull())
        Drag(dragZone_, d.x(), d.y());
    update();
    setFocus();
}

void SelectionFrame::keyPressEvent(QKeyEvent* event)
{
    multiSelect_ = event->key() == Qt::Key_Shift;
    switch (event->key()) {
    case Qt::Key_Left: MoveBy(-1, 0); break;
    case Qt::Key_Right: MoveBy(1, 0); break;
    case Qt::Key_Up: MoveBy(0, -1); break;
    case Qt::Key_Down: MoveBy(0, 1); break;
    case Qt::Key_Delete: emit deletePressed(); break;
    case Qt::Key_Escape: LetGoAll(); break;
    default: QWidget::keyPressEvent(event); break;
    }
}

void SelectionFrame::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Shift)
        multiSelect_ = false;
    QWidget::keyReleaseEvent(event);
}

} // namespace tessaro::layouts
