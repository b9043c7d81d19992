// What a colour dropped on the sample web page changes: the part under the
// pointer takes the colour when the program's drop table lets it take the
// drag's source, and never from itself.
#pragma once

#include "colorlist/drag_sources.h"
#include "webpreview/web_page_layout.h"

#include <optional>

namespace tessaro::webpreview {

// A place on the window that takes dropped colours, and the page's parts
// that colour drags start from (areas and texts).
struct WebDropSpot {
    enum class Kind { Area, Text, Border, Background };
    Kind kind = Kind::Area;
    WebArea area = WebArea::Header;  // for Kind::Area
    WebText text = WebText::Header;  // for Kind::Text
    friend bool operator==(const WebDropSpot&, const WebDropSpot&) = default;
};

constexpr WebDropSpot AreaSpot(WebArea area) { return {WebDropSpot::Kind::Area, area, WebText::Header}; }
constexpr WebDropSpot TextSpot(WebText text) { return {WebDropSpot::Kind::Text, WebArea::Header, text}; }
inline constexpr WebDropSpot kBorderSpot{WebDropSpot::Kind::Border};
// The "Colors:" caption, which sets the page's background.
inline constexpr WebDropSpot kBackgroundSpot{WebDropSpot::Kind::Background};

// The drop table's row for the spot.
colorlist::DropTarget DropTargetOf(WebDropSpot spot);

// The colour a drag from the spot offers (areas and texts).
TColor SpotColor(const WebPageLayout& layout, WebDropSpot spot);

// Applies a drop of `color` from `source` on `spot`; `origin` is the part of
// this page the drag started from, if any. False, changing nothing, when
// the spot does not take the source or the drag started on the spot itself.
// The border takes the colour alone; its dividers keep theirs.
bool DropOnSpot(WebPageLayout& layout, WebDropSpot spot, TColor color, colorlist::DragSource source,
                std::optional<WebDropSpot> origin = std::nullopt);

} // namespace tessaro::webpreview
