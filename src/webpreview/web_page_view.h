// The sample web page as drawn in its window: the border, the background
// in the dividers, the four areas and the nine texts. Areas and texts are
// colour drag sources and drop targets, the border takes drops too, the
// three dividers are dragged to resize, and a right click or a double
// click on a text asks for a new string or font.
#pragma once

#include "engine/color_vision.h"
#include "webpreview/web_page_drops.h"
#include "webpreview/web_page_geometry.h"

#include <QWidget>

#include <optional>

namespace tessaro::webpreview {

class WebPageView : public QWidget {
    Q_OBJECT
public:
    // The page with its border: 389 x 301.
    static constexpr int kWidth = kPageWidth + 2 * kBorderWidth;
    static constexpr int kHeight = kPageHeight + 2 * kBorderWidth;

    explicit WebPageView(WebPageLayout& layout, QWidget* parent = nullptr);

    // Redraws after the layout changed from outside.
    void refresh();

    // How the page is drawn: as it is, or as seen with a colour-vision
    // deficiency.
    ColorVision vision() const { return vision_; }
    void setVision(ColorVision vision);

    // Where things are, in the widget's coordinates. A text's rectangle is
    // the part of it that shows inside its area.
    QRect areaRect(WebArea area) const;
    QRect textRect(WebText text) const;
    QRect dividerRect(WebDivider divider) const;
    // What lies under a point: a text before its area; the border frame;
    // nothing over a divider.
    std::optional<WebDropSpot> spotAt(QPoint point) const;
    std::optional<WebDivider> dividerAt(QPoint point) const;

    // A text's WCAG contrast ratio against its area, with its AA/AAA marks.
    QString contrastHint(WebText text) const;

signals:
    // Colours, sizes, strings or fonts changed.
    void layoutChanged();
    // A right click on a text; a double click on a text.
    void stringRequested(tessaro::webpreview::WebText text);
    void fontRequested(tessaro::webpreview::WebText text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool event(QEvent* event) override;

private:
    void paintPage(QPainter& painter) const;
    PagePoint toPage(QPoint point) const;
    QRect toWidget(const PageRect& rect) const;
    QRect textExtent(WebText text) const;
    void startColorDrag(WebDropSpot spot);

    WebPageLayout& layout_;
    ColorVision vision_ = ColorVision::Normal;
    // A left press on a part: its colour is dragged once the pointer moves.
    std::optional<WebDropSpot> pressedSpot_;
    QPoint pressedAt_;
    // A divider being dragged, and where on it the pointer took it.
    std::optional<WebDivider> draggedDivider_;
    int grabOffset_ = 0;
    // The part whose colour is being dragged out, which refuses itself.
    std::optional<WebDropSpot> dragOrigin_;
};

} // namespace tessaro::webpreview
