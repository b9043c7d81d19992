#include "controls/trackbar_picker.h"

#include "controls/picker_math.h"
#include "platform/qt_color.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QToolTip>

#include <algorithm>
#include <climits>

namespace tessaro::controls {

namespace {

// The gradient strip is this many pixels thick before stretching.
constexpr int kStripThickness = 12;
// The hint starts this far before the mouse and this far beside the control.
constexpr int kHintMouseOffset = 8;
constexpr int kHintGap = 2;

} // namespace

TrackBarPicker::TrackBarPicker(QWidget* parent)
    : QWidget(parent)
{
    // Clicks focus the control only with the left button (mousePressEvent).
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(135, 16);
    hintTimer_.setSingleShot(true);
    hintTimer_.setInterval(kHintHideMs);
    connect(&hintTimer_, &QTimer::timeout, this, [this] {
        if (hint_)
            hint_->hide();
    });
}

TrackBarPicker::~TrackBarPicker() = default;

void TrackBarPicker::setOrientation(Orientation orientation)
{
    if (orientation_ == orientation)
        return;
    orientation_ = orientation;
    refreshGradient();
}

void TrackBarPicker::setArrowPlacement(ArrowPlacement placement)
{
    arrowPlacement_ = placement;
    update();
}

void TrackBarPicker::setNewArrowStyle(bool newStyle)
{
    newArrowStyle_ = newStyle;
    update();
}

void TrackBarPicker::setSelectionIndicator(SelectionIndicator indicator)
{
    indicator_ = indicator;
    update();
}

void TrackBarPicker::setWebSafe(bool webSafe)
{
    if (webSafe_ == webSafe)
        return;
    webSafe_ = webSafe;
    refreshGradient();
}

void TrackBarPicker::setBevelInner(Bevel bevel)
{
    bevelInner_ = bevel;
    update();
}

void TrackBarPicker::setBevelOuter(Bevel bevel)
{
    bevelOuter_ = bevel;
    update();
}

void TrackBarPicker::setBevelWidth(int width)
{
    bevelWidth_ = std::max(0, width);
    update();
}

void TrackBarPicker::setBorderStyle(BorderStyle style)
{
    borderStyle_ = style;
    update();
}

void TrackBarPicker::setHintFormat(const QString& format)
{
    hintFormat_ = format;
    updateHintText();
}

QString TrackBarPicker::hintText() const
{
    QString text = hintFormat_;
    return text.replace(hintPlaceholder(), QString::number(value()));
}

void TrackBarPicker::setShowHint(bool show)
{
    showHint_ = show;
    if (!show && hint_)
        hint_->hide();
}

QWidget* TrackBarPicker::hintWindow() const
{
    return hint_;
}

int TrackBarPicker::extent() const
{
    return horizontal() ? width() : height();
}

int TrackBarPicker::arrowHalfWidth() const
{
    return PickerArrowHalfWidth(newArrowStyle_);
}

QRect TrackBarPicker::gradientRect() const
{
    const int along = arrowHalfWidth();
    const int space = PickerArrowSpace(newArrowStyle_);
    const bool before = arrowPlacement_ != ArrowPlacement::After;
    const bool after = arrowPlacement_ != ArrowPlacement::Before;
    const int across = horizontal() ? height() : width();
    // Edges along the slider and across it, as [start, end).
    const int start = along;
    const int end = extent() - along;
    const int crossStart = before ? space : 0;
    const int crossEnd = after ? across - space : across;
    const int length = std::max(0, end - start);
    const int thickness = std::max(0, crossEnd - crossStart);
    if (horizontal())
        return QRect(start, crossStart, length, thickness);
    return QRect(crossStart, start, thickness, length);
}

int TrackBarPicker::arrowPosition() const
{
    const int range = maximum() - minimum();
    int v = value() - minimum();
    if (mirrored())
        v = range - v;
    return PositionOfValue(v, extent(), range);
}

int TrackBarPicker::arrowTip() const
{
    const int a = arrowHalfWidth();
    return std::max(a, std::min(arrowPosition() + a, extent() - a));
}

TColor TrackBarPicker::shownColor(TColor c) const
{
    return webSafe_ ? MakeColor(SnapToWebsafe(ToRgb(c))) : (c & 0xFFFFFF);
}

QImage TrackBarPicker::renderGradient(QSize size) const
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    const int steps = std::max(1, gradientSteps());
    const int length = horizontal() ? size.width() : size.height();
    const int thickness = horizontal() ? size.height() : size.width();
    // The colour of each pixel along the gradient: the step that pixel
    // shows, so that both ends show the first and the last step.
    auto colorAt = [&](int pixel) {
        int step = StripStepOfPixel(pixel, length, steps);
        if (mirrored())
            step = steps - 1 - step;
        return ToQRgb(shownColor(gradientStepColor(step)));
    };
    if (horizontal()) {
        // One scan line computed, the others copied from it.
        auto* first = reinterpret_cast<QRgb*>(image.scanLine(0));
        for (int x = 0; x < length; ++x)
            first[x] = colorAt(x);
        for (int y = 1; y < thickness; ++y)
            std::copy(first, first + length, reinterpret_cast<QRgb*>(image.scanLine(y)));
    } else {
        for (int y = 0; y < length; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            std::fill(line, line + thickness, colorAt(y));
        }
    }
    return image;
}

