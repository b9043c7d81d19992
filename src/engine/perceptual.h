// Perceptual colour: the colour spaces of CSS Color 4 and the arithmetic
// built on them. The pieces live in small headers:
//
//   engine/perceptual.h    conversions (this file): sRGB, linear sRGB, XYZ
//                          (D65 and D50, Bradford), OKLab, OKLCH, CIE Lab and
//                          LCH (D50), display-p3 and the other RGB spaces
//                          CSS can name; deltaE-OK and deltaE 2000.
//   engine/gamut_map.h     any OKLCH / XYZ colour into an 8-bit TColor by the
//                          CSS Color 4 gamut mapping (chroma reduction with
//                          deltaE-OK 0.02, then clipping).
//   engine/apca.h          APCA-W3 0.1.9 lightness contrast Lc, signed.
//   engine/css_color.h     CSS Color 4 text: format a TColor in each notation
//                          so that it reads back to the same colour, parse
//                          any CSS colour, find CSS colours in free text.
//   engine/css_named_color.h  the 148 CSS named colours.
//   engine/color_scales.h  tonal scale, contrast-targeted scale, OKLCH
//                          harmonies, contrast fix.
//   engine/paste_colors.h  the colours a paste takes from text (the program's
//                          own scan, else the CSS colours in it).
//
// Components are doubles on the scales CSS uses: RGB channels 0..1 (values
// outside are out of gamut), OKLab/OKLCH lightness 0..1, CIE lightness
// 0..100, hues in degrees 0..360.
#pragma once

#include "engine/color.h"

namespace tessaro {

struct Rgb01 {       // gamma-encoded RGB of some RGB space, 0..1 in gamut
    double r = 0, g = 0, b = 0;
};
struct Xyz {         // CIE XYZ, Y of white = 1
    double x = 0, y = 0, z = 0;
};
struct OkLab {
    double l = 0, a = 0, b = 0;
};
struct OkLch {
    double l = 0, c = 0, h = 0;
};
struct CieLab {      // D50
    double l = 0, a = 0, b = 0;
};
struct CieLch {      // D50
    double l = 0, c = 0, h = 0;
};

// The RGB spaces CSS Color 4's color() function names.
enum class RgbSpace { Srgb, SrgbLinear, DisplayP3, A98Rgb, ProPhotoRgb, Rec2020 };

// The sRGB transfer curve on one channel, extended to negative values by
// symmetry (as CSS Color 4 does).
double SrgbChannelToLinear(double value);
double LinearChannelToSrgb(double value);

// A TColor's channels as 0..1, and back: clipped to 0..1, rounded to the
// nearest byte.
Rgb01 ColorToRgb01(TColor color);
TColor Rgb01ToColor(Rgb01 rgb);
// True when every channel is within 0..1 (with `tolerance` either side).
bool InUnitRange(Rgb01 rgb, double tolerance = 0);

// Gamma-encoded channels of a space to and from XYZ. ProPhoto RGB is
// relative to D50, the others to D65.
Xyz RgbToXyz(RgbSpace space, Rgb01 rgb);
Rgb01 XyzToRgb(RgbSpace space, Xyz xyz);
bool IsD50Space(RgbSpace space);

// Bradford chromatic adaptation between the D65 and D50 whites.
Xyz D65ToD50(Xyz xyz);
Xyz D50ToD65(Xyz xyz);

OkLab XyzD65ToOkLab(Xyz xyz);
Xyz OkLabToXyzD65(OkLab lab);
CieLab XyzD50ToLab(Xyz xyz);
Xyz LabToXyzD50(CieLab lab);

// Rectangular to polar and back; the hue is 0..360 (0 for no chroma).
OkLch OkLabToOkLch(OkLab lab);
OkLab OkLchToOkLab(OkLch lch);
CieLch LabToLch(CieLab lab);
CieLab LchToLab(CieLch lch);

// Shortcuts from and to sRGB (gamma-encoded, unclipped).
OkLab SrgbToOkLab(Rgb01 rgb);
Rgb01 OkLabToSrgb(OkLab lab);
OkLch ColorToOkLch(TColor color);
OkLab ColorToOkLab(TColor color);
CieLab ColorToLab(TColor color);
CieLch ColorToLch(TColor color);
Rgb01 ColorToDisplayP3(TColor color);

// Euclidean distance in OKLab (CSS Color 4's deltaE-OK, on the 0..1 scale).
double DeltaEOk(OkLab a, OkLab b);
// CIEDE2000 with kL = kC = kH = 1.
double DeltaE2000(CieLab a, CieLab b);

} // namespace tessaro
