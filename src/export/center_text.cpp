#include "export/center_text.h"

#include "engine/color_text.h"
#include "engine/css_color.h"

#include <algorithm>

namespace tessaro::exporting {

namespace {

constexpr const char* kEol = "\r\n";

std::string Numbers(int a, int b, int c)
{
    return std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c);
}

std::string RgbNumbers(TColor color)
{
    return Numbers(RedOf(color), GreenOf(color), BlueOf(color));
}

std::string HslNumbers(TColor color)
{
    const HslTriple hsl = RgbToHsl(ToRgb(color));
    return Numbers(hsl.hue, hsl.saturation, hsl.lightness);
}

void Line(std::string& text, const std::string& line)
{
    text += line;
    text += kEol;
}

template <CopyNotation N>
std::string Notation(TColor color)
{
    return CopyText(N, color);
}

template <CssNotation N>
std::string CssNotationText(TColor color)
{
    return CssColorText(N, color);
}

// The Value format's lines for one colour, in the order they are written.
struct ValueLine {
    bool ValueOptions::*on;
    std::string (*text)(TColor);
};

constexpr ValueLine kValueLines[] = {
    {&ValueOptions::rgb, Notation<CopyNotation::Rgb>},
    {&ValueOptions::hsl, Notation<CopyNotation::Hsl>},
    {&ValueOptions::hashHex, Notation<CopyNotation::HtmlHashHex>},
    {&ValueOptions::hex, Notation<CopyNotation::HtmlHex>},
    {&ValueOptions::delphiHex, Notation<CopyNotation::DelphiHex>},
    {&ValueOptions::cppHex, Notation<CopyNotation::CppHex>},
    {&ValueOptions::actionScriptHex, Notation<CopyNotation::ActionScriptHex>},
    {&ValueOptions::vbHex, Notation<CopyNotation::VbHex>},
    {&ValueOptions::cssRgb, CssNotationText<CssNotation::Rgb>},
    {&ValueOptions::cssHsl, CssNotationText<CssNotation::Hsl>},
    {&ValueOptions::cssOkLch, CssNotationText<CssNotation::OkLch>},
    {&ValueOptions::cssOkLab, CssNotationText<CssNotation::OkLab>},
    {&ValueOptions::cssLab, CssNotationText<CssNotation::Lab>},
    {&ValueOptions::cssLch, CssNotationText<CssNotation::Lch>},
    {&ValueOptions::cssDisplayP3, CssNotationText<CssNotation::DisplayP3>},
};

} // namespace

std::string CssText(const std::vector<TColor>& colors, const CssOptions& options)
{
    std::string text;
    if (options.textColor)
        for (std::size_t i = 0; i < colors.size(); ++i)
            Line(text, ".color" + std::to_string(i + 1) + " { color: " + HashHexText(colors[i]) + "; }");
    if (options.backgroundColor)
        for (std::size_t i = 0; i < colors.size(); ++i)
            Line(text, ".backgroundcolor" + std::to_string(i + 1) + " { background-color: " +
                           HashHexText(colors[i]) + "; }");
    return text;
}

std::string HtmlAttributesText(const std::vector<TColor>& colors, const HtmlOptions& options)
{
    std::string text;
    if (options.color)
        for (TColor color : colors)
            Line(text, " color=\"" + HashHexText(color) + "\" ");
    if (options.bgColor)
        for (TColor color : colors)
            Line(text, " bgcolor=\"" + HashHexText(color) + "\" ");
    return text;
}

std::string ValueText(const std::vector<TColor>& colors, const ValueOptions& options)
{
    std::string text;
    for (TColor color : colors) {
        for (const ValueLine& line : kValueLines)
            if (options.*line.on)
                Line(text, line.text(color));
        Line(text, "");
    }
    return text;
}

std::string ReportText(const std::vector<TColor>& colors, const ReportOptions& options)
{
    std::string text;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const TColor color = colors[i];
        Line(text, "Color " + std::to_string(i + 1));
        Line(text, std::string(21, '-'));
        if (options.rgb)
            Line(text, "RGB: " + RgbNumbers(color));
        if (options.hsl)
            Line(text, "HSL: " + HslNumbers(color));
        if (options.hex)
            Line(text, "HEX: " + HashHexText(color));
        if (options.websafe) {
            if (IsWebsafe(color)) {
                Line(text, "This color is websafe.");
            } else {
                Line(text, "This color is not websafe.");
                Line(text, "Nearest websafe color is RGB(" + RgbNumbers(MakeColor(SnapToWebsafe(ToRgb(color)))) + ")");
            }
        }
        Line(text, "");
    }
    return text;
}

PictureSize SwatchesPictureSize(int n, int side, int columns, int space)
{
    // Columns come from a box that takes typed text; none is one.
    columns = std::max(columns, 1);
    const int width = columns * (side + space);
    if (n == columns)
        return {width, side + space};
    const int rows = n / columns;
    return {width, (rows + 1) * side + rows * space};
}

PictureSize ListPictureSize(int n)
{
    return {125, 35 * n};
}

} // namespace tessaro::exporting
