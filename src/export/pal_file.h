// Microsoft RIFF palette files (".pal"): "RIFF", the size of what follows,
// "PAL ", then one "data" chunk: its size, version 0x0300, the colour count
// and four bytes per colour (red, green, blue, flags 0), little-endian.
#pragma once

#include "export/palette_entry.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaro::exporting {

// At most 65535 colours (the count is 16 bits); 24 + 4n bytes.
// Throws PaletteFormatError for more than kMaxPaletteColors colours.
std::string WritePal(const std::vector<TColor>& colors);

// Finds the "data" chunk among the file's chunks. Throws PaletteFormatError
// for bytes that are not a RIFF palette, a chunk that runs past the end of
// the file, another version, or a count larger than its chunk.
std::vector<PaletteEntry> ReadPal(std::string_view bytes);

} // namespace tessaro::exporting
