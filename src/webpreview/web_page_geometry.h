// Where everything on the sample web page lies, derived from the three free
// sizes. Coordinates are page pixels: (0, 0) is the first pixel inside the
// border, the interior is kPageWidth x kPageHeight, and the border frame
// lies kBorderWidth pixels around it. The window only draws these.
#pragma once

#include "webpreview/web_page_layout.h"

#include <optional>

namespace tessaro::webpreview {

struct PagePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PagePoint&, const PagePoint&) = default;
};

struct PageRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool Contains(PagePoint p) const { return p.x >= x && p.x < x + width && p.y >= y && p.y < y + height; }
    bool IsEmpty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const PageRect&, const PageRect&) = default;
};

struct WebPageGeometry {
    PageRect header;
    PageRect navigation;
    PageRect contents;
    PageRect footer;
    PageRect headerDivider;
    PageRect navigationDivider;
    PageRect footerDivider;
};

WebPageGeometry ComputeGeometry(int headerHeight, int footerHeight, int navigationWidth);
WebPageGeometry ComputeGeometry(const WebPageLayout& layout);

PageRect AreaRect(const WebPageGeometry& geometry, WebArea area);
PageRect DividerRect(const WebPageGeometry& geometry, WebDivider divider);
// The page with its border around it.
PageRect BorderFrame();

// Height of the navigation and contents columns; width of the contents.
int MiddleHeight(int headerHeight, int footerHeight);
int ContentsWidth(int navigationWidth);

// A text's top-left corner inside its area, and on the page.
PagePoint TextOffset(WebText text);
PagePoint TextOrigin(const WebPageGeometry& geometry, WebText text);
// The width the contents text is wrapped to (never negative).
int ContentsWrapWidth(const WebPageGeometry& geometry);

// Dividers are tested before areas, so a point on a divider is the divider's.
std::optional<WebDivider> DividerAt(const WebPageGeometry& geometry, PagePoint point);
std::optional<WebArea> AreaAt(const WebPageGeometry& geometry, PagePoint point);

// The size a divider gives its area when its first pixel row (or column)
// is dragged to `position`; pass it to WebPageLayout::DragDivider.
int DividerSizeAt(WebDivider divider, int position);

} // namespace tessaro::webpreview
