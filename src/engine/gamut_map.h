// Any colour into the sRGB gamut, as CSS Color 4 maps colours: lightness
// at or beyond 0 or 1 gives black or white; a colour in gamut is kept;
// otherwise its OKLCH chroma is reduced by binary search (epsilon 0.0001)
// until clipping it changes it by less than the just-noticeable deltaE-OK
// 0.02, and the clipped colour is taken. The result is rounded to bytes.
#pragma once

#include "engine/color.h"
#include "engine/perceptual.h"

namespace tessaro {

// Gamut-mapped, unrounded sRGB channels (each 0..1).
Rgb01 GamutMapToSrgb(OkLch color);
TColor GamutMapToColor(OkLch color);
TColor GamutMapToColor(OkLab color);
TColor GamutMapXyzToColor(Xyz xyzD65);

} // namespace tessaro
