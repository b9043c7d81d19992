#include "webpreview/web_page_geometry.h"

#include <algorithm>

namespace tessaro::webpreview {

namespace {

// Space the contents text keeps free at the right of its column.
constexpr int kContentsWrapMargin = 19;
constexpr int kLinkSpacing = 16;

} // namespace

int MiddleHeight(int headerHeight, int footerHeight)
{
    return std::max(0, kPageHeight - headerHeight - footerHeight - 2 * kDividerThickness);
}

int ContentsWidth(int navigationWidth)
{
    return std::max(0, kMaxNavigationWidth - navigationWidth);
}

WebPageGeometry ComputeGeometry(int headerHeight, int footerHeight, int navigationWidth)
{
    const int middleTop = headerHeight + kDividerThickness;
    const int middleHeight = MiddleHeight(headerHeight, footerHeight);
    WebPageGeometry g;
    g.header = {0, 0, kPageWidth, headerHeight};
    g.headerDivider = {0, headerHeight, kPageWidth, kDividerThickness};
    g.navigation = {0, middleTop, navigationWidth, middleHeight};
    g.navigationDivider = {navigationWidth, middleTop, kDividerThickness, middleHeight};
    g.contents = {navigationWidth + kDividerThickness, middleTop, ContentsWidth(navigationWidth), middleHeight};
    g.footerDivider = {0, kPageHeight - footerHeight - kDividerThickness, kPageWidth, kDividerThickness};
    g.footer = {0, kPageHeight - footerHeight, kPageWidth, footerHeight};
    return g;
}

WebPageGeometry ComputeGeometry(const WebPageLayout& layout)
{
    return ComputeGeometry(layout.HeaderHeight(), layout.FooterHeight(), layout.NavigationWidth());
}

PageRect AreaRect(const WebPageGeometry& geometry, WebArea area)
{
    switch (area) {
    case WebArea::Header: return geometry.header;
    case WebArea::Footer: return geometry.footer;
    case WebArea::Navigation: return geometry.navigation;
    case WebArea::Contents: return geometry.contents;
    }
    return {};
}

PageRect DividerRect(const WebPageGeometry& geometry, WebDivider divider)
{
    switch (divider) {
    case WebDivider::Header: return geometry.headerDivider;
    case WebDivider::Footer: return geometry.footerDivider;
    case WebDivider::Navigation: return geometry.navigationDivider;
    }
    return {};
}

PageRect BorderFrame()
{
    return {-kBorderWidth, -kBorderWidth, kPageWidth + 2 * kBorderWidth, kPageHeight + 2 * kBorderWidth};
}

PagePoint TextOffset(WebText text)
{
    switch (text) {
    case WebText::Header: return {8, 7};
    case WebText::Footer: return {8, 6};
    case WebText::Title: return {8, 8};
    case WebText::Contents: return {8, 32};
    default: return {8, 8 + kLinkSpacing * (int(text) - int(WebText::Link1))};
    }
}

PagePoint TextOrigin(const WebPageGeometry& geometry, WebText text)
{
    const PageRect area = AreaRect(geometry, AreaOf(text));
    const PagePoint offset = TextOffset(text);
    return {area.x + offset.x, area.y + offset.y};
}

int ContentsWrapWidth(const WebPageGeometry& geometry)
{
    return std::max(0, geometry.contents.width - kContentsWrapMargin);
}

std::optional<WebDivider> DividerAt(const WebPageGeometry& geometry, PagePoint point)
{
    for (WebDivider divider : {WebDivider::Header, WebDivider::Footer, WebDivider::Navigation})
        if (DividerRect(geometry, divider).Contains(point))
            return divider;
    return std::nullopt;
}

std::optional<WebArea> AreaAt(const WebPageGeometry& geometry, PagePoint point)
{
    if (DividerAt(geometry, point))
        return std::nullopt;
    for (WebArea area : kWebAreas)
        if (AreaRect(geometry, area).Contains(point))
            return area;
    return std::nullopt;
}

int DividerSizeAt(WebDivider divider, int position)
{
    switch (divider) {
    case WebDivider::Header:
    case WebDivider::Navigation: return position;
    case WebDivider::Footer: return kPageHeight - kDividerThickness - position;
    }
    return 0;
}

} // namespace tessaro::webpreview