QImage TrackBarPicker::gradientStrip() const
{
    const int steps = std::max(1, gradientSteps());
    return renderGradient(horizontal() ? QSize(steps, kStripThickness) : QSize(kStripThickness, steps));
}

QSize TrackBarPicker::sizeHint() const
{
    return horizontal() ? QSize(135, 16) : QSize(16, 135);
}

void TrackBarPicker::refreshGradient()
{
    gradientDirty_ = true;
    update();
}

void TrackBarPicker::refreshValue()
{
    updateHintText();
    update();
}

void TrackBarPicker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));

    const QRect g = gradientRect();
    if (!g.isEmpty()) {
        // The stretched gradient is kept until a held component, the
        // websafe setting, the orientation or the gradient's size changes;
        // moving the arrow repaints without rebuilding it.
        if (gradientDirty_ || gradient_.size() != g.size()) {
            gradient_ = renderGradient(g.size());
            gradientDirty_ = false;
        }
        painter.drawImage(g.topLeft(), gradient_);
    }

    if (borderStyle_ != BorderStyle::None)
        drawFrame(painter);

    const int tip = arrowTip();
    if (indicator_ == SelectionIndicator::Rect) {
        // A black frame with a white lining around the position, across the
        // whole gradient.
        QRect marker = horizontal() ? QRect(tip - 3, g.top(), 7, g.height())
                                    : QRect(g.left(), tip - 3, g.width(), 7);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(Qt::black);
        painter.drawRect(marker.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::white);
        painter.drawRect(marker.adjusted(1, 1, -2, -2));
        return;
    }
    if (arrowPlacement_ != ArrowPlacement::After)
        drawArrow(painter, tip, true);
    if (arrowPlacement_ != ArrowPlacement::Before)
        drawArrow(painter, tip, false);
}

void TrackBarPicker::drawArrow(QPainter& painter, int tip, bool before) const
{
    const int a = arrowHalfWidth();
    const int depth = PickerArrowDepth(newArrowStyle_);
    const int across = horizontal() ? height() : width();
    // Tip and base across the slider: the tip points at the gradient.
    const int tipAt = before ? depth - 1 : across - depth;
    const int baseAt = before ? 0 : across - 1;
    QPolygon arrow;
    if (horizontal())
        arrow << QPoint(tip, tipAt) << QPoint(tip - a, baseAt) << QPoint(tip + a, baseAt);
    else
        arrow << QPoint(tipAt, tip) << QPoint(baseAt, tip - a) << QPoint(baseAt, tip + a);

    if (newArrowStyle_) {
        painter.setBrush(palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::Dark));
    } else {
        const QColor solid = hasFocus() ? QColor(Qt::black) : QColor(0x80, 0x80, 0x80);
        painter.setBrush(solid);
        painter.setPen(solid);
    }
    painter.drawPolygon(arrow);
}

void TrackBarPicker::drawFrame(QPainter& painter) const
{
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const int w = bevelWidth_;
    const int outer = bevelOuter_ != Bevel::None ? w : 0;
    const int inner = bevelInner_ != Bevel::None ? w : 0;
    QRect r = gradientRect();
    if (outer + inner == 0) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(dark);
        painter.drawRect(r.adjusted(-1, -1, 0, 0));
        return;
    }
    r.adjust(-(outer + inner), -(outer + inner), outer + inner, outer + inner);
    auto bevel = [&](Bevel kind, int lines) {
        const QColor topLeft = kind == Bevel::Lowered ? dark : light;
        const QColor bottomRight = kind == Bevel::Lowered ? light : dark;
        for (int i = 0; i < lines; ++i) {
            painter.setPen(topLeft);
            painter.drawLine(r.topLeft(), r.topRight());
            painter.drawLine(r.topLeft(), r.bottomLeft());
            painter.setPen(bottomRight);
            painter.drawLine(r.bottomLeft(), r.bottomRight());
            painter.drawLine(r.topRight(), r.bottomRight());
            r.adjust(1, 1, -1, -1);
        }
    };
    bevel(bevelOuter_, outer);
    bevel(bevelInner_, inner);
}

