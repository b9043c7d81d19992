// CSS Color 4 colour text: writing a colour in each notation and reading
// any CSS colour back.
//
// Written decimals (trailing zeros and a trailing point dropped), chosen so
// that reading the text back gives the same 8-bit colour (checked over a
// sample of over half a million colours spread through the RGB cube):
//   rgb(R G B)                     integers
//   hsl(H S% L%)                   H, S and L with one decimal
//   oklch(L% C H)                  L 3 decimals, C 5, H 3
//   oklab(L% A B)                  L 3 decimals, A and B 5
//   lab(L A B)                     L, A and B 2 decimals
//   lch(L C H)                     L, C and H 2 decimals
//   color(display-p3 R G B)        4 decimals
// The hue of a colour without chroma is written 0. Numbers use ".".
#pragma once

#include "engine/color.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessaro {

enum class CssNotation { Rgb, Hsl, OkLch, OkLab, Lab, Lch, DisplayP3 };
constexpr std::array<CssNotation, 7> kCssNotations = {
    CssNotation::Rgb, CssNotation::Hsl, CssNotation::OkLch, CssNotation::OkLab,
    CssNotation::Lab, CssNotation::Lch, CssNotation::DisplayP3,
};
// "rgb", "hsl", "oklch", "oklab", "lab", "lch", "display-p3".
const char* CssNotationName(CssNotation notation);
std::string CssColorText(CssNotation notation, TColor color);

// One CSS colour, the whole text (blanks around it allowed, letter case
// ignored): #RGB, #RGBA, #RRGGBB, #RRGGBBAA; rgb()/rgba()/hsl()/hsla() in
// the comma and the space syntax; hwb(), lab(), lch(), oklab(), oklch();
// color() with srgb, srgb-linear, display-p3, a98-rgb, prophoto-rgb,
// rec2020, xyz, xyz-d50, xyz-d65; a named colour. Components may be
// "none" (zero), hues may carry deg, rad, grad or turn. Alpha is read and
// dropped. Colours outside sRGB are gamut-mapped. nullopt for anything
// else, "transparent" and "currentcolor" included.
std::optional<TColor> ParseCssColor(std::string_view text);

struct CssColorFind {
    std::size_t offset = 0;   // bytes from the start of the text
    std::size_t length = 0;
    TColor color = 0;
};
// Every CSS colour in free text, in order: hex colours after "#", colour
// functions, and named colours standing as words of their own.
std::vector<CssColorFind> FindCssColors(std::string_view text);

} // namespace tessaro
