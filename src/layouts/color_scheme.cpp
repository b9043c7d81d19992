#include "layouts/color_scheme.h"

#include "engine/named_color.h"
#include "platform/replace_file.h"
#include "layouts/test_area.h"
#include "layouts/test_layout.h"

namespace tessaro::layouts {

namespace {

void AddLine(std::string& text, const std::string& key, TColor color)
{
    text += key;
    text += '=';
    text += ColorToNamedText(color);
    text += "\r\n";
}

void ReadColor(const KeyValueText& lines, const std::string& key, TColor& color)
{
    if (const auto value = lines.Get(key))
        color = NamedTextToColor(*value);
}

} // namespace

ColorScheme SchemeOf(const TestArea& area)
{
    ColorScheme scheme;
    for (std::size_t i = 0; i < scheme.shapeFills.size(); ++i)
        scheme.shapeFills[i] = area.shapes[i].fill;
    for (std::size_t i = 0; i < scheme.textColors.size(); ++i)
        scheme.textColors[i] = area.texts[i].textColor;
    scheme.background = area.background;
    return scheme;
}

std::string ColorSchemeText(const ColorScheme& scheme)
{
    std::string text;
    for (std::size_t i = 0; i < scheme.shapeFills.size(); ++i)
        AddLine(text, "sc" + std::to_string(i + 1), scheme.shapeFills[i]);
    for (std::size_t i = 0; i < scheme.textColors.size(); ++i)
        AddLine(text, "tc" + std::to_string(i + 1), scheme.textColors[i]);
    AddLine(text, "background", scheme.background);
    return text;
}

bool WriteColorScheme(const std::string& path, const ColorScheme& scheme, int* error)
{
    return ReplaceFileBytes(path, ColorSchemeText(scheme), error);
}

ColorScheme ReadColorScheme(const KeyValueText& lines, const ColorScheme& base)
{
    ColorScheme scheme = base;
    for (std::size_t i = 0; i < scheme.shapeFills.size(); ++i)
        ReadColor(lines, "sc" + std::to_string(i + 1), scheme.shapeFills[i]);
    for (std::size_t i = 0; i < scheme.textColors.size(); ++i)
        ReadColor(lines, "tc" + std::to_string(i + 1), scheme.textColors[i]);
    ReadColor(lines, "background", scheme.background);
    return scheme;
}

ColorScheme ParseColorScheme(std::string_view bytes, const ColorScheme& base)
{
    return ReadColorScheme(KeyValueText::Parse(FileBytesToUtf8(bytes)), base);
}

void ApplyColorScheme(TestArea& area, const ColorScheme& scheme)
{
    for (std::size_t i = 0; i < scheme.shapeFills.size(); ++i)
        area.shapes[i].fill = scheme.shapeFills[i];
    for (std::size_t i = 0; i < scheme.textColors.size(); ++i)
        area.texts[i].textColor = scheme.textColors[i];
    area.background = scheme.background;
    SetOutlinesToFills(area);
}

} // namespace tessaro::layouts
