// GIMP palette files (".gpl"), read by GIMP, Inkscape and Krita: the line
// "GIMP Palette", a "Name:" line, then one line per colour with its red,
// green and blue in decimal and its name.
#pragma once

#include "export/palette_entry.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaro::exporting {

// Lines end in LF; each colour is named by its "#RRGGBB".
std::string WriteGpl(const std::vector<TColor>& colors, const std::string& paletteName = "KT Tessaro");
// The same with each colour's own name (its "#RRGGBB" where it has none).
std::string WriteGpl(const std::vector<PaletteEntry>& entries, const std::string& paletteName = "KT Tessaro");

// Throws PaletteFormatError for a first line other than "GIMP Palette" or
// a colour line that is not three numbers 0..255 (naming the line).
// "Name:" and "Columns:" lines, comments ("#") and empty lines are passed
// over.
std::vector<PaletteEntry> ReadGpl(std::string_view bytes);

} // namespace tessaro::exporting
