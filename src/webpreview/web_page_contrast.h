// How readable each text of the sample page is on its area: the WCAG
// contrast ratio and its AA/AAA marks for the text's size.
#pragma once

#include "engine/contrast.h"
#include "webpreview/web_page_layout.h"

#include <string>

namespace tessaro::webpreview {

struct TextContrast {
    double ratio = 1;
    bool largeText = false;
    ContrastVerdict verdict;
};

TextContrast MeasureContrast(const WebPageLayout& layout, WebText text);

// "Header Text", "Link 1 Text", "Title Text", ...
std::string TextName(WebText text);
// "4.48:1 AA (large text)".
std::string ContrastText(const TextContrast& contrast);
// One line for each of the nine texts: "Header Text: 12.63:1 AA AAA (large text)".
std::string ContrastReport(const WebPageLayout& layout);

} // namespace tessaro::webpreview
