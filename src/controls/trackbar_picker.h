// TrackBarPicker: the base of the gradient slider pickers. It owns the
// geometry, the gradient strip, the position arrow, mouse and keys, and the
// hint; the pickers supply the value, its range and the colour of each step.
#pragma once

#include "engine/color.h"

#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace tessaro::controls {

class TrackBarPicker : public QWidget {
    Q_OBJECT

public:
    // The "Layout" property: the direction of the gradient.
    enum class Orientation { Horizontal, Vertical };
    // Where the arrow sits: before (above / left of), after (below / right
    // of) the gradient, or on both sides.
    enum class ArrowPlacement { Before, After, Both };
    enum class SelectionIndicator { Arrows, Rect };
    enum class Bevel { None, Lowered, Raised };
    enum class BorderStyle { None, Single };

    // How long the hint stays up after the mouse last moved.
    static constexpr int kHintHideMs = 5000;

    explicit TrackBarPicker(QWidget* parent = nullptr);
    ~TrackBarPicker() override;

    void setOrientation(Orientation orientation);
    Orientation orientation() const { return orientation_; }
    void setArrowPlacement(ArrowPlacement placement);
    ArrowPlacement arrowPlacement() const { return arrowPlacement_; }
    void setNewArrowStyle(bool newStyle);
    bool newArrowStyle() const { return newArrowStyle_; }
    void setSelectionIndicator(SelectionIndicator indicator);
    SelectionIndicator selectionIndicator() const { return indicator_; }
    void setIncrement(int increment) { increment_ = increment; }
    int increment() const { return increment_; }
    // Every colour shown (the gradient) or reported (selectedColor) is
    // snapped to websafe.
    void setWebSafe(bool webSafe);
    bool webSafe() const { return webSafe_; }

    // The frame around the gradient; drawn only when the border style is not
    // None.
    void setBevelInner(Bevel bevel);
    Bevel bevelInner() const { return bevelInner_; }
    void setBevelOuter(Bevel bevel);
    Bevel bevelOuter() const { return bevelOuter_; }
    void setBevelWidth(int width);
    int bevelWidth() const { return bevelWidth_; }
    void setBorderStyle(BorderStyle style);
    BorderStyle borderStyle() const { return borderStyle_; }

    // The hint format holds a placeholder ("%r", "%g", ...) for the value.
    void setHintFormat(const QString& format);
    QString hintFormat() const { return hintFormat_; }
    QString hintText() const;
    // Whether the hint pops up while the mouse is over the control.
    void setShowHint(bool show);
    bool showHint() const { return showHint_; }
    // The hint popup, once it has been shown; nullptr before.
    QWidget* hintWindow() const;

    virtual int value() const = 0;
    // Clamps to the range; on a change the arrow moves, the control repaints
    // and changed() is emitted.
    virtual void setValue(int v) = 0;
    virtual int minimum() const = 0;
    virtual int maximum() const = 0;
    virtual TColor selectedColor() const = 0;
    // Sets all components (after the websafe snap when webSafe()) and emits
    // changed() once.
    virtual void setSelectedColor(TColor c) = 0;

    // The rectangle the gradient is stretched into. For the main window's
    // 135 x 16 horizontal sliders with the new arrow style it covers the
    // pixels x 8..126 and y 0..4 (the edges at x 8 and 127, y 0 and 5).
    QRect gradientRect() const;
    // The arrow's position along the slider for the current value (0 for the
    // minimum of a horizontal slider).
    int arrowPosition() const;
    // Where the arrow's tip is drawn along the slider: the position plus the
    // arrow's half width, kept within the gradient's ends.
    int arrowTip() const;
    // The gradient before stretching: one pixel per value step, 12 pixels
    // thick; along x for a horizontal slider, along y for a vertical one
    // (highest value at the top except for the hue picker).
    QImage gradientStrip() const;

    QSize sizeHint() const override;

signals:
    void changed();
    void keyDown(int key, Qt::KeyboardModifiers modifiers);
    void focusEntered();
    void focusLeft();

protected:
    // Clamps and stores the value without repainting or signalling; true
    // when it changed.
    virtual bool storeValue(int v) = 0;
    // Number of pixels in the gradient strip and the colour of one step
    // (before the websafe snap).
    virtual int gradientSteps() const = 0;
    virtual TColor gradientStepColor(int step) const = 0;
    // The placeholder of the hint format that stands for the value.
    virtual QString hintPlaceholder() const = 0;
    // True when the value grows downward in the vertical layout (the hue).
    virtual bool growsDownward() const { return false; }

    // A held component or the websafe setting changed: the gradient is
    // rebuilt on the next paint.
    void refreshGradient();
    // The value changed: the arrow moves and the hint follows.
    void refreshValue();
    // The colour a step is shown in, after the websafe snap.
    TColor shownColor(TColor c) const;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    bool horizontal() const { return orientation_ == Orientation::Horizontal; }
    bool mirrored() const { return !horizontal() && !growsDownward(); }
    int extent() const;
    int arrowHalfWidth() const;
    int valueAtMouse(const QPoint& local) const;
    void setFromMouse(const QPoint& local);
    void stepValue(int delta, bool toEnd);
    void showHintAt(const QPoint& global);
    void updateHintText();
    // The gradient stretched to `size`: each pixel along it shows the step
    // StripStepOfPixel picks, after the websafe snap.
    QImage renderGradient(QSize size) const;
    void drawArrow(QPainter& painter, int tip, bool before) const;
    void drawFrame(QPainter& painter) const;

    Orientation orientation_ = Orientation::Horizontal;
    ArrowPlacement arrowPlacement_ = ArrowPlacement::After;
    SelectionIndicator indicator_ = SelectionIndicator::Arrows;
    bool newArrowStyle_ = false;
    int increment_ = 1;
    bool webSafe_ = false;
    Bevel bevelInner_ = Bevel::None;
    Bevel bevelOuter_ = Bevel::None;
    int bevelWidth_ = 1;
    BorderStyle borderStyle_ = BorderStyle::None;
    QString hintFormat_;
    bool showHint_ = true;
    bool tracking_ = false;

    QLabel* hint_ = nullptr;
    QTimer hintTimer_;

    // The gradient as last painted, at the gradient rectangle's size.
    QImage gradient_;
    bool gradientDirty_ = true;
};

} // namespace tessaro::controls
