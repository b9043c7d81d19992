#include "export/center_sources.h"

#include "engine/color_text.h"
#include "engine/conversion_error.h"
#include "engine/named_color.h"

namespace tessaro::exporting {

std::vector<std::string> CollectHashEntries(const std::vector<std::string>& entries)
{
    std::vector<std::string> texts;
    for (const std::string& entry : entries) {
        const std::size_t hash = entry.find('#');
        if (hash != std::string::npos)
            texts.push_back(entry.substr(hash, 7));
    }
    return texts;
}

std::vector<TColor> ColorsOfHashTexts(const std::vector<std::string>& texts)
{
    std::vector<TColor> colors;
    colors.reserve(texts.size());
    for (const std::string& text : texts) {
        // After the "#" HashHexToColor would skip another one.
        if (text.size() > 1 && text[1] == '#')
            throw ConversionError(text);
        colors.push_back(HashHexToColor(text));
    }
    return colors;
}

std::vector<TColor> ListEntryColors(const std::vector<std::string>& entries)
{
    std::vector<TColor> colors;
    colors.reserve(entries.size());
    for (const std::string& entry : entries)
        colors.push_back(ListEntryColor(entry));
    return colors;
}

} // namespace tessaro::exporting

namespace tessaro::exporting {

std::vector<std::string> CollectCenterSource(CenterSource source, const CenterSourceInput& input)
{
    switch (source) {
    case CenterSource::MainColor: return {"#" + input.hexField};
    case CenterSource::ColorList: return CollectHashEntries(input.listEntries);
    case CenterSource::SelectedColors: return CollectHashEntries(input.selectedEntries);
    case CenterSource::ColorWheel: {
        std::vector<std::string> texts;
        for (TColor color : input.wheel)
            texts.push_back(HashHexText(color));
        return texts;
    }
    }
    return {};
}

} // namespace tessaro::exporting
