#include "webpreview/web_page_contrast.h"

namespace tessaro::webpreview {

ContrastVerdict TextContrast(const WebPageLayout& layout, WebText text)
{
    const WebPageText& t = layout.Text(text);
    return JudgeContrast(t.color, layout.AreaColor(AreaOf(text)), IsLargeText(t.font.pointSize, t.font.bold));
}

std::string TextName(WebText text)
{
    switch (text) {
    case WebText::Header: return "Header Text";
    case WebText::Footer: return "Footer Text";
    case WebText::Title: return "Title Text";
    case WebText::Contents: return "Contents Text";
    default: return "Link " + std::to_string(int(text) - int(WebText::Link1) + 1) + " Text";
    }
}

std::vector<std::string> ContrastReport(const WebPageLayout& layout)
{
    std::vector<std::string> lines;
    for (WebText text : kWebTexts)
        lines.push_back(TextName(text) + ": " + ContrastVerdictWithApcaText(TextContrast(layout, text)));
    return lines;
}

} // namespace tessaro::webpreview
