// Adobe Swatch Exchange files (".ase"): "ASEF", version 1.0, the block
// count, then one colour entry block per colour: its name in UTF-16 with a
// terminating zero, the model "RGB " and three 32-bit floats 0..1, and the
// colour type. Big-endian throughout.
#pragma once

#include "export/palette_entry.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaro::exporting {

// Each colour is named by its "#RRGGBB" and has the type "normal". Throws
// PaletteFormatError for more than kMaxPaletteColors colours.
std::string WriteAse(const std::vector<TColor>& colors);

// Colour entries in order; group blocks are passed over. Throws
// PaletteFormatError for bytes that are not a swatch exchange file, a block
// that runs past the end of the file or of its own length, or a colour in
// another model than RGB (CMYK, LAB, Gray).
std::vector<PaletteEntry> ReadAse(std::string_view bytes);

} // namespace tessaro::exporting
