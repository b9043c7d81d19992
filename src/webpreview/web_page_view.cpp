#include "webpreview/web_page_view.h"

#include "colorlist/color_mime.h"
#include "controls/color_drag.h"
#include "platform/qt_color.h"
#include "webpreview/web_fonts.h"
#include "webpreview/web_page_contrast.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace tessaro::webpreview {

namespace {

// Room enough for any single line and any wrapped paragraph.
constexpr int kUnbounded = 100000;

bool IsHorizontal(WebDivider divider)
{
    return divider != WebDivider::Navigation;
}

// Every pixel as seen with `vision`.
void SimulateImage(QImage& image, ColorVision vision)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        SimulateColorVisionPixels(std::span<std::uint32_t>(line, std::size_t(image.width())), vision);
    }
}

} // namespace

WebPageView::WebPageView(WebPageLayout& layout, QWidget* parent) : QWidget(parent), layout_(layout)
{
    setObjectName(QStringLiteral("Panel1"));
    setFixedSize(kWidth, kHeight);
    setAcceptDrops(true);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WebPageView::refresh()
{
    update();
}

void WebPageView::setVision(ColorVision vision)
{
    vision_ = vision;
    update();
}

PagePoint WebPageView::toPage(QPoint point) const
{
    return {point.x() - kBorderWidth, point.y() - kBorderWidth};
}

QRect WebPageView::toWidget(const PageRect& rect) const
{
    return QRect(rect.x + kBorderWidth, rect.y + kBorderWidth, rect.width, rect.height);
}

QRect WebPageView::areaRect(WebArea area) const
{
    return toWidget(AreaRect(ComputeGeometry(layout_), area));
}

QRect WebPageView::dividerRect(WebDivider divider) const
{
    return toWidget(DividerRect(ComputeGeometry(layout_), divider));
}

// The whole text as laid out from its corner, before its area clips it.
QRect WebPageView::textExtent(WebText text) const
{
    const WebPageGeometry geometry = ComputeGeometry(layout_);
    const PagePoint origin = TextOrigin(geometry, text);
    const QPoint corner(origin.x + kBorderWidth, origin.y + kBorderWidth);
    const WebPageText& t = layout_.Text(text);
    const QFontMetrics metrics(ScreenFont(t.font));
    const QString string = QString::fromStdString(t.string);
    if (text == WebText::Contents)
        return metrics.boundingRect(QRect(corner, QSize(std::max(1, ContentsWrapWidth(geometry)), kUnbounded)),
                                    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, string);
    return metrics.boundingRect(QRect(corner, QSize(kUnbounded, kUnbounded)),
                                Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, string);
}

QRect WebPageView::textRect(WebText text) const
{
    return textExtent(text).intersected(areaRect(AreaOf(text)));
}

std::optional<WebDivider> WebPageView::dividerAt(QPoint point) const
{
    return DividerAt(ComputeGeometry(layout_), toPage(point));
}

std::optional<WebDropSpot> WebPageView::spotAt(QPoint point) const
{
    if (!rect().contains(point))
        return std::nullopt;
    const PagePoint page = toPage(point);
    if (page.x < 0 || page.y < 0 || page.x >= kPageWidth || page.y >= kPageHeight)
        return kBorderSpot;
    for (WebText text : kWebTexts)
        if (textRect(text).contains(point))
            return TextSpot(text);
    if (const auto area = AreaAt(ComputeGeometry(layout_), page))
        return AreaSpot(*area);
    return std::nullopt;
}

QString WebPageView::contrastHint(WebText text) const
{
    return QString::fromStdString(ContrastVerdictWithApcaText(TextContrast(layout_, text)));
}

void WebPageView::paintPage(QPainter& painter) const
{
    painter.fillRect(rect(), ToQColor(layout_.BorderColor()));
    painter.fillRect(toWidget({0, 0, kPageWidth, kPageHeight}), ToQColor(layout_.BackgroundColor()));
    for (WebDivider divider : {WebDivider::Header, WebDivider::Footer, WebDivider::Navigation})
        painter.fillRect(dividerRect(divider), ToQColor(layout_.DividerColor()));
    for (WebArea area : kWebAreas)
        painter.fillRect(areaRect(area), ToQColor(layout_.AreaColor(area)));
    for (WebText text : kWebTexts) {
        const QRect area = areaRect(AreaOf(text));
        if (area.isEmpty())
            continue;
        const WebPageText& t = layout_.Text(text);
        painter.save();
        painter.setClipRect(area);
        painter.setFont(ScreenFont(t.font));
        painter.setPen(ToQColor(t.color));
        const int flags = Qt::AlignLeft | Qt::AlignTop | (text == WebText::Contents ? Qt::TextWordWrap : Qt::TextSingleLine);
        painter.drawText(textExtent(text), flags, QString::fromStdString(t.string));
        painter.restore();
    }
}

void WebPageView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (vision_ == ColorVision::Normal) {
        paintPage(painter);
        return;
    }
    QImage image(size(), QImage::Format_RGB32);
    {
        QPainter offscreen(&image);
        paintPage(offscreen);
    }
    SimulateImage(image, vision_);
    painter.drawImage(0, 0, image);
}

