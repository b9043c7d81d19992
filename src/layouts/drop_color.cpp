#include "layouts/drop_color.h"

namespace tessaro::layouts {

using colorlist::DragSource;
using colorlist::DropTarget;

std::optional<DropTarget> DropTargetOf(const HitTarget& hit)
{
    if (hit.what == HitTarget::What::Background)
        return DropTarget::TestBackground;
    switch (hit.kind) {
    case ObjectKind::Shape: return DropTarget::TestShape;
    case ObjectKind::Text: return DropTarget::TestText;
    case ObjectKind::Image: break;
    }
    return std::nullopt;
}

bool DropColor(TestArea& area, const HitTarget& hit, TColor color, DragSource source)
{
    const std::optional<DropTarget> target = DropTargetOf(hit);
    if (!target)
        return false;
    if (!colorlist::Accepts(*target, source))
        return true;
    switch (*target) {
    case DropTarget::TestShape:
        area.Object(ObjectKind::Shape, hit.number).fill = color;
        SetOutlinesToFills(area);
        break;
    case DropTarget::TestText:
        area.Object(ObjectKind::Text, hit.number).textColor = color;
        break;
    default:
        area.background = color;
        break;
    }
    return true;
}

std::optional<PartColor> ColorOfPart(const TestArea& area, const HitTarget& hit)
{
    if (hit.what == HitTarget::What::Background)
        return PartColor{area.background, DragSource::TestBackground};
    switch (hit.kind) {
    case ObjectKind::Shape: return PartColor{area.Object(hit.kind, hit.number).fill, DragSource::TestShape};
    case ObjectKind::Text: return PartColor{area.Object(hit.kind, hit.number).textColor, DragSource::TestText};
    case ObjectKind::Image: break;
    }
    return std::nullopt;
}

std::optional<WindowPlace> FirstRunWindowPlace(int screenWidth, int screenHeight)
{
    if (screenWidth == 800 && screenHeight == 600)
        return WindowPlace{216, 218};
    if (screenWidth == 1024 && screenHeight == 768)
        return WindowPlace{432, 290};
    if (screenWidth == 1152 && screenHeight == 864)
        return WindowPlace{561, 216};
    return std::nullopt;
}

} // namespace tessaro::layouts
