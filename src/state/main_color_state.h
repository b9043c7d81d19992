// The one main colour of the program and everything derived from it.
#pragma once

#include "engine/color.h"
#include "engine/keyvalue_text.h"
#include "engine/palette.h"

#include <array>
#include <optional>
#include <string>

namespace tessaro::workspace {

// The main swatch's design colour, the main colour at start-up.
constexpr RgbTriple kDesignColor = {127, 212, 110};

struct MainColorState {
    // The authoritative value.
    std::uint8_t red = kDesignColor.red;
    std::uint8_t green = kDesignColor.green;
    std::uint8_t blue = kDesignColor.blue;
    // Recomputed from the bytes, except when the user sets HSL directly.
    int hue = 0;
    int saturation = 0;
    int lightness = 0;
    // The colour shown in the main swatch.
    TColor mainColor = MakeColor(kDesignColor);
    bool isWebsafe = false;
    DerivedPalette palette;
    // False during start-up; gates the colour name lookup.
    bool ready = false;
    bool variationsOpen = false;
    // The colour name list, when it was loaded at start-up.
    std::optional<KeyValueText> nameList;

    // Display texts recomputed with every update.
    std::array<std::string, 5> extendedLines;
    std::string hexText;
    std::string bgrHexText;

    RgbTriple rgb() const { return {red, green, blue}; }
    HslTriple hsl() const { return {hue, saturation, lightness}; }
};

// The computing half of the update cycle: HSL from the bytes (or, from HSL,
// the bytes), then the extended values, hex texts, main colour, palette and
// websafe state. `names` is the name list to look the colour up in, or null
// to leave the name unchanged.
void RecomputeFromRgb(MainColorState& state, const KeyValueText* names, std::string_view decimalSeparator);
void RecomputeFromHsl(MainColorState& state, const KeyValueText* names, std::string_view decimalSeparator);

} // namespace tessaro::workspace
