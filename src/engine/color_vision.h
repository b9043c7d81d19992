// How a colour looks to readers with a colour-vision deficiency: the
// simulation matrices of Machado, Oliveira and Fernandes (2009) at full
// severity, applied to linear RGB, and a greyscale view by luminance.
#pragma once

#include "engine/color.h"

#include <array>
#include <optional>
#include <string_view>

namespace tessaro {

enum class ColorVision { Normal, Protanopia, Deuteranopia, Tritanopia, Greyscale };
inline constexpr std::array kColorVisions{ColorVision::Normal, ColorVision::Protanopia, ColorVision::Deuteranopia,
                                          ColorVision::Tritanopia, ColorVision::Greyscale};

// "normal", "protanopia", "deuteranopia", "tritanopia", "greyscale".
std::string_view ColorVisionName(ColorVision vision);
std::optional<ColorVision> ColorVisionNamed(std::string_view name);

// The colour as seen with `vision`; Normal gives it back unchanged. The high
// byte is dropped.
TColor SimulateVision(TColor color, ColorVision vision);

} // namespace tessaro
