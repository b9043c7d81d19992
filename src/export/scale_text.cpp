#include "export/scale_text.h"

#include "export/gpl_file.h"
#include "export/palette_entry.h"
#include "export/web_text.h"

#include <vector>

namespace tessaro::exporting {

namespace {

struct FormatName {
    ScaleFormat format;
    const char* name;
};
constexpr FormatName kNames[] = {
    {ScaleFormat::CssVariables, "css-vars"}, {ScaleFormat::Scss, "scss"}, {ScaleFormat::Tailwind, "tailwind"},
    {ScaleFormat::Json, "json"},             {ScaleFormat::Gpl, "gpl"},
};

} // namespace

const char* ScaleFormatName(ScaleFormat format)
{
    for (const FormatName& row : kNames)
        if (row.format == format)
            return row.name;
    return "";
}

std::optional<ScaleFormat> ScaleFormatNamed(std::string_view name)
{
    for (const FormatName& row : kNames)
        if (name == row.name)
            return row.format;
    return std::nullopt;
}

std::string ScaleNameKey(const std::string& name)
{
    std::string key;
    for (char c : name) {
        if (c == '+') key += "plus";
        else if (c == '-') key += "minus";
        else if (c == '.') key += '_';
        else key += c;
    }
    return key;
}

std::string ScaleText(std::span<const ScaleSwatch> swatches, ScaleFormat format, const std::string& prefix)
{
    std::vector<NamedColor> shades;
    std::vector<NamedColor> prefixed;
    std::vector<PaletteEntry> entries;
    for (const ScaleSwatch& swatch : swatches) {
        if (!swatch.color)
            continue;
        shades.push_back({ScaleNameKey(swatch.name), *swatch.color});
        prefixed.push_back({prefix + "-" + ScaleNameKey(swatch.name), *swatch.color});
        entries.push_back({*swatch.color, swatch.name});
    }
    switch (format) {
    case ScaleFormat::CssVariables: return CssVariablesText(prefixed);
    case ScaleFormat::Scss: return ScssText(prefixed);
    case ScaleFormat::Json: return JsonText(prefixed);
    case ScaleFormat::Tailwind: return TailwindGroupText(prefix, shades);
    case ScaleFormat::Gpl: return WriteGpl(entries, prefix);
    }
    return {};
}

} // namespace tessaro::exporting
