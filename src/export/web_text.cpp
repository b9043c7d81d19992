#include "export/web_text.h"

#include "engine/color_text.h"

namespace tessaro::exporting {

namespace {

constexpr const char* kEol = "\r\n";

std::string Name(const std::string& prefix, std::size_t index)
{
    return prefix + "-" + std::to_string(index + 1);
}

bool IsNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

std::vector<NamedColor> Numbered(const std::vector<TColor>& colors, const std::string& prefix)
{
    std::vector<NamedColor> named;
    for (std::size_t i = 0; i < colors.size(); ++i)
        named.push_back({Name(prefix, i), colors[i]});
    return named;
}

} // namespace

bool IsValidNamePrefix(std::string_view prefix)
{
    if (prefix.empty() || (prefix[0] >= '0' && prefix[0] <= '9') || prefix[0] == '-')
        return false;
    for (char c : prefix)
        if (!IsNameChar(c))
            return false;
    return true;
}


std::string CssVariablesText(const std::vector<NamedColor>& colors)
{
    std::string text = std::string(":root {") + kEol;
    for (const NamedColor& c : colors)
        text += "  --" + c.name + ": " + HashHexText(c.color) + ";" + kEol;
    return text + "}" + kEol;
}

std::string ScssText(const std::vector<NamedColor>& colors)
{
    std::string text;
    for (const NamedColor& c : colors)
        text += "$" + c.name + ": " + HashHexText(c.color) + ";" + kEol;
    return text;
}

std::string JsonText(const std::vector<NamedColor>& colors)
{
    std::string text = std::string("[") + kEol;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const TColor c = colors[i].color;
        const HslTriple hsl = RgbToHsl(ToRgb(c));
        text += "  { \"name\": \"" + colors[i].name + "\", \"hex\": \"" + HashHexText(c) + "\", \"rgb\": { \"r\": " +
                std::to_string(RedOf(c)) + ", \"g\": " + std::to_string(GreenOf(c)) + ", \"b\": " +
                std::to_string(BlueOf(c)) + " }, \"hsl\": { \"h\": " + std::to_string(hsl.hue) + ", \"s\": " +
                std::to_string(hsl.saturation) + ", \"l\": " + std::to_string(hsl.lightness) + " } }";
        text += i + 1 < colors.size() ? "," : "";
        text += kEol;
    }
    return text + "]" + kEol;
}

std::string TailwindGroupText(const std::string& group, const std::vector<NamedColor>& colors)
{
    std::string text = std::string("colors: {") + kEol + "  '" + group + "': {" + kEol;
    for (const NamedColor& c : colors)
        text += "    '" + c.name + "': '" + HashHexText(c.color) + "'," + kEol;
    return text + "  }," + kEol + "}," + kEol;
}

std::string CssVariablesText(const std::vector<TColor>& colors, const std::string& prefix)
{
    return CssVariablesText(Numbered(colors, prefix));
}

std::string ScssText(const std::vector<TColor>& colors, const std::string& prefix)
{
    return ScssText(Numbered(colors, prefix));
}

std::string JsonText(const std::vector<TColor>& colors, const std::string& prefix)
{
    return JsonText(Numbered(colors, prefix));
}

std::string TailwindText(const std::vector<TColor>& colors, const std::string& prefix)
{
    std::string text = std::string("colors: {") + kEol;
    for (std::size_t i = 0; i < colors.size(); ++i)
        text += "  '" + Name(prefix, i) + "': '" + HashHexText(colors[i]) + "'," + kEol;
    return text + "}," + kEol;
}

} // namespace tessaro::exporting
