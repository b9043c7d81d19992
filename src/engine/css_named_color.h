// The 148 named colours of CSS Color 4 (lower-case names, grey and gray
// spellings both listed), in alphabetical order.
#pragma once

#include "engine/color.h"

#include <optional>
#include <span>
#include <string_view>

namespace tessaro {

struct CssNamedColor {
    const char* name;
    TColor color;
};
std::span<const CssNamedColor> CssNamedColors();

// The colour of a name in any letter case; nullopt for other text
// ("transparent" and "currentcolor" included: they name no colour).
std::optional<TColor> CssNamedColorValue(std::string_view name);

} // namespace tessaro
