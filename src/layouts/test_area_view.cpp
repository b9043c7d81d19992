#include "layouts/test_area_view.h"

#include "controls/color_drag.h"
#include "layouts/drop_color.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tessaro::layouts {

TestAreaView::TestAreaView(const TestArea& area, const TestAreaPictures& pictures, QWidget* parent)
    : QWidget(parent), area_(area), pictures_(pictures)
{
    setObjectName(QStringLiteral("testArea"));
    setAcceptDrops(true);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TestAreaView::setVision(ColorVision vision)
{
    vision_ = vision;
    update();
}

void TestAreaView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (vision_ == ColorVision::Normal) {
        PaintTestArea(painter, area_, pictures_);
        return;
    }
    // Another colour vision recolours the whole area as drawn.
    painter.drawImage(0, 0, RenderTestArea(area_, pictures_, vision_));
}

void TestAreaView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    const std::optional<HitTarget> hit = HitTest(area_, at.x(), at.y());
    if (!hit)
        return;
    if (editMode_) {
        if (hit->what == HitTarget::What::Background)
            emit backgroundPressed();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (const std::optional<PartColor> part = ColorOfPart(area_, *hit))
        controls::ExecColorDrag(this, part->color, part->source);
}

void TestAreaView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit pointerOver(HitTest(area_, at.x(), at.y()));
}

void TestAreaView::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!editMode_)
        return;
    if (const std::optional<HitTarget> hit = HitTest(area_, at.x(), at.y()))
        emit released(*hit);
}

void TestAreaView::dragEnterEvent(QDragEnterEvent* event)
{
    emit dragEntered();
    if (colorlist::CanDecodeColorMime(*event->mimeData()))
        event->acceptProposedAction();
}

void TestAreaView::dragMoveEvent(QDragMoveEvent* event)
{
    if (colorlist::CanDecodeColorMime(*event->mimeData()))
        event->acceptProposedAction();
}

void TestAreaView::dropEvent(QDropEvent* event)
{
    const std::optional<colorlist::DraggedColor> dragged = colorlist::DecodeColorMime(*event->mimeData());
    const QPoint at = event->position().toPoint();
    const std::optional<HitTarget> hit = HitTest(area_, at.x(), at.y());
    if (!dragged || !hit)
        return;
    event->acceptProposedAction();
    emit colorDropped(*hit, *dragged);
}

} // namespace tessaro::layouts
