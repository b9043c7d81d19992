// A 32 x 32 toolbar icon that shows a highlighted picture while the mouse
// is over it; greyed while disabled.
#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace tessaro::controls {

class ToolbarButton : public QWidget {
    Q_OBJECT
public:
    // The highlighted picture is made the first time it is shown.
    ToolbarButton(const QPixmap& normal, std::function<QPixmap()> makeHighlighted, QWidget* parent = nullptr);

    bool isHighlighted() const { return highlighted_; }
    void setHighlighted(bool highlighted);

signals:
    void pressed();   // left button down
    void clicked();   // left button released over the icon
    void rightClicked(QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap normal_;
    std::function<QPixmap()> makeHighlighted_;
    QPixmap highlightedPicture_;
    bool highlighted_ = false;
    bool down_ = false;
};

} // namespace tessaro::controls
