#include "cli/color_argument.h"

#include "engine/color_text.h"
#include "engine/conversion_error.h"

#include <string_view>

namespace tessaro::cli {

std::optional<TColor> ReadColorArgument(const std::string& text)
{
    std::string_view digits = text;
    if (digits.starts_with('#'))
        digits.remove_prefix(1);
    if (digits.size() != 6)
        return std::nullopt;
    // The hex reader would step over a second "#".
    if (digits.starts_with('#'))
        throw ConversionError(text);
    try {
        return HashHexToColor(digits);
    } catch (const ConversionError&) {
        throw ConversionError(text);
    }
}

} // namespace tessaro::cli
