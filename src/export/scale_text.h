// A scale of swatches (tonal, contrast-targeted or a harmony) written as
// CSS variables, SCSS, a Tailwind colour family, JSON or a GIMP palette,
// through the web text and GPL writers. tessaro-cli's `scale --format` and
// the Scales window both write through here.
#pragma once

#include "engine/color_scales.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tessaro::exporting {

enum class ScaleFormat { CssVariables, Scss, Tailwind, Json, Gpl };

// "css-vars", "scss", "tailwind", "json", "gpl".
const char* ScaleFormatName(ScaleFormat format);
std::optional<ScaleFormat> ScaleFormatNamed(std::string_view name);
inline constexpr ScaleFormat kScaleFormats[] = {ScaleFormat::CssVariables, ScaleFormat::Scss, ScaleFormat::Tailwind,
                                                ScaleFormat::Json, ScaleFormat::Gpl};

// A swatch name as a name part every format accepts: "4.5" becomes "4_5",
// "+30" "plus30", "-30" "minus30".
std::string ScaleNameKey(const std::string& name);

// The swatches with a colour, written in `format`: the variables are named
// "<prefix>-<key>", the Tailwind family and the GIMP palette are named
// `prefix`. Unreachable targets have no colour and are left out. `prefix`
// must pass IsValidNamePrefix.
std::string ScaleText(std::span<const ScaleSwatch> swatches, ScaleFormat format, const std::string& prefix);

} // namespace tessaro::exporting
