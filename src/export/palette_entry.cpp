#include "export/palette_entry.h"

namespace tessaro::exporting {

std::vector<TColor> ColorsOf(const std::vector<PaletteEntry>& entries)
{
    std::vector<TColor> colors;
    colors.reserve(entries.size());
    for (const PaletteEntry& entry : entries)
        colors.push_back(entry.color);
    return colors;
}

} // namespace tessaro::exporting
