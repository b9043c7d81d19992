// Starting a colour drag from a widget: the colour in every MIME form of
// colorlist/color_mime.h and a small swatch picture beside the pointer.
#pragma once

#include "colorlist/drag_sources.h"
#include "engine/color.h"

#include <Qt>

class QDrag;
class QObject;

namespace tessaro::controls {

// Side of the square swatch picture that follows the pointer.
inline constexpr int kDragPictureSide = 16;

// A drag of `color` from a source of kind `source`, owned by `dragSource`
// (deleted with it); the caller runs it with exec().
QDrag* CreateColorDrag(QObject* dragSource, TColor color, colorlist::DragSource source);
// Creates the drag and runs it until the drop; returns the drop action
// (Qt::IgnoreAction when no target took it).
Qt::DropAction ExecColorDrag(QObject* dragSource, TColor color, colorlist::DragSource source);

} // namespace tessaro::controls
