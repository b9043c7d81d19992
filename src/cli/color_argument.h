// A COLOR argument: six hex digits with an optional leading "#".
#pragma once

#include "engine/color.h"

#include <optional>
#include <string>

namespace tessaro::cli {

// The colour; nullopt when the text is not six characters after the
// optional "#" (the caller's usage error). Six characters that are not all
// hex digits throw ConversionError carrying the whole text.
std::optional<TColor> ReadColorArgument(const std::string& text);

} // namespace tessaro::cli
