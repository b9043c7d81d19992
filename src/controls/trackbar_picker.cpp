#include "controls/trackbar_picker.h"

#include "controls/picker_math.h"

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

QRgb ToQRgb(TColor c)
{
    return qRgb(RedOf(c), GreenOf(c), BlueOf(c));
}

// The gradient strip is this many pixels thick before stretching.
constexpr int kStripThickness = 12;
// The hint starts this far before the mouse and this far beside the control.
constexpr int kHintMouseOffset = 8;
constexpr int kHintGap = 2;

} // namespace

TmbTrackBarPicker::TmbTrackBarPicker(QWidget* parent)
    : QWidget(parent)
{
    // Clicks focus the control only with the left button (mousePressEvent).
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(135, 16);
    m_hintTimer.setSingleShot(true);
    m_hintTimer.setInterval(kHintHideMs);
    connect(&m_hintTimer, &QTimer::timeout, this, [this] {
        if (m_hint)
            m_hint->hide();
    });
}

TmbTrackBarPicker::~TmbTrackBarPicker() = default;

void TmbTrackBarPicker::setOrientation(Orientation orientation)
{
    if (m_orientation == orientation)
        return;
    m_orientation = orientation;
    refreshGradient();
}

void TmbTrackBarPicker::setArrowPlacement(ArrowPlacement placement)
{
    m_arrowPlacement = placement;
    update();
}

void TmbTrackBarPicker::setNewArrowStyle(bool newStyle)
{
    m_newArrowStyle = newStyle;
    update();
}

void TmbTrackBarPicker::setSelectionIndicator(SelectionIndicator indicator)
{
    m_indicator = indicator;
    update();
}

void TmbTrackBarPicker::setWebSafe(bool webSafe)
{
    if (m_webSafe == webSafe)
        return;
    m_webSafe = webSafe;
    refreshGradient();
}

void TmbTrackBarPicker::setBevelInner(Bevel bevel)
{
    m_bevelInner = bevel;
    update();
}

void TmbTrackBarPicker::setBevelOuter(Bevel bevel)
{
    m_bevelOuter = bevel;
    update();
}

void TmbTrackBarPicker::setBevelWidth(int width)
{
    m_bevelWidth = std::max(0, width);
    update();
}

void TmbTrackBarPicker::setBorderStyle(BorderStyle style)
{
    m_borderStyle = style;
    update();
}

void TmbTrackBarPicker::setHintFormat(const QString& format)
{
    m_hintFormat = format;
    updateHintText();
}

QString TmbTrackBarPicker::hintText() const
{
    QString text = m_hintFormat;
    return text.replace(hintPlaceholder(), QString::number(value()));
}

void TmbTrackBarPicker::setShowHint(bool show)
{
    m_showHint = show;
    if (!show && m_hint)
        m_hint->hide();
}

QWidget* TmbTrackBarPicker::hintWindow() const
{
    return m_hint;
}

int TmbTrackBarPicker::extent() const
{
    return horizontal() ? width() : height();
}

int TmbTrackBarPicker::arrowHalfWidth() const
{
    return PickerArrowHalfWidth(m_newArrowStyle);
}

