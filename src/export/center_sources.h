// The colours the Copy/Export Center and the list exports take from the
// colour list.
#pragma once

#include "engine/color_text.h"

#include "engine/color.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaro::exporting {

// Every entry holding "#": the "#" and the six characters after it, in list
// order ("Color List" and "Selected Colors" sources).
std::vector<std::string> CollectHashEntries(const std::vector<std::string>& entries);

// The colours of collected texts (#RRGGBB). Throws ConversionError for a text
// whose pairs are not hexadecimal.
std::vector<TColor> ColorsOfHashTexts(const std::vector<std::string>& texts);

// The colours of list entries, each by the engine's ListEntryColor.
std::vector<TColor> ListEntryColors(const std::vector<std::string>& entries);

} // namespace tessaro::exporting

namespace tessaro::exporting {

// The Copy/Export Center's "Source" list, in its order.
enum class CenterSource { MainColor, ColorList, SelectedColors, ColorWheel };

struct CenterSourceInput {
    std::string hexField;                      // the main window's hex field, RRGGBB
    std::vector<std::string> listEntries;      // every entry, in list order
    std::vector<std::string> selectedEntries;  // the selected entries, in list order
    std::vector<TColor> wheel;                 // the 12 wheel colours
};

// The source's colour texts (#RRGGBB as collected).
std::vector<std::string> CollectCenterSource(CenterSource source, const CenterSourceInput& input);

} // namespace tessaro::exporting
