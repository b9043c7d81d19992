#include "webpreview/web_layout_file.h"

#include "engine/keyvalue_text.h"
#include "engine/named_color.h"
#include "engine/text_encoding.h"

namespace tessaro::webpreview {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

std::string FileTextAsUtf8(std::string_view bytes)
{
    if (bytes.starts_with(kUtf8Mark))
        bytes.remove_prefix(kUtf8Mark.size());
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    return Utf16ToUtf8(DecodeFileText(bytes));
}

// Reads a size and sets it through `set`, which holds it to the page;
// notes the file's value when the page took another.
template <typename Setter>
void ApplySize(const KeyValueText& file, const char* key, Setter set, std::vector<WebLayoutNote>* notes)
{
    const auto text = file.Get(key);
    if (!text)
        return;
    const int wanted = ReadInteger(*text);
    const int applied = set(wanted);
    if (applied != wanted && notes)
        notes->push_back({key, *text, applied});
}

} // namespace

const char* AreaColorKey(WebArea area)
{
    switch (area) {
    case WebArea::Header: return "header.color";
    case WebArea::Footer: return "footer.color";
    case WebArea::Navigation: return "left.color";
    case WebArea::Contents: return "right.color";
    }
    return "";
}

const char* TextStringKey(WebText text)
{
    switch (text) {
    case WebText::Header: return "header.text";
    case WebText::Footer: return "footer.text";
    case WebText::Link1: return "left.link1.text";
    case WebText::Link2: return "left.link2.text";
    case WebText::Link3: return "left.link3.text";
    case WebText::Link4: return "left.link4.text";
    case WebText::Link5: return "left.link5.text";
    case WebText::Title: return "right.text1.text";
    case WebText::Contents: return "right.text2.text";
    }
    return "";
}

std::string TextColorKey(WebText text)
{
    return std::string(TextStringKey(text)) + ".color";
}

std::string WriteWebLayoutFile(const WebPageLayout& layout)
{
    KeyValueText file;
    for (WebArea area : kWebAreas)
        file.Set(AreaColorKey(area), ColorToNamedText(layout.AreaColor(area)));
    file.Set(kBorderColorKey, ColorToNamedText(layout.BorderColor()));
    file.Set(kHeaderHeightKey, std::to_string(layout.HeaderHeight()));
    file.Set(kFooterHeightKey, std::to_string(layout.FooterHeight()));
    file.Set(kNavigationWidthKey, std::to_string(layout.NavigationWidth()));
    file.Set(kContentsLeftKey, std::to_string(layout.NavigationWidth() + kDividerThickness));
    for (WebText text : kWebTexts)
        file.Set(TextStringKey(text), layout.Text(text).string);
    for (WebText text : kWebTexts)
        file.Set(TextColorKey(text), ColorToNamedText(layout.Text(text).color));
    return file.Serialize();
}

std::string DescribeNote(const WebLayoutNote& note)
{
    return note.key + "=" + note.value + " taken as " + std::to_string(note.applied);
}

void ApplyWebLayoutFile(std::string_view fileBytes, WebPageLayout& layout, std::vector<WebLayoutNote>* notes)
{
    const KeyValueText file = KeyValueText::Parse(FileTextAsUtf8(fileBytes));

    for (WebText text : kWebTexts)
        if (const auto string = file.Get(TextStringKey(text)))
            layout.SetTextString(text, *string);

    for (WebArea area : kWebAreas)
        if (const auto color = file.Get(AreaColorKey(area)))
            layout.SetAreaColor(area, NamedTextToColor(*color));
    if (const auto color = file.Get(kBorderColorKey))
        layout.SetBorderAndDividerColor(NamedTextToColor(*color));

    // The header height is applied twice: its first value may not fit beside
    // the footer height still in place, its second sees the file's footer,
    // so only the second is noted.
    const auto header = [&](int h) { return layout.SetHeaderHeight(h); };
    ApplySize(file, kHeaderHeightKey, header, nullptr);
    ApplySize(file, kFooterHeightKey, [&](int f) { return layout.SetFooterHeight(f); }, notes);
    ApplySize(file, kNavigationWidthKey, [&](int w) { return layout.SetNavigationWidth(w); }, notes);
    // The contents column always starts right of the navigation divider, so
    // its stored left edge is checked as a number and otherwise follows.
    ApplySize(file, kContentsLeftKey, [&](int) { return layout.NavigationWidth() + kDividerThickness; }, notes);
    ApplySize(file, kHeaderHeightKey, header, notes);

    for (WebText text : kWebTexts)
        if (const auto color = file.Get(TextColorKey(text)))
            layout.SetTextColor(text, NamedTextToColor(*color));
}

} // namespace tessaro::webpreview
