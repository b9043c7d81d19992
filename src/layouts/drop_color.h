// A colour dropped on the test area: which parts take it from which sources.
#pragma once

#include "colorlist/drag_sources.h"
#include "engine/color.h"
#include "layouts/test_area.h"

namespace tessaro::layouts {

// The drop target a hit names: a shape, a text or the background; images
// take no colours.
std::optional<colorlist::DropTarget> DropTargetOf(const HitTarget& hit);

// Gives the colour to the part under the drop when the drop table lets that
// part take colours from `source`: a shape's fill (then every outline takes
// its shape's fill), a text's colour, the background. True when the drop
// landed on a part that takes drops (a shape, a text or the background),
// whether or not the source was one it understands: such a drop changes the
// scheme all the same.
bool DropColor(TestArea& area, const HitTarget& hit, TColor color, colorlist::DragSource source);

// The colour a drag from that part carries, and its source kind; nothing
// for an image.
struct PartColor {
    TColor color = 0;
    colorlist::DragSource source = colorlist::DragSource::Unknown;
};
std::optional<PartColor> ColorOfPart(const TestArea& area, const HitTarget& hit);

// Where the first run puts the window on the classic screen sizes
// (800 x 600, 1024 x 768, 1152 x 864); other screens keep the position.
struct WindowPlace {
    int left = 0;
    int top = 0;
    friend bool operator==(const WindowPlace&, const WindowPlace&) = default;
};
std::optional<WindowPlace> FirstRunWindowPlace(int screenWidth, int screenHeight);

} // namespace tessaro::layouts
