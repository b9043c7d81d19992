// The layout editor's selection frame over the test area: handles around
// the objects it holds, moving and resizing them with the mouse (snapped to
// the grid) or the arrow keys. It lies over the whole test area and takes
// only the presses on the objects it holds; every other press goes on to
// the area below.
#pragma once

#include "layouts/selection_frame_rules.h"
#include "layouts/test_area.h"

#include <QWidget>

#include <optional>
#include <vector>

namespace tessaro::layouts {

struct ObjectRef {
    ObjectKind kind = ObjectKind::Shape;
    int number = 1;
    friend bool operator==(const ObjectRef&, const ObjectRef&) = default;
};

class SelectionFrame : public QWidget {
    Q_OBJECT
public:
    inline static const QColor kPrimaryColor{0x9D, 0x1B, 0xAF};
    inline static const QColor kSecondaryColor{0xC1, 0x32, 0xCD};

    SelectionFrame(TestArea& area, QWidget* parent);

    const std::vector<ObjectRef>& held() const { return held_; }
    // The frame's rectangle in area coordinates (nothing while empty).
    std::optional<Box> bounds() const { return bounds_; }
    // Adds the object (nothing when held already); shows the frame and
    // gives it the keyboard focus.
    void Take(ObjectRef object);
    void LetGoAll();
    // Grid of both axes, 1 .. 255.
    int grid() const { return grid_; }
    void setGrid(int grid);
    bool multiSelect() const { return multiSelect_; }
    void setMultiSelect(bool on) { multiSelect_ = on; }

    // The held objects changed elsewhere (a box of the editor): the frame
    // follows them.
    void Refresh() { recomputeBounds(); }
    // Moves every held object by (dx, dy) without snapping.
    void MoveBy(int dx, int dy);
    // A finished mouse drag from `zone` by (dx, dy), as the frame's table says.
    void Drag(GrabZone zone, int dx, int dy);

signals:
    // Held objects moved or changed size.
    void objectsChanged();
    // Delete: hide the current object.
    void deletePressed();
    // The right button on a held object.
    void textEditRequested();
    // The pointer moved over the frame.
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    Box boxOf(const ObjectRef& object) const;
    bool onHeldObject(QPoint at) const;
    GrabZone zoneAt(QPoint at) const;
    void recomputeBounds();

    TestArea& area_;
    std::vector<ObjectRef> held_;
    std::optional<Box> bounds_;
    int grid_ = 1;
    bool multiSelect_ = false;
    // The drag under way: where it started, from which zone, and where the
    // pointer is now (held to the area).
    std::optional<QPoint> dragFrom_;
    GrabZone dragZone_ = GrabZone::Move;
    QPoint dragTo_;
};

} // namespace tessaro::layouts
