// The slider pickers' own colour arithmetic and their value/position mapping.
//
// The pickers do not use the program's HSL (engine/color.h): the hue and
// saturation pickers work in HSV with saturation and value 0..255, the
// luminance picker in HSL with hue 0..239 and saturation and luminance 0..240.
// Everything here is plain arithmetic on plain values, built without Qt; the
// websafe snap and the first step of RGB to HSL are the engine's own.
#pragma once

#include "engine/color.h"

namespace tessaro::controls {

// HSV to RGB in integer arithmetic, remainders dropped. Hue 0..360 (360 is 0),
// saturation and value 0..255. A hue outside 0..360 is brought back onto the
// circle; saturation and value are clamped to 0..255.
TColor PickerHsvToRgb(int hue, int saturation, int value);

// RGB to HSV: hue 0..360, saturation and value 0..255.
void PickerRgbToHsv(TColor c, int& hue, int& saturation, int& value);

// HSL to RGB on the 0..239 / 0..240 / 0..240 scale. Hue is clamped to 0..239,
// saturation and luminance to 0..240.
TColor PickerHslToRgb(int hue, int saturation, int luminance);

// RGB to HSL: hue 0..239, saturation and luminance 0..240.
void PickerRgbToHsl(TColor c, int& hue, int& saturation, int& luminance);

// Arrow half width and the depth kept for the arrow under (or beside) the
// gradient, for the new and the old arrow style.
constexpr int PickerArrowHalfWidth(bool newStyle) { return newStyle ? 8 : 6; }
constexpr int PickerArrowDepth(bool newStyle) { return newStyle ? 9 : 10; }
// The depth plus the gap the new style leaves between gradient and arrow.
constexpr int PickerArrowSpace(bool newStyle) { return newStyle ? 9 + 2 : 10; }

// Value to arrow position along the slider: nearest(value * (extent - 12) /
// maximum), halves to even, kept within 0..extent - 7. Extent is the width of
// a horizontal slider, the height of a vertical one.
int PositionOfValue(int value, int extent, int maximum);

// Mouse coordinate to position: coordinate - arrowHalfWidth, kept within
// 0..extent - arrowHalfWidth - 1.
int PositionOfMouse(int x, int extent, int arrowHalfWidth);

// Position to value: nearest(position / ((extent - 12) / maximum)), halves to
// even. Not clamped: the caller keeps the result within its range. A slider
// too short to have a scale (extent <= 12) gives 0.
int ValueOfPosition(int position, int extent, int maximum);

// Which step of a strip of `steps` pixels shows at pixel `pixel` of a
// gradient `length` pixels long; both ends line up with the first and the
// last step.
int StripStepOfPixel(int pixel, int length, int steps);

} // namespace tessaro::controls
