// Web page layout files (*.cls): key=value lines with CR LF, holding the
// area and text colours, the strings and the three sizes. Fonts, the
// background colour and the divider colour are not stored.
#pragma once

#include "webpreview/web_page_layout.h"

#include <string>
#include <string_view>
#include <vector>

namespace tessaro::webpreview {

// The file's text, UTF-8, every line ended by CR LF, keys in their fixed
// order: area colours, border, sizes, strings, text colours.
std::string WriteWebLayoutFile(const WebPageLayout& layout);

// What applying a file could not take as it stood.
struct WebLayoutNote {
    std::string key;
    std::string value;  // the file's text
    int applied = 0;    // the size the page took instead
    friend bool operator==(const WebLayoutNote&, const WebLayoutNote&) = default;
};
// "header.height=5000 taken as 268".
std::string DescribeNote(const WebLayoutNote& note);

// Applies a file's bytes (UTF-8, or Windows-1252 when they are not valid
// UTF-8) to `layout` in the fixed order: the nine strings; the header,
// footer, navigation and contents colours; border.color (border and
// dividers); header.height, footer.height, left.width, right.left, then
// header.height once more; the nine text colours. A missing key or an empty
// value leaves its part unchanged. Sizes the page has no room for are held
// to what fits and noted in `notes` when given. A colour that is neither an
// identifier nor an integer, or a size that is not an integer, throws
// ConversionError; what was applied before it stays.
void ApplyWebLayoutFile(std::string_view fileBytes, WebPageLayout& layout, std::vector<WebLayoutNote>* notes = nullptr);

// The keys, for readers of the format.
const char* AreaColorKey(WebArea area);
const char* TextStringKey(WebText text);
std::string TextColorKey(WebText text);
inline constexpr const char* kBorderColorKey = "border.color";
inline constexpr const char* kHeaderHeightKey = "header.height";
inline constexpr const char* kFooterHeightKey = "footer.height";
inline constexpr const char* kNavigationWidthKey = "left.width";
inline constexpr const char* kContentsLeftKey = "right.left";

} // namespace tessaro::webpreview
