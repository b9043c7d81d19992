// A drawing as an enhanced metafile (EMF), written with libuemf: one
// logical unit per pixel on a 96 dots-per-inch reference device, the
// description "creator\0title\0\0", a white page, the rectangles (with a
// black pen when outlined, with no pen otherwise) and the text lines.
#pragma once

#include "export/drawing.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tessaro::exporting {

// The advance of each UTF-16 unit of a text line in pixels, as the font
// lays the line out. Programs that draw a metafile place every character by
// these advances, so they decide the text's spacing there.
using CharacterAdvances = std::function<std::vector<std::int32_t>(const DrawnText&)>;

std::string DrawingEmf(const Drawing& drawing, const CharacterAdvances& advances);

} // namespace tessaro::exporting
