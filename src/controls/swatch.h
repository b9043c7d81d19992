// A colour swatch: a filled circle or square with a one-pixel black outline.
#pragma once

#include "platform/qt_color.h"
#include "engine/color.h"

#include <QWidget>

namespace tessaro::controls {

class Swatch : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Circle, Square };

    explicit Swatch(Shape shape, QWidget* parent = nullptr);

    TColor color() const { return color_; }
    void setColor(TColor color);
    Shape shape() const { return shape_; }
    void setShape(Shape shape);

signals:
    // The left button went down on the swatch (drags start here).
    void leftPressed(QPoint position);
    // The right button was released over the swatch.
    void rightReleased(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Shape shape_;
    TColor color_ = 0xFFFFFF;
};

} // namespace tessaro::controls
