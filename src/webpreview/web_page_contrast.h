// How readable each text of the sample page is on its area: the WCAG
// contrast ratio and its AA/AAA verdicts for the text's size.
#pragma once

#include "engine/color_vision.h"
#include "webpreview/web_page_layout.h"

#include <string>
#include <vector>

namespace tessaro::webpreview {

ContrastVerdict TextContrast(const WebPageLayout& layout, WebText text);

// "Header Text", "Link 1 Text", "Title Text", ...
std::string TextName(WebText text);
// One line for each of the nine texts, in the page's order:
// "Header Text: Contrast 12.63:1 large text, AA pass, AAA pass, APCA Lc
// 90.3 (body text)".
// A text failing WCAG AA gets ", suggested #RRGGBB" after its line.
std::vector<std::string> ContrastReport(const WebPageLayout& layout);

// A text failing WCAG AA (4.5, or 3 for large text) on its area, and the
// colour of its own OKLCH hue and chroma nearest in lightness that passes.
struct WebContrastFix {
    WebText text = WebText::Header;
    TColor suggested = 0;
    friend bool operator==(const WebContrastFix&, const WebContrastFix&) = default;
};
std::vector<WebContrastFix> ContrastFixes(const WebPageLayout& layout);

} // namespace tessaro::webpreview
