#include "engine/color_text.h"

#include "engine/conversion_error.h"
#include "engine/hex_digits.h"
#include "engine/named_color.h"

#include <optional>


namespace tessaro {

namespace {

std::string HexBytes(std::uint8_t a, std::uint8_t b, std::uint8_t c)
{
    std::string text(6, '0');
    PutHexByte(text.data(), a);
    PutHexByte(text.data() + 2, b);
    PutHexByte(text.data() + 4, c);
    return text;
}

// Reads the whole text as a hex number; empty or non-hex text throws with
// `reported` as the offending text.
std::uint32_t ReadHex(std::string_view digits, std::string_view reported)
{
    if (digits.empty() || digits.size() > 8)
        throw ConversionError(std::string(reported));
    std::uint32_t value = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0)
            throw ConversionError(std::string(reported));
        value = value * 16 + std::uint32_t(digit);
    }
    return value;
}

// Characters `from`..`from + count - 1` (1-based), cut at both ends as the
// classic string copy does: a start before 1 counts from 1.
std::string_view CopyChars(std::string_view text, long from, long count)
{
    if (from < 1) {
        count += from - 1;
        from = 1;
    }
    if (count <= 0 || from > long(text.size()))
        return {};
    return text.substr(std::size_t(from - 1), std::size_t(count));
}

} // namespace

std::string HexText(TColor color)
{
    return HexBytes(RedOf(color), GreenOf(color), BlueOf(color));
}

std::string HashHexText(TColor color)
{
    return "#" + HexText(color);
}

std::string BgrHexText(TColor color)
{
    return HexBytes(BlueOf(color), GreenOf(color), RedOf(color));
}

const char* CopyNotationCaption(CopyNotation notation)
{
    switch (notation) {
    case CopyNotation::Rgb: return "&RGB";
    case CopyNotation::Hsl: return "H&SL";
    case CopyNotation::HtmlHex: return "&HTML Style Hex";
    case CopyNotation::HtmlHashHex: return "H&TML Style  Hex (with #)";
    case CopyNotation::DelphiHex: return "&Delphi Hex";
    case CopyNotation::VbHex: return "V&B Hex";
    case CopyNotation::CppHex: return "V&C++ Hex";
    case CopyNotation::ActionScriptHex: return "&ActionScript Hex";
    }
    return "";
}

std::string CopyText(CopyNotation notation, RgbTriple rgb, HslTriple hsl)
{
    const TColor color = MakeColor(rgb);
    switch (notation) {
    case CopyNotation::Rgb:
        return "RGB(" + std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
               std::to_string(rgb.blue) + ")";
    case CopyNotation::Hsl:
        return "HSL(" + std::to_string(hsl.hue) + "," + std::to_string(hsl.saturation) + "," +
               std::to_string(hsl.lightness) + ")";
    case CopyNotation::HtmlHex: return HexText(color);
    case CopyNotation::HtmlHashHex: return HashHexText(color);
    case CopyNotation::DelphiHex: return "$00" + BgrHexText(color);
    case CopyNotation::VbHex: return "&H" + BgrHexText(color);
    case CopyNotation::CppHex: return "0X00" + BgrHexText(color);
    case CopyNotation::ActionScriptHex: return "0x" + HexText(color);
    }
    return {};
}

std::string CopyText(CopyNotation notation, TColor color)
{
    const RgbTriple rgb = ToRgb(color);
    return CopyText(notation, rgb, RgbToHsl(rgb));
}

TColor HashHexToColor(std::string_view text)
{
    std::string_view digits = text;
    if (digits.starts_with('#'))
        digits.remove_prefix(1);
    const auto pair = [&](long from) {
        return std::uint8_t(ReadHex(CopyChars(digits, from, 2), text));
    };
    const std::uint8_t red = pair(1);
    const std::uint8_t green = pair(3);
    const std::uint8_t blue = pair(5);
    return MakeColor(red, green, blue);
}

TColor HexFieldToColor(std::string_view text)
{
    const long n = long(text.size());
    std::string digits;
    digits += CopyChars(text, n - 1, 2);
    digits += CopyChars(text, 3, 2);
    digits += CopyChars(text, 1, 2);
    // The leading "00" of "$00" keeps an empty field readable as 0.
    return ReadHex("00" + digits, text) & 0xFFFFFF;
}

TColor ListEntryColor(std::string_view entry)
{
    if (entry.size() < 2 || entry.size() > 256)
        return 0;
    const std::optional<std::int32_t> value = TryReadInteger("$" + std::string(entry.substr(1)));
    if (!value)
        return 0;
    const auto bits = std::uint32_t(*value);
    return MakeColor(std::uint8_t(bits >> 16), std::uint8_t(bits >> 8), std::uint8_t(bits));
}

} // namespace tessaro
