// A drawing as an SVG picture of the same size in pixels, with its title
// and creator in the picture's description.
#pragma once

#include "export/drawing.h"

#include <string>

namespace tessaro::exporting {

std::string DrawingSvg(const Drawing& drawing);

} // namespace tessaro::exporting
