// The colour list as a self-contained HTML page: one swatch per colour with
// its hex, RGB and HSL values, laid out to read well in a browser and to
// print with the swatches' colours. Lines end in CR LF.
#pragma once

#include "engine/color.h"

#include <string>
#include <vector>

namespace tessaro::exporting {

std::string HtmlPage(const std::vector<TColor>& colors);

} // namespace tessaro::exporting