void WebPageView::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        if (const auto divider = dividerAt(at)) {
            draggedDivider_ = divider;
            const QRect r = dividerRect(*divider);
            grabOffset_ = IsHorizontal(*divider) ? at.y() - r.y() : at.x() - r.x();
            return;
        }
        const auto spot = spotAt(at);
        if (spot && (spot->kind == WebDropSpot::Kind::Area || spot->kind == WebDropSpot::Kind::Text)) {
            pressedSpot_ = spot;
            pressedAt_ = at;
        }
    } else if (event->button() == Qt::RightButton) {
        const auto spot = spotAt(at);
        if (spot && spot->kind == WebDropSpot::Kind::Text)
            emit stringRequested(spot->text);
    }
}

void WebPageView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (draggedDivider_) {
        // The divider's first pixel follows the pointer, in page pixels.
        const int position = (IsHorizontal(*draggedDivider_) ? at.y() : at.x()) - grabOffset_ - kBorderWidth;
        const int before = layout_.DividerSize(*draggedDivider_);
        if (layout_.DragDivider(*draggedDivider_, DividerSizeAt(*draggedDivider_, position)) != before) {
            update();
            emit layoutChanged();
        }
        return;
    }
    if (pressedSpot_ && (event->buttons() & Qt::LeftButton)) {
        if ((at - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
            const WebDropSpot spot = *pressedSpot_;
            pressedSpot_.reset();
            startColorDrag(spot);
        }
        return;
    }
    const auto divider = dividerAt(at);
    if (divider)
        setCursor(IsHorizontal(*divider) ? Qt::SplitVCursor : Qt::SplitHCursor);
    else
        unsetCursor();
}

void WebPageView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        draggedDivider_.reset();
        pressedSpot_.reset();
    }
}

void WebPageView::mouseDoubleClickEvent(QMouseEvent* event)
{
    pressedSpot_.reset();
    if (event->button() != Qt::LeftButton)
        return;
    const auto spot = spotAt(event->position().toPoint());
    if (spot && spot->kind == WebDropSpot::Kind::Text)
        emit fontRequested(spot->text);
}

void WebPageView::startColorDrag(WebDropSpot spot)
{
    const auto source = spot.kind == WebDropSpot::Kind::Text ? colorlist::DragSource::WebText
                                                             : colorlist::DragSource::WebArea;
    dragOrigin_ = spot;
    controls::ExecColorDrag(this, SpotColor(layout_, spot), source);
    dragOrigin_.reset();
}

void WebPageView::dragEnterEvent(QDragEnterEvent* event)
{
    window()->raise();
    if (colorlist::CanDecodeColorMime(*event->mimeData()))
        event->acceptProposedAction();
}

void WebPageView::dragMoveEvent(QDragMoveEvent* event)
{
    // Every colour is let in over a part; the drop decides.
    if (colorlist::CanDecodeColorMime(*event->mimeData()) && spotAt(event->position().toPoint()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void WebPageView::dropEvent(QDropEvent* event)
{
    const auto dropped = colorlist::DecodeColorMime(*event->mimeData());
    const auto spot = spotAt(event->position().toPoint());
    if (!dropped || !spot)
        return;
    event->acceptProposedAction();
    if (DropOnSpot(layout_, *spot, dropped->color, dropped->source, dragOrigin_)) {
        update();
        emit layoutChanged();
    }
}

bool WebPageView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const auto spot = spotAt(help->pos());
        if (spot && spot->kind == WebDropSpot::Kind::Text)
            QToolTip::showText(help->globalPos(), contrastHint(spot->text), this, textRect(spot->text));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

} // namespace tessaro::webpreview
