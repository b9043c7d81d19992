#include "layouts/text_contrast.h"

#include "engine/color_scales.h"
#include "engine/color_text.h"

namespace tessaro::layouts {

namespace {

std::string ShortText(const std::string& text)
{
    std::string line;
    for (char c : text) {
        if (c == '\r' || c == '\n')
            c = ' ';
        line += c;
    }
    constexpr std::size_t kLimit = 24;
    if (line.size() <= kLimit)
        return line;
    // Cut on a character boundary of the UTF-8 text.
    std::size_t cut = kLimit;
    while (cut > 0 && (static_cast<unsigned char>(line[cut]) & 0xC0) == 0x80)
        --cut;
    return line.substr(0, cut) + "...";
}

} // namespace

TColor BackdropColorAt(const TestArea& area, int x, int y)
{
    for (const LayoutObject& shape : area.shapes)
        if (shape.visible && x >= shape.left && x - shape.left < shape.width && y >= shape.top &&
            y - shape.top < shape.height)
            return shape.fill;
    return area.background;
}

namespace {

TColor TextBackdrop(const TestArea& area, const LayoutObject& text)
{
    return BackdropColorAt(area, text.left + text.width / 2, text.top + text.height / 2);
}

bool IsLarge(const LayoutObject& text)
{
    const int points = text.fontSize < 0 ? -text.fontSize : text.fontSize;
    return IsLargeText(points, text.bold);
}

std::optional<TColor> FixOf(const TestArea& area, const LayoutObject& text)
{
    return SuggestContrastFix(text.textColor, TextBackdrop(area, text), IsLarge(text));
}

} // namespace

ContrastVerdict TextContrast(const TestArea& area, int textNumber)
{
    const LayoutObject& text = area.Object(ObjectKind::Text, textNumber);
    return JudgeContrast(text.textColor, TextBackdrop(area, text), IsLarge(text));
}

std::vector<TextContrastFix> ContrastFixes(const TestArea& area)
{
    std::vector<TextContrastFix> fixes;
    for (const LayoutObject& text : area.texts)
        if (text.visible)
            if (const std::optional<TColor> fix = FixOf(area, text))
                fixes.push_back({text.number, *fix});
    return fixes;
}

std::vector<std::string> ContrastReport(const TestArea& area)
{
    std::vector<std::string> lines;
    for (const LayoutObject& text : area.texts) {
        if (!text.visible)
            continue;
        std::string line = "Text " + std::to_string(text.number) + " \"" + ShortText(text.text) +
                           "\": " + ContrastVerdictWithApcaText(TextContrast(area, text.number));
        if (const std::optional<TColor> fix = FixOf(area, text))
            line += ", suggested " + HashHexText(*fix);
        lines.push_back(line);
    }
    if (lines.empty())
        lines.emplace_back("No text is visible.");
    return lines;
}

} // namespace tessaro::layouts
