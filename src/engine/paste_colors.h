// The colours a paste takes from text: those the program's own scan finds
// (ScanColorText), or, when it finds none, each CSS colour in the text in
// order (FindCssColors: any CSS Color 4 notation or named colour,
// gamut-mapped into sRGB).
#pragma once

#include "engine/color.h"

#include <string_view>
#include <vector>

namespace tessaro {

std::vector<TColor> PastedColors(std::u16string_view text);

} // namespace tessaro
