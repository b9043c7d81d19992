// Adobe Swatch Exchange files (".ase"): "ASEF", version 1.0, the block
// count, then one colour entry block per colour: its name in UTF-16 with a
// terminating zero, the model ("RGB ", "CMYK", "LAB " or "Gray") and its
// 32-bit floats, and the colour type. Big-endian throughout.
#pragma once

#include "export/palette_entry.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaro::exporting {

// Each colour is named by its "#RRGGBB" and has the type "normal". Throws
// PaletteFormatError for more than kMaxPaletteColors colours.
std::string WriteAse(const std::vector<TColor>& colors);

// Colour entries in order; group blocks are passed over. Grey, CMYK and Lab
// swatches are converted to RGB (swatch_models.h: RGB 0..1, Gray 0..1 with
// 1 white, CMYK ink 0..1, LAB lightness 0..1 and a, b as they are); a
// swatch in any other model is skipped. `note` receives the one sentence
// that says so ("" when every swatch was RGB). Throws PaletteFormatError for
// bytes that are not a swatch exchange file, a block that runs past the end
// of the file or of its own length, or a file whose every swatch was
// skipped.
std::vector<PaletteEntry> ReadAse(std::string_view bytes, std::string* note = nullptr);

} // namespace tessaro::exporting
