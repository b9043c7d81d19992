// GIMP palette files (".gpl"), read by GIMP, Inkscape and Krita: the line
// "GIMP Palette", a "Name:" line, then one line per colour with its red,
// green and blue in decimal and its name.
#pragma once

#include "export/palette_entry.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaro::exporting {

// Lines end in LF. The palette is named `paletteName` (line breaks become
// blanks; "KT Tessaro" when empty), which palette menus list it by.
// Each colour is named by its "#RRGGBB".
std::string WriteGpl(const std::vector<TColor>& colors, const std::string& paletteName);
// The same with each colour's own name (its "#RRGGBB" where it has none).
std::string WriteGpl(const std::vector<PaletteEntry>& entries, const std::string& paletteName);

// A UTF-8 byte order mark before "GIMP Palette" is passed over. Throws
// PaletteFormatError for a first line other than "GIMP Palette" or a colour
// line that is not three whole numbers 0-255 (naming the line); values out
// of range are refused, not wrapped around. "Name:" and "Columns:" lines,
// comments ("#") and empty lines are passed over.
std::vector<PaletteEntry> ReadGpl(std::string_view bytes);

} // namespace tessaro::exporting