int TrackBarPicker::valueAtMouse(const QPoint& local) const
{
    const int range = maximum() - minimum();
    const int coordinate = horizontal() ? local.x() : local.y();
    const int position = PositionOfMouse(coordinate, extent(), arrowHalfWidth());
    int v = std::clamp(ValueOfPosition(position, extent(), range), 0, range);
    if (mirrored())
        v = range - v;
    return minimum() + v;
}

void TrackBarPicker::setFromMouse(const QPoint& local)
{
    storeValue(valueAtMouse(local));
    updateHintText();
    repaint();
    emit changed();
}

void TrackBarPicker::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    tracking_ = true;
    setFromMouse(event->position().toPoint());
    showHintAt(event->globalPosition().toPoint());
}

void TrackBarPicker::mouseMoveEvent(QMouseEvent* event)
{
    // The pointer stays on the control while dragging: a position beyond
    // either end counts as that end.
    if (tracking_ && (event->buttons() & Qt::LeftButton))
        setFromMouse(event->position().toPoint());
    showHintAt(event->globalPosition().toPoint());
}

void TrackBarPicker::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !tracking_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    tracking_ = false;
    setFromMouse(event->position().toPoint());
}

void TrackBarPicker::stepValue(int delta, bool toEnd)
{
    long long target;
    if (toEnd)
        target = delta > 0 ? maximum() : minimum();
    else
        target = static_cast<long long>(value()) + static_cast<long long>(delta) * increment_;
    storeValue(static_cast<int>(std::clamp<long long>(target, INT_MIN, INT_MAX)));
    refreshValue();
    emit changed();
}

void TrackBarPicker::keyPressEvent(QKeyEvent* event)
{
    const bool toEnd = event->modifiers() & Qt::ControlModifier;
    const int key = event->key();
    const bool alongKeys = horizontal() ? (key == Qt::Key_Left || key == Qt::Key_Right)
                                        : (key == Qt::Key_Up || key == Qt::Key_Down);
    const bool crossKeys = horizontal() ? (key == Qt::Key_Up || key == Qt::Key_Down)
                                        : (key == Qt::Key_Left || key == Qt::Key_Right);
    if (alongKeys) {
        int delta;
        if (horizontal())
            delta = key == Qt::Key_Right ? 1 : -1;
        else
            delta = (key == Qt::Key_Up) != growsDownward() ? 1 : -1;
        stepValue(delta, toEnd);
        event->accept();
    } else if (crossKeys) {
        // The arrow keys across the slider leave the value alone.
        event->accept();
    } else {
        QWidget::keyPressEvent(event);
    }
    emit keyDown(key, event->modifiers());
}

void TrackBarPicker::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
    emit focusEntered();
}

void TrackBarPicker::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
    emit focusLeft();
}

void TrackBarPicker::leaveEvent(QEvent* event)
{
    if (hint_)
        hint_->hide();
    QWidget::leaveEvent(event);
}

void TrackBarPicker::hideEvent(QHideEvent* event)
{
    if (hint_)
        hint_->hide();
    tracking_ = false;
    QWidget::hideEvent(event);
}

void TrackBarPicker::showHintAt(const QPoint& global)
{
    if (!showHint_ || !isVisible())
        return;
    if (!hint_) {
        // A tool tip window: it never takes the focus away from the slider.
        hint_ = new QLabel(this, Qt::ToolTip | Qt::FramelessWindowHint);
        hint_->setObjectName(QStringLiteral("pickerHint"));
        hint_->setAttribute(Qt::WA_ShowWithoutActivating);
        hint_->setAttribute(Qt::WA_TransparentForMouseEvents);
        hint_->setPalette(QToolTip::palette());
        hint_->setAutoFillBackground(true);
        hint_->setFrameShape(QFrame::Box);
        hint_->setMargin(1);
    }
    hint_->setText(hintText());
    hint_->adjustSize();
    const QPoint at = horizontal()
        ? QPoint(global.x() - kHintMouseOffset, mapToGlobal(QPoint(0, height())).y() + kHintGap)
        : QPoint(mapToGlobal(QPoint(width(), 0)).x() + kHintGap, global.y() - kHintMouseOffset);
    hint_->move(at);
    hint_->show();
    hintTimer_.start();
}

void TrackBarPicker::updateHintText()
{
    if (hint_ && hint_->isVisible()) {
        hint_->setText(hintText());
        hint_->adjustSize();
    }
}

} // namespace tessaro::controls
