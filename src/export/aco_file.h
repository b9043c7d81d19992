// Photoshop colour swatch files (".aco"). The writer gives a version 1
// section followed by a version 2 section holding the same colours with
// their "#RRGGBB" names: big-endian numbers, RGB channels scaled from 8 to
// 16 bits by 257. The reader takes either version, or both (the names then
// come from the version 2 section).
#pragma once

#include "export/palette_entry.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaro::exporting {

// Throws PaletteFormatError for more than kMaxPaletteColors colours.
std::string WriteAco(const std::vector<TColor>& colors);

// Swatches in the HSB (1), CMYK (2), Lab (7) and grayscale (8) colour
// spaces are converted to RGB (swatch_models.h); any other colour space is
// skipped. `note` receives the one sentence that says so ("" when every
// swatch was RGB). Throws PaletteFormatError for bytes that are not a sound
// swatch file: truncated sections, an unknown version, or a section whose
// every swatch was skipped. A version 2 section that is unsound after a
// sound version 1 section is passed over, the version 1 colours being
// complete.
std::vector<PaletteEntry> ReadAco(std::string_view bytes, std::string* note = nullptr);

} // namespace tessaro::exporting
