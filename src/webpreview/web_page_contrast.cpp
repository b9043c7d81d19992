#include "webpreview/web_page_contrast.h"

#include "engine/color_scales.h"
#include "engine/color_text.h"

namespace tessaro::webpreview {

namespace {

std::optional<TColor> FixOf(const WebPageLayout& layout, WebText text)
{
    const WebPageText& t = layout.Text(text);
    return SuggestContrastFix(t.color, layout.AreaColor(AreaOf(text)), IsLargeText(t.font.pointSize, t.font.bold));
}

} // namespace

ContrastVerdict TextContrast(const WebPageLayout& layout, WebText text)
{
    const WebPageText& t = layout.Text(text);
    return JudgeContrast(t.color, layout.AreaColor(AreaOf(text)), IsLargeText(t.font.pointSize, t.font.bold));
}

std::vector<WebContrastFix> ContrastFixes(const WebPageLayout& layout)
{
    std::vector<WebContrastFix> fixes;
    for (WebText text : kWebTexts)
        if (const std::optional<TColor> fix = FixOf(layout, text))
            fixes.push_back({text, *fix});
    return fixes;
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
    for (WebText text : kWebTexts) {
        std::string line = TextName(text) + ": " + ContrastVerdictWithApcaText(TextContrast(layout, text));
        if (const std::optional<TColor> fix = FixOf(layout, text))
            line += ", suggested " + HashHexText(*fix);
        lines.push_back(line);
    }
    return lines;
}

} // namespace tessaro::webpreview
