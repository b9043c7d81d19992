// The palette and page formats by file extension, so the list exports, the
// list's Open dialog and the command-line tool choose a writer or a reader
// in one place.
#pragma once

#include "export/palette_entry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::exporting {

enum class PaletteKind { Html, Aco, Pal, Gpl, Ase };

// The kind of a file by its extension, letter case ignored: ".html"/".htm",
// ".aco", ".pal", ".gpl", ".ase".
std::optional<PaletteKind> PaletteKindOfPath(std::string_view path);

// Whether the program reads files of the kind back as a colour list.
bool IsReadablePalette(PaletteKind kind);

// The name a palette written to or read from `path` goes by: the file's
// name without its folder and extension ("/lists/Autumn.cll": "Autumn").
std::string PaletteNameOfPath(std::string_view path);

// The file's bytes; formats that keep a palette name (GPL) get `name`.
// Throws PaletteFormatError (too many colours).
std::string WritePalette(PaletteKind kind, const std::vector<TColor>& colors, const std::string& name);

struct PaletteRead {
    std::vector<PaletteEntry> entries;
    // One sentence for the user when swatches in other colour models were
    // converted or skipped; "" otherwise.
    std::string note;
};
// Throws PaletteFormatError for bytes that are not sound, or a kind that is
// not read.
PaletteRead ReadPalette(PaletteKind kind, std::string_view bytes);

} // namespace tessaro::exporting
