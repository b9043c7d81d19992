#include "webpreview/web_page_colors.h"

namespace tessaro::webpreview {

namespace {

constexpr WebColorPart Area(WebArea area)
{
    return {WebColorPart::Kind::Area, area, WebText::Header};
}

constexpr WebColorPart Text(WebText text)
{
    return {WebColorPart::Kind::Text, WebArea::Header, text};
}

} // namespace

const std::array<ColorChooserEntry, 14> kColorChooserEntries = {{
    {"Border Color", {WebColorPart::Kind::Border, WebArea::Header, WebText::Header}},
    {"Header Color", Area(WebArea::Header)},
    {"Header Text Color", Text(WebText::Header)},
    {"Navigation Panel Color", Area(WebArea::Navigation)},
    {"Link 1 Text Color", Text(WebText::Link1)},
    {"Link 2 Text Color", Text(WebText::Link2)},
    {"Link 3 Text Color", Text(WebText::Link3)},
    {"Link 4 Text Color", Text(WebText::Link4)},
    {"Link 5 Text Color", Text(WebText::Link5)},
    {"Contents Panel Color", Area(WebArea::Contents)},
    {"Title Text Color", Text(WebText::Title)},
    {"Contents Text Color", Text(WebText::Contents)},
    {"Footer Color", Area(WebArea::Footer)},
    {"Footer Text Color", Text(WebText::Footer)},
}};

std::optional<WebColorPart> ChooserPart(std::string_view label)
{
    for (const ColorChooserEntry& entry : kColorChooserEntries)
        if (label == entry.label)
            return entry.part;
    return std::nullopt;
}

TColor PartColor(const WebPageLayout& layout, WebColorPart part)
{
    switch (part.kind) {
    case WebColorPart::Kind::Border: return layout.BorderColor();
    case WebColorPart::Kind::Area: return layout.AreaColor(part.area);
    case WebColorPart::Kind::Text: return layout.Text(part.text).color;
    }
    return kBlack;
}

void SetPartColor(WebPageLayout& layout, WebColorPart part, TColor color)
{
    switch (part.kind) {
    case WebColorPart::Kind::Border: layout.SetBorderAndDividerColor(color); break;
    case WebColorPart::Kind::Area: layout.SetAreaColor(part.area, color); break;
    case WebColorPart::Kind::Text: layout.SetTextColor(part.text, color); break;
    }
}

std::optional<TColor> ChooserColor(const WebPageLayout& layout, std::string_view label)
{
    if (const auto part = ChooserPart(label))
        return PartColor(layout, *part);
    return std::nullopt;
}

bool SetChooserColor(WebPageLayout& layout, std::string_view label, TColor color)
{
    const auto part = ChooserPart(label);
    if (part)
        SetPartColor(layout, *part, color);
    return part.has_value();
}

std::vector<TColor> ColorsForColorList(const WebPageLayout& layout)
{
    std::vector<TColor> colors{layout.BorderColor()};
    for (WebArea area : kWebAreas)
        colors.push_back(layout.AreaColor(area));
    for (WebText text : kWebTexts)
        colors.push_back(layout.Text(text).color);
    return colors;
}

} // namespace tessaro::webpreview
