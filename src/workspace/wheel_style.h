// Wheel style files (*.whl): key=value lines that move and reshape the
// main swatch (c1) and the twelve wheel swatches (c2 .. c13). Every key is
// optional; a style may move only some swatches.
#pragma once

#include "engine/keyvalue_text.h"

#include <optional>
#include <string>
#include <vector>

namespace tessaro::workspace {

inline constexpr int kWheelStyleSwatches = 13;

enum class SwatchProperty { Left, Top, Height, Width, Type };

// One property of swatch `swatch` (0 = c1, the main swatch).
struct WheelStyleChange {
    int swatch;
    SwatchProperty property;
    int value;
    bool operator==(const WheelStyleChange&) const = default;
};

struct WheelStyle {
    // In the order they apply: c1 to c13, each left, top, height, width, type.
    std::vector<WheelStyleChange> changes;
    // The value that was no integer; the changes stop before it.
    std::optional<std::string> badValue;
};

WheelStyle ReadWheelStyle(const KeyValueText& text);

} // namespace tessaro::workspace
