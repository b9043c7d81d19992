// The colour list's view in the main window: an owner-drawn, multi-selection
// list with uniform rows. A drag starts from the entry under the pointer;
// colour drags dropped on it are reported with the row under the drop point
// (or -1 below the last entry); a double click, the Delete key and the mouse
// moving over it are reported too. What they do is ColorListCommands' work.
#pragma once

#include "colorlist/color_list_delegate.h"
#include "colorlist/drag_sources.h"
#include "engine/color.h"

#include <QListView>

namespace tessaro::colorlist {

class ColorListView : public QListView {
    Q_OBJECT
public:
    explicit ColorListView(QWidget* parent = nullptr);

    ColorListDelegate* delegate() const { return delegate_; }
    ListStyle listStyle() const { return delegate_->style(); }
    // Sets the style and its row height and redraws; the selection stays.
    void setListStyle(ListStyle style);
    // The selected rows, in ascending order.
    QList<int> selectedRows() const;
    // The row a drag from this list started on, while it runs.
    int dragRow() const { return dragRow_; }
    // The row at a point of the viewport, or -1 below the last entry.
    int dropRow(QPoint viewportPoint) const;

signals:
    // A colour that the list takes was dropped at `row` (-1: the end).
    void colorDropped(tessaro::TColor color, int row);
    // An entry of this list was dropped at `row` (-1: the end).
    void entryMoved(int from, int row);
    void entryDoubleClicked(int row);
    void deletePressed();
    void hovered();

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ColorListDelegate* delegate_;
    int dragRow_ = -1;
};

} // namespace tessaro::colorlist