QRect TmbTrackBarPicker::gradientRect() const
{
    const int along = arrowHalfWidth();
    const int space = PickerArrowSpace(m_newArrowStyle);
    const bool before = m_arrowPlacement != ArrowPlacement::After;
    const bool after = m_arrowPlacement != ArrowPlacement::Before;
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

int TmbTrackBarPicker::arrowPosition() const
{
    const int range = maximum() - minimum();
    int v = value() - minimum();
    if (mirrored())
        v = range - v;
    return PositionOfValue(v, extent(), range);
}

int TmbTrackBarPicker::arrowTip() const
{
    const int a = arrowHalfWidth();
    return std::max(a, std::min(arrowPosition() + a, extent() - a));
}

TColor TmbTrackBarPicker::shownColor(TColor c) const
{
    return m_webSafe ? PickerWebSafe(c) : (c & 0xFFFFFF);
}

void TmbTrackBarPicker::ensureStrip() const
{
    if (!m_stripDirty)
        return;
    const int steps = std::max(1, gradientSteps());
    if (horizontal()) {
        m_strip = QImage(steps, kStripThickness, QImage::Format_RGB32);
        for (int step = 0; step < steps; ++step) {
            const QRgb rgb = ToQRgb(shownColor(gradientStepColor(step)));
            for (int y = 0; y < kStripThickness; ++y)
                m_strip.setPixel(step, y, rgb);
        }
    } else {
        m_strip = QImage(kStripThickness, steps, QImage::Format_RGB32);
        for (int row = 0; row < steps; ++row) {
            const int step = growsDownward() ? row : steps - 1 - row;
            const QRgb rgb = ToQRgb(shownColor(gradientStepColor(step)));
            auto* line = reinterpret_cast<QRgb*>(m_strip.scanLine(row));
            std::fill(line, line + kStripThickness, rgb);
        }
    }
    m_stripDirty = false;
}

QImage TmbTrackBarPicker::gradientStrip() const
{
    ensureStrip();
    return m_strip;
}

QSize TmbTrackBarPicker::sizeHint() const
{
    return horizontal() ? QSize(135, 16) : QSize(16, 135);
}

void TmbTrackBarPicker::refreshGradient()
{
    m_stripDirty = true;
    update();
}

void TmbTrackBarPicker::refreshValue()
{
    updateHintText();
    update();
}

void TmbTrackBarPicker::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));

    const QRect g = gradientRect();
    if (!g.isEmpty()) {
        ensureStrip();
        // Stretch the strip into the gradient rectangle, pixel by pixel, so
        // that both ends show the first and the last step.
        QImage stretched(g.size(), QImage::Format_RGB32);
        const int steps = horizontal() ? m_strip.width() : m_strip.height();
        if (horizontal()) {
            for (int x = 0; x < g.width(); ++x) {
                const QRgb rgb = m_strip.pixel(StripStepOfPixel(x, g.width(), steps), 0);
                for (int y = 0; y < g.height(); ++y)
                    stretched.setPixel(x, y, rgb);
            }
        } else {
            for (int y = 0; y < g.height(); ++y) {
                const QRgb rgb = m_strip.pixel(0, StripStepOfPixel(y, g.height(), steps));
                auto* line = reinterpret_cast<QRgb*>(stretched.scanLine(y));
                std::fill(line, line + g.width(), rgb);
            }
        }
        painter.drawImage(g.topLeft(), stretched);
    }

    if (m_borderStyle != BorderStyle::None)
        drawFrame(painter);

    const int tip = arrowTip();
    if (m_indicator == SelectionIndicator::Rect) {
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
    if (m_arrowPlacement != ArrowPlacement::After)
        drawArrow(painter, tip, true);
    if (m_arrowPlacement != ArrowPlacement::Before)
        drawArrow(painter, tip, false);
}

void TmbTrackBarPicker::drawArrow(QPainter& painter, int tip, bool before) const
{
    const int a = arrowHalfWidth();
    const int depth = PickerArrowDepth(m_newArrowStyle);
    const int across = horizontal() ? height() : width();
    // Tip and base across the slider: the tip points at the gradient.
    const int tipAt = before ? depth - 1 : across - depth;
    const int baseAt = before ? 0 : across - 1;
    QPolygon arrow;
    if (horizontal())
        arrow << QPoint(tip, tipAt) << QPoint(tip - a, baseAt) << QPoint(tip + a, baseAt);
    else
        arrow << QPoint(tipAt, tip) << QPoint(baseAt, tip - a) << QPoint(baseAt, tip + a);

    if (m_newArrowStyle) {
        painter.setBrush(palette().color(QPalette::Window));
        painter.setPen(palette().color(QPalette::Dark));
    } else {
        const QColor solid = hasFocus() ? QColor(Qt::black) : QColor(0x80, 0x80, 0x80);
        painter.setBrush(solid);
        painter.setPen(solid);
    }
    painter.drawPolygon(arrow);
}

