#include "colorlist/color_list_view.h"

#include "colorlist/color_list_model.h"
#include "colorlist/color_mime.h"
#include "controls/color_drag.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>

#include <algorithm>

namespace tessaro::colorlist {

ColorListView::ColorListView(QWidget* parent) : QListView(parent), delegate_(new ColorListDelegate(this))
{
    setObjectName(QStringLiteral("ListBox1"));
    setItemDelegate(delegate_);
    // Every row is as high as the style says: a list of any length lays out
    // and scrolls without measuring its entries.
    setUniformItemSizes(true);
    setLayoutMode(QListView::SinglePass);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDropIndicatorShown(false);
    // The hint follows the mouse over the entries, also without a button.
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // White, in a plain grey line.
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(0xC0, 0xC0, 0xC0));
    setPalette(palette);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void ColorListView::setListStyle(ListStyle style)
{
    delegate_->setStyle(style);
    // The delegate's row height changed: lay the rows out again.
    scheduleDelayedItemsLayout();
    viewport()->update();
}

QList<int> ColorListView::selectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    std::sort(rows.begin(), rows.end());
    return rows;
}

int ColorListView::dropRow(QPoint viewportPoint) const
{
    const QModelIndex index = indexAt(viewportPoint);
    return index.isValid() ? index.row() : -1;
}

void ColorListView::startDrag(Qt::DropActions)
{
    // The entry the drag started on: the one just pressed, whatever else is
    // selected.
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return;
    dragRow_ = index.row();
    controls::ExecColorDrag(this, index.data(ColorListModel::ColorRole).value<TColor>(), DragSource::ColorList);
    dragRow_ = -1;
}

void ColorListView::dragEnterEvent(QDragEnterEvent* event)
{
    // Every colour drag is welcome while over the list; what the drop does
    // depends on its source. Other drags (files) go on to the window.
    if (CanDecodeColorMime(*event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ColorListView::dragMoveEvent(QDragMoveEvent* event)
{
    if (CanDecodeColorMime(*event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void ColorListView::dropEvent(QDropEvent* event)
{
    const std::optional<DraggedColor> dragged = DecodeColorMime(*event->mimeData());
    if (!dragged) {
        event->ignore();
        return;
    }
    const int row = dropRow(event->position().toPoint());
    if (dragged->source == DragSource::ColorList && event->source() == this && dragRow_ >= 0)
        emit entryMoved(dragRow_, row);
    else if (Accepts(DropTarget::ColorList, dragged->source))
        emit colorDropped(dragged->color, row);
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void ColorListView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit deletePressed();
        return;
    }
    QListView::keyPressEvent(event);
}

void ColorListView::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered();
    QListView::mouseMoveEvent(event);
}

void ColorListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) {
        emit entryDoubleClicked(index.row());
        return;
    }
    QListView::mouseDoubleClickEvent(event);
}

} // namespace tessaro::colorlist
