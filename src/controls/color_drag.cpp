#include "controls/color_drag.h"

#include "colorlist/color_mime.h"
#include "platform/qt_color.h"

#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>

namespace tessaro::controls {

namespace {

// The colour with a one-pixel black outline.
QPixmap SwatchPicture(TColor color)
{
    QPixmap picture(kDragPictureSide, kDragPictureSide);
    picture.fill(ToQColor(color));
    QPainter painter(&picture);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, kDragPictureSide - 1, kDragPictureSide - 1);
    return picture;
}

} // namespace

QDrag* CreateColorDrag(QObject* dragSource, TColor color, colorlist::DragSource source)
{
    auto* mime = new QMimeData;
    colorlist::PopulateColorMime(*mime, color, source);
    auto* drag = new QDrag(dragSource);
    drag->setMimeData(mime);
    drag->setPixmap(SwatchPicture(color));
    // The picture sits below and right of the pointer, so it never hides
    // what the pointer is over.
    drag->setHotSpot(QPoint(-6, -6));
    return drag;
}

Qt::DropAction ExecColorDrag(QObject* dragSource, TColor color, colorlist::DragSource source)
{
    return CreateColorDrag(dragSource, color, source)->exec(Qt::CopyAction);
}

} // namespace tessaro::controls
