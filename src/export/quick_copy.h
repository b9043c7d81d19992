// The quick copy commands' texts: the main colour in one of the eight copy
// notations or one of the CSS Color 4 notations, or, with two or more list
// entries selected, one line per entry.
#pragma once

#include "engine/color.h"
#include "engine/color_text.h"
#include "engine/css_color.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro::exporting {

// The main colour as the main window shows it: the number fields and the hex
// field are copied as they stand (a value typed but not applied is copied
// as typed); the BBGGRR forms come from the colour itself.
struct MainColorFields {
    std::string red, green, blue;
    std::string hue, saturation, lightness;
    std::string hex;  // RRGGBB
    TColor color = 0;
};

std::string MainColorCopyText(CopyNotation notation, const MainColorFields& main);

// One selected entry's line; empty for an entry the hex notations skip (one
// without "#"). The hex notations take the six characters after the entry's
// first "#" as they stand; RGB and HSL drop the entry's first character and
// read the next six as RRGGBB, throwing ConversionError when they are not
// hexadecimal.
std::optional<std::string> EntryCopyText(CopyNotation notation, std::string_view entry);

// The text a command copies: the main colour when fewer than two entries are
// selected, otherwise the selected entries' lines in list order, separated by
// CR LF. Throws ConversionError (nothing is to be copied then).
std::string QuickCopyText(CopyNotation notation, const MainColorFields& main,
                          const std::vector<std::string>& selectedEntries);

// The same for a CSS Color 4 notation. The main colour is written from its
// colour value; an entry, like the hex notations, from the six characters
// after its first "#" (an entry without one is skipped). Throws
// ConversionError for an entry whose six characters are not hexadecimal.
std::optional<std::string> EntryCopyText(CssNotation notation, std::string_view entry);
std::string QuickCopyText(CssNotation notation, const MainColorFields& main,
                          const std::vector<std::string>& selectedEntries);

} // namespace tessaro::exporting
