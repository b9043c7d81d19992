// The pictures of the Quick Color Palette and the value lines of the two
// palette windows, apart from any window.
#pragma once

#include "engine/color.h"

#include <string>

namespace tessaro::tools {

// The websafe picture: 19 columns by 12 rows of 8 x 8 cells between
// one-pixel lines of #080808.
inline constexpr int kWebsafeWidth = 172;
inline constexpr int kWebsafeHeight = 109;
inline constexpr TColor kGridLineColor = 0x080808;

// The colour of the cell in `column` (0..18) and `row` (0..11).
TColor WebsafeCellColor(int column, int row);
// The pixel at (x, y) of the picture: a cell's colour or the line colour.
TColor WebsafePixel(int x, int y);

// The spectrum picture, stored 115 x 63 and shown stretched to 172 x 63:
// hue left to right from red round to red, white at the top through the
// full colours at row 31 to black at row 62.
inline constexpr int kSpectrumWidth = 115;
inline constexpr int kSpectrumHeight = 63;
TColor SpectrumPixel(int x, int y);

// The Variations window's value line, with its trailing space:
// "R: 255, G: 128, B: 0 ( #FF8000 ) ".
std::string VariationsValueText(TColor color);
// The Quick Color Palette's value line: "RGB(255,128,0) | #FF8000 ".
std::string PaletteValueText(TColor color);

} // namespace tessaro::tools
