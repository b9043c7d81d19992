// APCA lightness contrast as published in APCA-W3 0.1.9 (constants
// 0.0.98G-4g): the screen luminance by a plain 2.4 power curve, soft black
// clamp, then the polarity-dependent power curves.
#pragma once

#include "engine/color.h"

#include <string>

namespace tessaro {

// The APCA screen luminance Y of an sRGB colour.
double ApcaLuminance(TColor color);
// Lc, about -108 .. 106: positive for dark text on a light background,
// negative for light text on a dark one, 0 below the low clip.
double ApcaContrast(TColor text, TColor background);
// Lc to one decimal, "63.1" / "-68.5".
std::string ApcaContrastText(double lc);

// The use APCA's level table allows at |Lc|: "body text" from 75, "content
// text" from 60, "large text" from 45, "non-text" from 30, otherwise
// "insufficient".
const char* ApcaLevelReading(double lc);

} // namespace tessaro
