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

std::string CssVariablesText(const std::vector<TColor>& colors, const std::string& prefix)
{
    std::string text = std::string(":root {") + kEol;
    for (std::size_t i = 0; i < colors.size(); ++i)
        text += "  --" + Name(prefix, i) + ": " + HashHexText(colors[i]) + ";" + kEol;
    return text + "}" + kEol;
}

std::string ScssText(const std::vector<TColor>& colors, const std::string& prefix)
{
    std::string text;
    for (std::size_t i = 0; i < colors.size(); ++i)
        text += "$" + Name(prefix, i) + ": " + HashHexText(colors[i]) + ";" + kEol;
    return text;
}

std::string JsonText(const std::vector<TColor>& colors, const std::string& prefix)
{
    std::string text = std::string("[") + kEol;
    for (std::size_t i = 0; i < colors.size(); ++i) {
        const TColor c = colors[i];
        const HslTriple hsl = RgbToHsl(ToRgb(c));
        text += "  { \"name\": \"" + Name(prefix, i) + "\", \"hex\": \"" + HashHexText(c) + "\", \"rgb\": { \"r\": " +
                std::to_string(RedOf(c)) + ", \"g\": " + std::to_string(GreenOf(c)) + ", \"b\": " +
                std::to_string(BlueOf(c)) + " }, \"hsl\": { \"h\": " + std::to_string(hsl.hue) + ", \"s\": " +
                std::to_string(hsl.saturation) + ", \"l\": " + std::to_string(hsl.lightness) + " } }";
        text += i + 1 < colors.size() ? "," : "";
        text += kEol;
    }
    return text + "]" + kEol;
}

std::string TailwindText(const std::vector<TColor>& colors, const std::string& prefix)
{
    std::string text = std::string("colors: {") + kEol;
    for (std::size_t i = 0; i < colors.size(); ++i)
        text += "  '" + Name(prefix, i) + "': '" + HashHexText(colors[i]) + "'," + kEol;
    return text + "}," + kEol;
}

} // namespace tessaro::exporting
