// A drawing as an enhanced metafile (EMF), written with libuemf: one
// logical unit per pixel on a 96 dots-per-inch reference device, the
// description "creator\0title\0\0", a white page, the rectangles (with a
// black pen when outlined, with no pen otherwise) and the text lines.
#pragma once

#include "export/drawing.h"

#include <string>

namespace tessaro::exporting {

std::string DrawingEmf(const Drawing& drawing);

} // namespace tessaro::exporting
