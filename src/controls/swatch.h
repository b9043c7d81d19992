// A colour swatch: a filled circle or square with a one-pixel black outline.
// It can be a colour drag source and a colour drop target.
#pragma once

#include "colorlist/drag_sources.h"
#include "platform/qt_color.h"
#include "engine/color.h"

#include <QWidget>

#include <optional>

namespace tessaro::controls {

class Swatch : public QWidget {
    Q_OBJECT
public:
    // Square fills the widget (a rectangle when it is not square); Circle is
    // centred with the diameter of the shorter side.
    enum class Shape { Circle, Square };

    explicit Swatch(Shape shape, QWidget* parent = nullptr);

    TColor color() const { return color_; }
    void setColor(TColor color);
    Shape shape() const { return shape_; }
    void setShape(Shape shape);

    // A left-button drag that moves past the platform's drag distance
    // starts a drag of the swatch's colour as a source of this kind.
    void setDragSource(colorlist::DragSource source);
    std::optional<colorlist::DragSource> dragSource() const { return dragSource_; }
    // Every colour drag is accepted while over the swatch; a drop from a
    // source that the drop table lets `target` take emits colorDropped,
    // any other drop changes nothing.
    void setDropTarget(colorlist::DropTarget target);

signals:
    // A colour this swatch takes was dropped on it.
    void colorDropped(tessaro::TColor color, tessaro::colorlist::DragSource source);
    // The left button went down on the swatch.
    void leftPressed(QPoint position);
    // The right button was released over the swatch.
    void rightReleased(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void updateOpaque();

    Shape shape_;
    TColor color_ = 0xFFFFFF;
    std::optional<colorlist::DragSource> dragSource_;
    std::optional<colorlist::DropTarget> dropTarget_;
    std::optional<QPoint> leftPressAt_;  // where a drag may start from
};

} // namespace tessaro::controls
