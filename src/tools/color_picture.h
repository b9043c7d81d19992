// A picture that offers the colour under the mouse: it reports the colour
// of its own pixel on every move and on a left press, so it works where
// the screen cannot be read.
#pragma once

#include "engine/color.h"

#include <QImage>
#include <QWidget>

namespace tessaro::tools {

class ColorPicture : public QWidget {
    Q_OBJECT
public:
    explicit ColorPicture(const QString& objectName, QWidget* parent = nullptr);

    // Shown at its own size, from the top-left corner.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    // The picture's colour at a point of the widget; white outside it.
    TColor colorAt(QPoint position) const;

signals:
    void hovered(tessaro::TColor color);
    void leftPressed(tessaro::TColor color);
    void rightClicked(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

} // namespace tessaro::tools
