// The title bar every borderless window draws for itself: a caption, small
// buttons at the right end, a left-button drag that moves the window and a
// double click that rolls it up. The move starts only once the pointer has
// travelled the drag distance with the button held, so a window manager that
// takes the pointer for the move never swallows the second click of a
// double click.
#pragma once

#include <QWidget>

#include <optional>

class QLabel;
class QHBoxLayout;
class QToolButton;

namespace tessaro::controls {

class TitleBar : public QWidget {
    Q_OBJECT
public:
    TitleBar(const QString& caption, int height, QWidget* parent = nullptr);

    // Adds a small flat button at the right end, after those added before.
    QToolButton* addButton(const QString& objectName, const QString& glyph, const QString& toolTip);
    // Adds a button showing the menu arrow (its text is "\u25BC").
    QToolButton* addMenuButton(const QString& objectName, const QString& toolTip);
    QLabel* captionLabel() const { return caption_; }

signals:
    // The left button went down on the bar itself (not on a button).
    void pressed();
    // The pointer moved past the drag distance with the left button held.
    void moveRequested();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* caption_;
    QHBoxLayout* layout_;
    // Where the left button went down, while it is held and no move started.
    std::optional<QPoint> pressPosition_;
};

// The small title bar of a section of a window, with an optional menu
// button at its right end.
class SectionTitleBar : public QWidget {
    Q_OBJECT
public:
    explicit SectionTitleBar(const QString& caption, QWidget* parent = nullptr);
    // Adds the sub-menu button; it pops the menu up under itself.
    QToolButton* setMenuButton(const QString& objectName, class QMenu* menu);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* caption_;
};

} // namespace tessaro::controls
