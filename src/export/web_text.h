// Text formats for web developers beside the Copy/Export Center's own:
// CSS custom properties, SCSS variables, a JSON array and a Tailwind
// `colors` object. Colour i (from 1) is named prefix + "-" + i. Every line
// is followed by CR LF.
#pragma once

#include "engine/color.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaro::exporting {

inline constexpr const char* kDefaultNamePrefix = "color";

// A prefix is one or more ASCII letters, digits, "-" or "_", starting with a
// letter or "_", so that every format gives valid names.
bool IsValidNamePrefix(std::string_view prefix);

// ":root {", "  --color-1: #RRGGBB;" lines, "}".
std::string CssVariablesText(const std::vector<TColor>& colors, const std::string& prefix);
// "$color-1: #RRGGBB;" lines.
std::string ScssText(const std::vector<TColor>& colors, const std::string& prefix);
// An array of objects: "name", "hex" ("#RRGGBB"), "rgb" {"r","g","b"} and
// "hsl" {"h","s","l"} by the program's RgbToHsl.
std::string JsonText(const std::vector<TColor>& colors, const std::string& prefix);
// "colors: {", "  'color-1': '#RRGGBB',", "}," for a Tailwind configuration's
// theme (or its extend section).
std::string TailwindText(const std::vector<TColor>& colors, const std::string& prefix);

// The same formats for colours that carry names of their own (valid in
// every format: letters, digits, "-" and "_").
struct NamedColor {
    std::string name;
    TColor color = 0;
};
std::string CssVariablesText(const std::vector<NamedColor>& colors);
std::string ScssText(const std::vector<NamedColor>& colors);
std::string JsonText(const std::vector<NamedColor>& colors);
// "colors: {", "  'group': {", "    'name': '#RRGGBB',", "  },", "}," : one
// colour family whose shades are keyed by name (50 .. 950 for a scale).
std::string TailwindGroupText(const std::string& group, const std::vector<NamedColor>& colors);

} // namespace tessaro::exporting
