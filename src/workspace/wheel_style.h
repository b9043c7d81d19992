// Wheel style files (*.whl): key=value lines that move and reshape the
// thirteen swatches of the colour wheel: "cN.left", "cN.top", "cN.height",
// "cN.width" (main-window client pixels) and "cN.type" (1 rectangle,
// 2 circle) for N = 1 (the main swatch) to 13 (wheel steps 0 to 11). Every
// key is optional; a missing key leaves that property as it is.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessaro::workspace {

enum class WheelSwatchShape { Rectangle, Circle };

struct WheelSwatchStyle {
    std::optional<int> left;
    std::optional<int> top;
    std::optional<int> height;
    std::optional<int> width;
    std::optional<WheelSwatchShape> shape;
};

struct WheelStyle {
    static constexpr int kSwatches = 13;
    std::array<WheelSwatchStyle, kSwatches> swatches;
    // Set when a value is not an integer: the properties before it (swatch
    // by swatch, each in the order left, top, height, width, type) are
    // kept, the rest of the file is not read.
    std::optional<std::string> error;
};

WheelStyle ParseWheelStyle(std::string_view text);

// The style in the file at `path`; nullopt when it cannot be read.
std::optional<WheelStyle> ReadWheelStyleFile(const std::string& path);

} // namespace tessaro::workspace
