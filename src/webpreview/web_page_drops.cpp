#include "webpreview/web_page_drops.h"

namespace tessaro::webpreview {

colorlist::DropTarget DropTargetOf(WebDropSpot spot)
{
    switch (spot.kind) {
    case WebDropSpot::Kind::Area:
    case WebDropSpot::Kind::Text: return colorlist::DropTarget::WebArea;
    case WebDropSpot::Kind::Border: return colorlist::DropTarget::WebBorder;
    case WebDropSpot::Kind::Background: return colorlist::DropTarget::WebColorsCaption;
    }
    return colorlist::DropTarget::WebArea;
}

TColor SpotColor(const WebPageLayout& layout, WebDropSpot spot)
{
    switch (spot.kind) {
    case WebDropSpot::Kind::Area: return layout.AreaColor(spot.area);
    case WebDropSpot::Kind::Text: return layout.Text(spot.text).color;
    case WebDropSpot::Kind::Border: return layout.BorderColor();
    case WebDropSpot::Kind::Background: return layout.BackgroundColor();
    }
    return kBlack;
}

bool DropOnSpot(WebPageLayout& layout, WebDropSpot spot, TColor color, colorlist::DragSource source,
                std::optional<WebDropSpot> origin)
{
    if (!colorlist::Accepts(DropTargetOf(spot), source) || origin == spot)
        return false;
    switch (spot.kind) {
    case WebDropSpot::Kind::Area: layout.SetAreaColor(spot.area, color); break;
    case WebDropSpot::Kind::Text: layout.SetTextColor(spot.text, color); break;
    case WebDropSpot::Kind::Border: layout.SetBorderColor(color); break;
    case WebDropSpot::Kind::Background: layout.SetBackgroundColor(color); break;
    }
    return true;
}

} // namespace tessaro::webpreview
