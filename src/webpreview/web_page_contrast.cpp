#include "webpreview/web_page_contrast.h"

namespace tessaro::webpreview {

TextContrast MeasureContrast(const WebPageLayout& layout, WebText text)
{
    const WebPageText& t = layout.Text(text);
    TextContrast contrast;
    contrast.ratio = ContrastRatio(t.color, layout.AreaColor(AreaOf(text)));
    contrast.largeText = IsLargeText(t.font.pointSize, t.font.bold);
    contrast.verdict = JudgeContrast(contrast.ratio, contrast.largeText);
    return contrast;
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

std::string ContrastText(const TextContrast& contrast)
{
    return ContrastRatioText(contrast.ratio) + " " + ContrastVerdictText(contrast.verdict) +
           (contrast.largeText ? " (large text)" : "");
}

std::string ContrastReport(const WebPageLayout& layout)
{
    std::string report;
    for (WebText text : kWebTexts)
        report += TextName(text) + ": " + ContrastText(MeasureContrast(layout, text)) + "\n";
    return report;
}

} // namespace tessaro::webpreview
