// A colour scheme file (".shm"): the colours of the test area's 21
// colourable parts, "sc1".."sc10" (shape fills), "tc1".."tc10" (text
// colours) and "background", each a named colour text.
#pragma once

#include "engine/color.h"
#include "engine/keyvalue_text.h"
#include "layouts/layout_key.h"

#include <array>
#include <string>
#include <string_view>

namespace tessaro::layouts {

struct TestArea;

struct ColorScheme {
    std::array<TColor, kShapeCount> shapeFills{};
    std::array<TColor, kTextCount> textColors{};
    TColor background = 0;
    friend bool operator==(const ColorScheme&, const ColorScheme&) = default;
};

ColorScheme SchemeOf(const TestArea& area);

// The 21 lines in file order, each followed by CR LF.
std::string ColorSchemeText(const ColorScheme& scheme);
// Replaces the file with the scheme; false when it cannot be written, in
// which case nothing is written and the error for ReplaceErrorText is in
// `error` when given.
bool WriteColorScheme(const std::string& path, const ColorScheme& scheme, int* error = nullptr);

// The scheme's colours from the lines of a scheme file: each key present
// takes its colour, every other part keeps its colour from `base`. Throws
// ConversionError at the first value that is not a colour.
ColorScheme ReadColorScheme(const KeyValueText& lines, const ColorScheme& base);
ColorScheme ParseColorScheme(std::string_view bytes, const ColorScheme& base);

// Each colour back to the part it was taken from, then outlines to fills.
void ApplyColorScheme(TestArea& area, const ColorScheme& scheme);

} // namespace tessaro::layouts
