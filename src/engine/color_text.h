// The text forms of a single colour and their readers.
#pragma once

#include "engine/color.h"

#include <array>
#include <string>
#include <string_view>

namespace tessaro {

std::string HexText(TColor color);      // RRGGBB
std::string HashHexText(TColor color);  // #RRGGBB
std::string BgrHexText(TColor color);   // BBGGRR

// The eight copy notations, in the order of the copy menus.
enum class CopyNotation {
    Rgb,
    Hsl,
    HtmlHex,
    HtmlHashHex,
    DelphiHex,
    VbHex,
    CppHex,
    ActionScriptHex,
};
constexpr std::array<CopyNotation, 8> kCopyNotations = {
    CopyNotation::Rgb,       CopyNotation::Hsl,   CopyNotation::HtmlHex, CopyNotation::HtmlHashHex,
    CopyNotation::DelphiHex, CopyNotation::VbHex, CopyNotation::CppHex,  CopyNotation::ActionScriptHex,
};
// The menu caption of a notation, with its "&" accelerator.
const char* CopyNotationCaption(CopyNotation notation);

// The copy text of a colour whose HSL values are given (for the main colour
// these are the values its edits show).
std::string CopyText(CopyNotation notation, RgbTriple rgb, HslTriple hsl);
// The copy text of a colour, its HSL values computed by RgbToHsl.
std::string CopyText(CopyNotation notation, TColor color);

// "#RRGGBB" or "RRGGBB", each pair read as hex. Throws ConversionError.
TColor HashHexToColor(std::string_view text);
// The hex field's text, rearranged as its last two characters, characters
// 3-4 and its first two characters, read as $00BBGGRR. Throws
// ConversionError.
TColor HexFieldToColor(std::string_view text);

// The colour of a colour list entry: the text after its first character read
// as a hexadecimal number 0xRRGGBB by the integer rule; text that is not one
// gives black, and so does an entry longer than 256 characters, which no
// colour needs (it is not copied to be read).
TColor ListEntryColor(std::string_view entry);

} // namespace tessaro
