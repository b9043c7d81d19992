#include "tools/found_list_view.h"

#include "controls/color_drag.h"
#include "tools/found_colors.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tessaro::tools {

FoundListView::FoundListView(QWidget* parent) : QListView(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setUniformItemSizes(true);
    setLayoutMode(QListView::SinglePass);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void FoundListView::mousePressEvent(QMouseEvent* event)
{
    QListView::mousePressEvent(event);
    const QModelIndex index = indexAt(event->position().toPoint());
    pressedRow_ = event->button() == Qt::LeftButton && index.isValid() ? index.row() : -1;
}

void FoundListView::mouseMoveEvent(QMouseEvent* event)
{
    if (pressedRow_ >= 0 && (event->buttons() & Qt::LeftButton) && model()) {
        const int row = pressedRow_;
        pressedRow_ = -1;
        const TColor color = TColor(model()->index(row, 0).data(FoundColorsModel::ColorRole).toUInt());
        controls::ExecColorDrag(this, color, colorlist::DragSource::ImportList);
        return;
    }
    QListView::mouseMoveEvent(event);
}

void FoundListView::mouseReleaseEvent(QMouseEvent* event)
{
    pressedRow_ = -1;
    QListView::mouseReleaseEvent(event);
}

void FoundListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit deletePressed();
        return;
    }
    QListView::keyPressEvent(event);
}

} // namespace tessaro::tools