void TmbTrackBarPicker::drawFrame(QPainter& painter) const
{
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    const int w = m_bevelWidth;
    const int outer = m_bevelOuter != Bevel::None ? w : 0;
    const int inner = m_bevelInner != Bevel::None ? w : 0;
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
    bevel(m_bevelOuter, outer);
    bevel(m_bevelInner, inner);
}

int TmbTrackBarPicker::valueAtMouse(const QPoint& local) const
{
    const int range = maximum() - minimum();
    const int coordinate = horizontal() ? local.x() : local.y();
    const int position = PositionOfMouse(coordinate, extent(), arrowHalfWidth());
    int v = std::clamp(ValueOfPosition(position, extent(), range), 0, range);
    if (mirrored())
        v = range - v;
    return minimum() + v;
}

void TmbTrackBarPicker::setFromMouse(const QPoint& local)
{
    storeValue(valueAtMouse(local));
    updateHintText();
    repaint();
    emit changed();
}

void TmbTrackBarPicker::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    m_tracking = true;
    setFromMouse(event->position().toPoint());
    showHintAt(event->globalPosition().toPoint());
}

void TmbTrackBarPicker::mouseMoveEvent(QMouseEvent* event)
{
    // The pointer stays on the control while dragging: a position beyond
    // either end counts as that end.
    if (m_tracking && (event->buttons() & Qt::LeftButton))
        setFromMouse(event->position().toPoint());
    showHintAt(event->globalPosition().toPoint());
}

void TmbTrackBarPicker::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_tracking) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_tracking = false;
    setFromMouse(event->position().toPoint());
}

void TmbTrackBarPicker::stepValue(int delta, bool toEnd)
{
    long long target;
    if (toEnd)
        target = delta > 0 ? maximum() : minimum();
    else
        target = static_cast<long long>(value()) + static_cast<long long>(delta) * m_increment;
    storeValue(static_cast<int>(std::clamp<long long>(target, INT_MIN, INT_MAX)));
    refreshValue();
    emit changed();
}

void TmbTrackBarPicker::keyPressEvent(QKeyEvent* event)
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

void TmbTrackBarPicker::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
    emit focusEntered();
}

void TmbTrackBarPicker::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
    emit focusLeft();
}

void TmbTrackBarPicker::leaveEvent(QEvent* event)
{
    if (m_hint)
        m_hint->hide();
    QWidget::leaveEvent(event);
}

void TmbTrackBarPicker::hideEvent(QHideEvent* event)
{
    if (m_hint)
        m_hint->hide();
    m_tracking = false;
    QWidget::hideEvent(event);
}

void TmbTrackBarPicker::showHintAt(const QPoint& global)
{
    if (!m_showHint || !isVisible())
        return;
    if (!m_hint) {
        // A tool tip window: it never takes the focus away from the slider.
        m_hint = new QLabel(this, Qt::ToolTip | Qt::FramelessWindowHint);
        m_hint->setObjectName(QStringLiteral("pickerHint"));
        m_hint->setAttribute(Qt::WA_ShowWithoutActivating);
        m_hint->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_hint->setPalette(QToolTip::palette());
        m_hint->setAutoFillBackground(true);
        m_hint->setFrameShape(QFrame::Box);
        m_hint->setMargin(1);
    }
    m_hint->setText(hintText());
    m_hint->adjustSize();
    const QPoint at = horizontal()
        ? QPoint(global.x() - kHintMouseOffset, mapToGlobal(QPoint(0, height())).y() + kHintGap)
        : QPoint(mapToGlobal(QPoint(width(), 0)).x() + kHintGap, global.y() - kHintMouseOffset);
    m_hint->move(at);
    m_hint->show();
    m_hintTimer.start();
}

void TmbTrackBarPicker::updateHintText()
{
    if (m_hint && m_hint->isVisible()) {
        m_hint->setText(hintText());
        m_hint->adjustSize();
    }
}

} // namespace tessaro::controls
