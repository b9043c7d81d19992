// The page's colours as the window's colour chooser names them, and the
// order in which "Add All Colors to Color List" hands them on.
#pragma once

#include "webpreview/web_page_layout.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace tessaro::webpreview {

// A part of the page that has a colour.
struct WebColorPart {
    enum class Kind { Border, Area, Text };
    Kind kind = Kind::Border;
    WebArea area = WebArea::Header;  // for Kind::Area
    WebText text = WebText::Header;  // for Kind::Text
};

struct ColorChooserEntry {
    const char* label;
    WebColorPart part;
};

// The chooser's 14 entries in their order; "Border Color" sets the border
// and the dividers.
extern const std::array<ColorChooserEntry, 14> kColorChooserEntries;

// The entry whose label equals `label` exactly, if any.
std::optional<WebColorPart> ChooserPart(std::string_view label);

TColor PartColor(const WebPageLayout& layout, WebColorPart part);
void SetPartColor(WebPageLayout& layout, WebColorPart part, TColor color);

// The colour of the entry labelled `label`; nothing for another text.
std::optional<TColor> ChooserColor(const WebPageLayout& layout, std::string_view label);
// Sets the entry's part; false, changing nothing, for a label that is no entry.
bool SetChooserColor(WebPageLayout& layout, std::string_view label, TColor color);

// Border, header, footer, navigation, contents, then the texts: header,
// footer, links 1 to 5, title, contents. The background is not among them.
std::vector<TColor> ColorsForColorList(const WebPageLayout& layout);

} // namespace tessaro::webpreview
