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
std::vector<std::string> ContrastReport(const WebPageLayout& layout);

} // namespace tessaro::webpreview
